#!/usr/bin/python3
"""Writes the golden DSP coefficient headers for 0, 3 and 10 filters (CR LF line ends)
and the filters they are built from (dsp_filters.txt: comment|b0 b1 b2|a1 a2)."""
import os

import numpy as np
from scipy import signal

FS = 48000


def filters():
    out = []
    for i in range(10):
        f0 = 100.0 * (i + 1)
        b, a = signal.iirpeak(f0, 2.0, fs=FS)
        b = b * (1.0 + 0.1 * i)
        out.append(("EQ-%d, %d.000000, 2.000000, %d.000000, No, Yes, %d" % (i + 1, i, int(f0), i + 1),
                    b, a))
    return out


def word(x):
    v = int(np.trunc(np.float64(x) * 268435456.0))
    return "%.6d" % v if v != 0 else "0"


def header(fl, label, gain):
    n = min(len(fl), 8)
    lines = ["/*", "Device is V38xx"] + [c for c, _, _ in fl[:n]] + ["*/"]
    lines.append("#define GENERICGAIN %f " % gain)
    for i in range(n):
        _, b, a = fl[i]
        w = [word(b[2]), word(b[1]), word(b[0]), word(-a[2]), word(-a[1])]
        if i == 0:
            lines.append("#define GENERICCOEFFS0 {%s*GENERICGAIN, %s*GENERICGAIN, %s*GENERICGAIN, %s, %s}" % tuple(w))
        else:
            lines.append("#define GENERICCOEFFS%d {%s, %s, %s, %s, %s}" % ((i,) + tuple(w)))
    lines.append("#define GENERICEQ={" + ",".join("GENERICCOEFFS%d" % i for i in range(n)) + "}")
    return "".join(l.replace("GENERIC", label) + "\r\n" for l in lines)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    fl = filters()
    with open(os.path.join(here, "dsp_filters.txt"), "w") as f:
        for c, b, a in fl:
            f.write("%s|%.17g %.17g %.17g|%.17g %.17g\n" % (c, b[0], b[1], b[2], a[1], a[2]))
    for n, label, gain in ((0, "GENERIC", 1.0), (3, "MYEQ", 0.501187), (10, "GENERIC", 0.25)):
        with open(os.path.join(here, "dsp_header_%d.h" % n), "wb") as f:
            f.write(header(fl[:n], label, gain).encode("ascii"))
    # A +6 dB peaking section at 1 kHz (Q 2, 48 kHz), audio-EQ-cookbook form.
    A = 10 ** (6.0 / 40)
    w0 = 2 * np.pi * 1000.0 / FS
    alpha = np.sin(w0) / (2 * 2.0)
    b = np.array([1 + alpha * A, -2 * np.cos(w0), 1 - alpha * A])
    a = np.array([1 + alpha / A, -2 * np.cos(w0), 1 - alpha / A])
    b, a = b / a[0], a / a[0]
    w, h = signal.freqz(b, a, worN=[1000.0], fs=FS)
    assert abs(20 * np.log10(abs(h[0])) - 6.0) < 1e-9
    with open(os.path.join(here, "dsp_peak_6db.txt"), "w") as f:
        f.write("%.17g %.17g %.17g %.17g %.17g\n" % (b[0], b[1], b[2], a[1], a[2]))
