#!/usr/bin/python3
"""Writes the default QZX241X compression transfer curve (471 points, input and output
in dB) from the chips' fixed-point log and antilog as documented, for the tests."""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def base2log(x):
    e, k = 31, 15
    for kk in range(46, 14, -1):
        if x >= 2.0**kk:
            k, e = kk, 46 - kk
            break
    r = x - 2.0**k
    m = 0.0
    for j in range(1, 5):
        if r < 2.0**(k - j):
            m += 2.0**-j
        else:
            r -= 2.0**(k - j)
    if x < 0:
        m = 0.9375
    return e + m


def base2alog(x):
    if x < 0:
        x = 0.0
    e = min(math.floor(x), 31)
    f = x - math.floor(x)
    m = 0.0
    for j in range(1, 5):
        if f < 2.0**-j:
            m += 2.0**-j
        else:
            f -= 2.0**-j
    y = max((1 + m) * 2.0**(3 - e), 2.0**-23)
    return math.floor(y * 2**23) / 2**23


L = 20 * math.log10(2.0)
t1, t2 = 182.0 / L, 88.0 / L
k = [1.05 - 1.0, 1.0 / 2.0 - 1.0, 1.0 / 5.0 - 1.0]
o2 = 0.0 / L + 4.0
o1 = (t1 - t2) * k[1] + o2
with open(os.path.join(HERE, "default_transfer_curve.txt"), "w") as out:
    for n in range(471):
        g = n / 10
        x = 2.0**47 - 1 if n == 470 else 2.0**g
        c = base2log(x)
        if c >= t1:
            d = (c - t1) * k[0] + o1
        elif c >= t2:
            d = (c - t2) * k[1] + o2
        else:
            d = (c - t2) * k[2] + o2
        y = x * base2alog(d)
        out.write("%.12f %.12f\n" % ((g - 47) * 6.0206, (math.log2(y) - 47) * 6.0206))
