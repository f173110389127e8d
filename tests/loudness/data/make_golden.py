#!/usr/bin/python3
"""Writes the expected loudness device texts of the tests (CR LF line ends), formatted
independently from the documented word rules."""
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def word28(value, key):
    if key in ("A1", "A2"):
        value = -value
    n = int(value * 2**23)  # truncation toward zero
    n = max(-2**27, min(2**27 - 1, n)) & 0x0FFFFFFF
    if key == "A8":
        digits = "%016X" % n
    else:
        digits = "%08X" % n
        if digits[1] in "89ABCDEF":
            digits = "F" + digits[1:]
    return "".join(" " + digits[i:i + 2] for i in range(0, len(digits), 2))


def word24(value):
    n = max(-2**23, min(2**23 - 1, int(value * 2**20)))
    return "%06X" % (n & 0xFFFFFF)


def write(name, lines):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("ascii"))


# QZX2202: B0 = 1.0, B1 = -1.0, B2 = 0.5, A1 = 0, A2 = 0 merged into device lines that
# hold a "21" and a "22" line, and into lines that hold neither.
middle = "".join(word24(v) + " " for v in (1.0, -1.0, 0.5, 0.0, 0.0))
left = "21 " + middle + "   Left Loudness Biquad"
right = "22 " + middle + "   Right Loudness Biquad"
write("qzx2202_merged_in_place.txt", ["01 000000", left, right, "23 000000"])
write("qzx2202_merged_appended.txt", ["01 000000", "23 000000", left, right])

# QZX2410 layout: B0 = 0.5, all others 0.
coeffs = {"B0": 0.5, "B1": 0.0, "B2": 0.0, "A1": 0.0, "A2": 0.0}
write("loudness_qzx2410.LD241X", ["L"] + [word28(coeffs[k], k) for k in ("A1", "A2", "B0", "B1", "B2")])

# QZX6060 layout: loudness coefficients B0 = 0.5, A1 = 0.25; plot gain 1, plot volume 1;
# typed scaling values -0.5, 0.25, 1.0, -1.0.
coeffs = {"B0": 0.5, "B1": 0.0, "B2": 0.0, "A1": 0.25, "A2": 0.0}
scaling = (-0.5, 0.25, 1.0, -1.0)
comments = [
    ("// EQ Gain          = ", 0.0),
    ("// Bandwidth        = ", 0.0),
    ("// Center Frequency = ", 0.0),
    ("// Log Space Gain   (0x91) = ", scaling[0]),
    ("// Log Space Offset (0x92) = ", scaling[1]),
    ("// Gain             (0x93) = ", scaling[2]),
    ("// Offset           (0x94) = ", scaling[3]),
    ("// Plot Volume      = ", 1.0),
    ("// Plot Gain        = ", 1.0),
]
lines = [p + "%5.2f" % v for p, v in comments]
lines += ["x91 " + word28(scaling[0], "A4"), "x92 " + word28(scaling[1], "A8"),
          "x93 " + word28(scaling[2], "A4"), "x94 " + word28(scaling[3], "A8"),
          "x95" + "".join(word28(coeffs[k], k) for k in ("B0", "B1", "B2", "A1", "A2"))]
write("loudness_qzx6060.LD606X", lines)
