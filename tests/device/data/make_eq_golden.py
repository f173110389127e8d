#!/usr/bin/python3
"""Writes the golden QZX2201/QZX2202 device program data files (CR LF line ends).

Eight filters with fixed parameter texts and coefficient words; the QZX2201 takes the
first six, the QZX2202 the first seven. Date 3/7/26, 44100 Hz."""

FILTERS = [("EQ-%d, 6.000000, 2.000000, %d.000000, No, Yes, %d" % (i + 1, 100 * (i + 1), i + 1),
            " ".join("%06X" % ((0x10000 * (i + 1) + 0x111 * w) & 0xFFFFFF) for w in range(5)))
           for i in range(8)]
NAMES1 = ["0A", "0B", "0C", "0D", "0E", "0F", "10"]
NAMES2 = ["13", "14", "15", "16", "17", "18", "19"]


def text(registers):
    head = ["! NAME: test.eq", "! Date                : 3/7/26",
            "! Speaker Model #     : ", "! Speaker Serial #    : ",
            "! Speaker Manufacturer: ", "! Sample Rate         : 44 K Hz",
            "! EQ Description    : ", "!", "!", "!# Filter Parameters"]
    used = FILTERS[:registers]
    lines = head + ["!# " + p for p, _ in used]
    lines += [NAMES1[i] + " " + w for i, (_, w) in enumerate(used)]
    lines += [NAMES2[i] + " " + w for i, (_, w) in enumerate(used)]
    lines += ["4 -6.0 Volume", "5 0.0 Treble", "6 0.0 Bass", "7 -12.0 Mixer1",
              "$8 -70.0 Mixer2"]
    return "".join(l + "\r\n" for l in lines)


if __name__ == "__main__":
    import os
    here = os.path.dirname(os.path.abspath(__file__))
    for chip, registers in (("qzx2201", 6), ("qzx2202", 7)):
        with open(os.path.join(here, chip + ".eq"), "wb") as f:
            f.write(text(registers).encode("ascii"))
    with open(os.path.join(here, "filters.txt"), "wb") as f:
        f.write("".join(p + "|" + w + "\n" for p, w in FILTERS).encode("ascii"))
