#!/usr/bin/python3
"""Reference coefficients of the section designers, from scipy.signal.

Second-order Butterworth and Chebyshev type I sections come from scipy.signal.butter and
cheby1 (a zero-or-negative ripple lifts the Chebyshev passband to 0 dB: the scipy section
times 10^(|ripple|/20)), notches from iirnotch with Q = fc/bw, all-passes as 2·notch − a
(the notch is (1 + A(z))/2). Linkwitz-Riley sections are the square of scipy's first-order
Butterworth; variable-Q sections follow the audio EQ cookbook. Shelves, first-order
sections and plateaus are scipy.signal.bilinear of their analog prototypes with the corner
prewarped onto fc.
Run from this folder: /usr/bin/python3 make_designers.py
"""
import numpy as np
from scipy import signal

RATES = [44100.0, 48000.0, 96000.0]
TYPES = [("low", "lowpass"), ("high", "highpass")]


def cut_frequencies(fs):
    return np.geomspace(20.0, 0.45 * fs, 7)


def fmt(values):
    return " ".join(repr(float(v)) for v in np.ravel(values))


def record(out, name, inputs, b, a):
    out.write(f"{name} {fmt(inputs)}\n  b {fmt(b)}\n  a {fmt(a)}\n")


def normalised(b, a):
    b = np.asarray(b, float)
    a = np.asarray(a, float)
    return b / a[0], a / a[0]


def bilinear_at(b, a, k):
    """Bilinear transform with s = k·(1 − z⁻¹)/(1 + z⁻¹)."""
    return normalised(*signal.bilinear(b, a, fs=k / 2.0))


def second_order(out):
    for fs in RATES:
        for fc in cut_frequencies(fs):
            for low, btype in TYPES:
                flag = 1.0 if low == "low" else 0.0
                record(out, "soBUT", [fc, fs, flag], *signal.butter(2, fc, btype, fs=fs))
                b1, a1 = signal.butter(1, fc, btype, fs=fs)
                record(out, "soLR", [fc, fs, flag], np.convolve(b1, b1), np.convolve(a1, a1))
                for Q in [0.3, 1 / np.sqrt(2), 2.0, 10.0]:
                    w0 = 2 * np.pi * fc / fs
                    alpha = np.sin(w0) / (2 * Q)
                    c = np.cos(w0)
                    # 1 − cos w0 and 1 + cos w0 without cancellation.
                    one_minus = 2 * np.sin(w0 / 2) ** 2
                    one_plus = 2 * np.cos(w0 / 2) ** 2
                    if low == "low":
                        b = [one_minus / 2, one_minus, one_minus / 2]
                    else:
                        b = [one_plus / 2, -one_plus, one_plus / 2]
                    record(out, "soVQ", [fc, fs, Q, flag],
                           *normalised(b, [1 + alpha, -2 * c, 1 - alpha]))
                for ripple in [0.1, 1.0, 3.0, -0.1, -1.0, -3.0]:
                    b, a = signal.cheby1(2, abs(ripple), fc, btype, fs=fs)
                    if ripple <= 0:
                        b = b * 10 ** (abs(ripple) / 20)
                    record(out, "soCHBI", [fc, fs, ripple, flag], b, a)


def notches(out):
    for fs in RATES:
        for fc in cut_frequencies(fs):
            for Q in [1.0, 3.0, 10.0]:
                bw = fc / Q
                b, a = signal.iirnotch(fc, Q, fs=fs)
                record(out, "notch", [bw, fc, fs], b, a)
                record(out, "allpassfilters", [bw, fc, fs], 2 * b - a, a)


def shelf_radii(G):
    gdB = 20 * np.log10(G)
    if -6 < gdB < 6:
        Gc = np.sqrt(G)
    elif G > 1:
        Gc = G / np.sqrt(2)
    else:
        Gc = G * np.sqrt(2)
    p = ((Gc**2 - 1) / (G**2 - Gc**2)) ** 0.25
    return p, np.sqrt(G) * p


GAINS_DB = [-24.0, -12.0, -6.1, -3.0, -0.5, 0.5, 3.0, 5.9, 6.1, 12.0, 24.0]


def shelves(out):
    d = np.sqrt(2)
    for fs in RATES:
        for fc in cut_frequencies(fs):
            k = 1 / np.tan(np.pi * fc / fs)
            for gdB in GAINS_DB:
                G = 10 ** (gdB / 20)
                p, q = shelf_radii(G)
                record(out, "soshelfb", [fc, fs, G],
                       *bilinear_at([1, d * q, q * q], [1, d * p, p * p], k))
                record(out, "soshelft", [fc, fs, G],
                       *bilinear_at([q * q, d * q, 1], [p * p, d * p, 1], k))
                record(out, "fourb", [fc, G, fs], *bilinear_at([1, G], [1, 1], k))
                record(out, "fourt", [fc, G, fs], *bilinear_at([G, 1], [1, 1], k))


def first_order_butterworth(fc, fs, low):
    w = 2 * np.pi * fc
    b, a = bilinear_at([0, w] if low else [1, 0], [1, w], w / np.tan(np.pi * fc / fs))
    return np.append(b, 0.0), np.append(a, 0.0)


def first_orders(out):
    for fs in RATES:
        for fc in cut_frequencies(fs):
            for low, _ in TYPES:
                record(out, "foBUT", [fc, fs, 1.0 if low == "low" else 0.0],
                       *first_order_butterworth(fc, fs, low == "low"))
            fU = min(4 * fc, 0.45 * fs)
            for gdB in [-24.0, -12.0, -3.0, 3.0, 12.0, 24.0]:
                G = 10 ** (gdB / 20)
                bP, aP = first_order_butterworth(fc, fs, False)
                bS, aS = bilinear_at([1, G], [1, 1], 1 / np.tan(np.pi * fU / fs))
                record(out, "soHB", [gdB, fc, fU, fs],
                       np.convolve(bP[:2], bS), np.convolve(aP[:2], aS))
                bP, aP = first_order_butterworth(fU, fs, True)
                bS, aS = bilinear_at([G, 1], [1, 1], 1 / np.tan(np.pi * fc / fs))
                record(out, "soLT", [gdB, fc, fU, fs],
                       np.convolve(bP[:2], bS), np.convolve(aP[:2], aS))


with open("designers.txt", "w") as out:
    second_order(out)
    notches(out)
    shelves(out)
    first_orders(out)
