#!/usr/bin/python3
"""Writes the golden QZX2410 (".EQ241X", ten sections) and QZX6060 (".EQ606X", three
sections) device data files (CR LF line ends) from the sections of dsp_filters.txt.

A word is the value times 2^23 truncated toward zero, in 28-bit two's complement, sign
filled to 32 bits and written as four blank-led pairs of hexadecimal digits; the file
holds the negated A1 and A2."""
import os

import numpy as np


def word(x):
    v = int(np.trunc(np.float64(x) * 8388608.0))
    assert -(1 << 27) <= v < (1 << 27)
    digits = "%08X" % (v & 0xFFFFFFFF)
    return "".join(" " + digits[i:i + 2] for i in range(0, 8, 2))


def sections(here):
    out = []
    with open(os.path.join(here, "dsp_filters.txt")) as f:
        for line in f:
            comment, b, a = line.rstrip("\n").split("|")
            out.append((comment, [float(x) for x in b.split()], [float(x) for x in a.split()]))
    return out


def text(name, secs, qzx6060):
    head = ["! NAME: " + name, "! Date                : 3/7/26",
            "! Speaker Model #     : ", "! Speaker Serial #    : ",
            "! Speaker Manufacturer: ", "! Sample Rate         : 48 K Hz",
            "! EQ Description    : ", "!", "!", "!# Filter Parameters"]
    lines = head + ["!# " + c for c, _, _ in secs] + ["! Channel Number 1"]
    for k, (_, b, a) in enumerate(secs, start=1):
        feed = [word(-a[0]), word(-a[1])]
        forward = [word(b[0]), word(b[1]), word(b[2])]
        lines.append("Q%X" % k)
        lines += forward + feed if qzx6060 else feed + forward
    return "".join(l + "\r\n" for l in lines)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    secs = sections(here)
    for file, count, qzx6060 in (("speaker.EQ241X", 10, False), ("speaker.EQ606X", 3, True)):
        with open(os.path.join(here, file), "wb") as f:
            f.write(text(file, secs[:count], qzx6060).encode("ascii"))
