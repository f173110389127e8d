#!/usr/bin/python3
"""Golden data for the numerics tests, from numpy/scipy.

Frequency responses come from scipy.signal.freqz, integrals from numpy.trapz over
log10(f); the optimizer runs are a plain numpy transcription of the matrix-language
formulas (complex products, 20*log10|.|), independent of the engine's fast paths.
Run from this folder: /usr/bin/python3 make_golden.py
"""
import numpy as np
from scipy import signal

np.set_printoptions(precision=17)


def fmt(values):
    return " ".join(repr(float(v)) for v in np.ravel(values))


# ----------------------------------------------------------------- apcoef80 and freqz
def apcoef80(V0, fb, fc, fs):
    t = np.tan((np.pi * fb) / fs)
    k = (t - V0) / (t + V0) if V0 < 1 else (t - 1) / (t + 1)
    H0 = V0 - 1
    d = -np.cos(((2 * np.pi) * fc) / fs)
    b = np.array([1 + ((1 + k) * H0) / 2, d * (1 - k), -k - ((1 + k) * H0) / 2])
    a = np.array([1.0, d * (1 - k), -k])
    return b, a, d, -k, H0


def write_freqz(out):
    cases = [
        ([1.0], [1.0], None, 4),
        ([1.0, 1.0], [1.0], None, 1),
        ([1, 2, 3, 2, 1], [1, 0.5, 0.25], None, 2),
        ([0.2, 0.3, 0.1], [1, -0.5, 0.3], None, 7),
        ([1.0, 1.0], [1.0], [12000.0, 3000.0, 0.0, 24000.0], None),
    ]
    b, a, *_ = apcoef80(10 ** (6 / 20), 100.0, 1000.0, 48000.0)
    cases.append((list(b), list(a), list(np.geomspace(20, 20000, 9)), None))
    b, a, *_ = apcoef80(10 ** (-9 / 20), 30.0, 60.0, 48000.0)
    cases.append((list(b), list(a), list(np.geomspace(20, 200, 7)), None))
    fs = 48000.0
    for b, a, freqs, count in cases:
        if count is not None:
            w, h = signal.freqz(b, a, worN=count)
            f = w * fs / (2 * np.pi)
            out.write("freqz_points %d | %s | %s\n" % (count, fmt(b), fmt(a)))
        else:
            f, h = signal.freqz(b, a, worN=np.array(freqs), fs=fs)
            out.write("freqz_list %s | %s | %s\n" % (fmt(freqs), fmt(b), fmt(a)))
        out.write("  h %s\n  hi %s\n  f %s\n" % (fmt(h.real), fmt(h.imag), fmt(f)))


def write_apcoef80(out):
    for V0, fb, fc, fs in [(10 ** (6 / 20), 100, 1000, 48000), (10 ** (-6 / 20), 100, 1000, 48000),
                           (1.0, 250, 3000, 44100), (3.7, 2000, 9000, 96000), (0.05, 40, 80, 48000)]:
        b, a, d, mk, H0 = apcoef80(V0, fb, fc, fs)
        w, h = signal.freqz(b, a, worN=[fc], fs=fs)
        out.write("apcoef80 %s\n  b %s\n  a %s\n  rest %s\n  gain_at_fc %r\n" %
                  (fmt([V0, fb, fc, fs]), fmt(b), fmt(a), fmt([d, mk, H0]), abs(h[0])))


def write_loginteg(out):
    rng = np.random.default_rng(7)
    for n in (2, 5, 40):
        f = np.sort(rng.uniform(20, 20000, n))
        e = rng.normal(0, 3, n)
        ref = np.trapz(np.abs(e), np.log10(f))
        out.write("loginteg %s | %s\n  I %r\n" % (fmt(e), fmt(f), ref))


# ----------------------------------------------------------------- the optimizer, plainly
class Counter:
    checks = 0


def check():
    Counter.checks += 1


def loginteg82(e, f):
    check()
    f = np.array(f, dtype=float)
    if f[0] == 0:
        f[0] = 1
    e = np.abs(e)
    f = np.log10(f)
    return np.sum((e[:-1] + e[1:]) * (f[1:] - f[:-1])) / 2


def freqz_list(b, a, freq, fs):
    z = np.exp(1j * ((2 * np.pi) * freq) / fs)
    return np.polyval(b, z) / np.polyval(a, z)


def fndmx83(resp, upper, lower, freq, desired):
    check()
    excess = (resp - upper) * (resp > upper)
    shortfall = (resp - lower) * (resp < lower)
    n = len(resp)

    def one_pass(x):
        starts, ends = [], []
        for i in range(1, n + 1):
            if abs(x[i - 1]) > 0:
                if i == 1 or x[i - 2] == 0:
                    starts.append(i)
                if i == n or x[i] == 0:
                    ends.append(i)
        if not ends:
            return 0.0, None
        area, peak = [], []
        for s, e in zip(starts, ends):
            if s == e and s > 1:
                area.append(abs(x[s - 1]) * (np.log10(freq[s - 1]) - np.log10(freq[s - 2])) / 2)
            elif s == e:
                area.append(abs(x[0]) * (np.log10(freq[1]) - np.log10(freq[0])) / 2)
            else:
                area.append(loginteg82(x[s - 1:e], freq[s - 1:e]))
            j = int(np.argmax(np.abs(resp[s - 1:e] - desired[s - 1:e])))
            peak.append(s + j)
        best = int(np.argmax(area))
        return area[best], peak[best]

    best_above, peak_above = one_pass(excess)
    best_below, peak_below = one_pass(shortfall)
    if best_above == 0 and best_below == 0:
        return 1.0, 1.0, 1
    idx = peak_below if best_below > best_above else peak_above
    dev = resp[idx - 1] - desired[idx - 1]
    j = idx
    if dev > 0:
        while resp[j - 1] - desired[j - 1] > dev / 2 and j > 1:
            j -= 1
    else:
        while resp[j - 1] - desired[j - 1] < dev / 2 and j > 1:
            j -= 1
    bw = freq[idx - 1] - freq[j - 1]
    if bw <= 0:
        bw = freq[idx - 1] / 35.0
    return bw, 10 ** (dev / 20.0), idx


def section_error(resp, V0, bw, fc, fs, freq, iLow, jHigh, desired, n):
    b, a, *_ = apcoef80(V0, bw, fc, fs)
    r = resp * freqz_list(b, a, freq, fs)
    band = slice(iLow, n - jHigh + 1)
    return loginteg82(20 * np.log10(np.abs(r[band])) - desired[band], freq[band])


def optimizer(which, resp, bw, amp, fc, fs, freq, err, iLow, jHigh, desired, n):
    if which != "fc":
        check()
    p = {"bw": bw, "amp": amp, "fc": fc}[which]

    def error_for(v):
        q = {"bw": bw, "amp": amp, "fc": fc}
        q[which] = v
        return section_error(resp, 1 / q["amp"], q["bw"], q["fc"], fs, freq, iLow, jHigh, desired, n)

    up = p + 0.1 * p
    if which == "fc" and up > freq[n - jHigh]:
        up = freq[n - jHigh]
    e_up = error_for(up)
    down = p - 0.1 * p
    if which == "fc" and down < freq[iLow]:
        down = freq[iLow]
    e_down = error_for(down)
    if err < e_up and err < e_down:
        return p, err
    if e_up < err and e_up < e_down:
        return up, e_up
    return down, e_down


def place_and_tune(resp, fs, iLow, jHigh, freq, n, desired, upper, lower, single_tol):
    band = slice(iLow, n - jHigh + 1)
    level = 20 * np.log10(np.abs(resp[band]))
    bw, amp, idx = fndmx83(level, upper[band], lower[band], freq[band], desired[band])
    fc = freq[idx + iLow - 1]
    err = loginteg82(level - desired[band], freq[band])
    err_prev = err + 5000
    iters = 0
    best = [err, bw, amp, fc]
    args = (fs, freq)
    while abs(err - err_prev) / err_prev > single_tol and iters < 250:
        err_prev = err
        iters += 1
        bw, err = optimizer("bw", resp, bw, amp, fc, *args, err, iLow, jHigh, desired, n)
        if err < best[0]:
            best = [err, bw, amp, fc]
        amp, err = optimizer("amp", resp, bw, amp, fc, *args, err, iLow, jHigh, desired, n)
        if err < best[0]:
            best = [err, bw, amp, fc]
        fc, err = optimizer("fc", resp, bw, amp, fc, *args, err, iLow, jHigh, desired, n)
        if err < best[0]:
            best = [err, bw, amp, fc]
    if best[0] < err:
        err, bw, amp, fc = best
    return bw, amp, fc, err


def row_response(P, r, fs, freq):
    b, a, *_ = apcoef80(10 ** (P[r - 1, 1] / 20), P[r - 1, 2], P[r - 1, 3], fs)
    return freqz_list(b, a, freq, fs)


def mvq83(fs, iLow, jHigh, freq, base, P, k, n, desired, upper, lower, resp, single_tol, joint_tol):
    check()
    P = np.array(P, dtype=float).reshape(-1, 8)
    resp = np.array(resp, dtype=complex)
    if k == 0:
        resp = base.copy()
        P = np.zeros((1, 8))
    k += 1
    tune = (fs, iLow, jHigh, freq, n, desired, upper, lower, single_tol)
    bw, amp, fc, err = place_and_tune(resp, *tune)

    def set_row(r):
        nonlocal P
        if P.shape[0] < r:
            P = np.vstack([P, np.zeros((r - P.shape[0], 8))])
        P[r - 1] = [1, 20 * np.log10(1 / amp), bw, fc, 0, 0, 0, 0]

    set_row(k)
    resp = resp * row_response(P, k, fs, freq)
    err_best, P_best, m = err, P.copy(), 0
    if k > 1:
        iters_joint, err_prev_joint = 0, 0.0
        while iters_joint < k or (abs(err_prev_joint - err) / err_prev_joint > joint_tol and iters_joint < 45):
            err_prev_joint = err
            iters_joint += 1
            m = m + 1
            if m > k:
                m = 1
            resp = base.copy()
            for i in range(k, 0, -1):
                if i != m:
                    resp = resp * row_response(P, i, fs, freq)
            bw, amp, fc, err = place_and_tune(resp, *tune)
            set_row(m)
            resp = resp * row_response(P, m, fs, freq)
            if err < err_best:
                err_best, P_best = err, P.copy()
    if err > err_best:
        P = P_best
    return P, k, resp


def speaker(freq, fs):
    """A two-way speaker: woofer and tweeter through a crossover, with a few room bumps."""
    def peq(gain_db, f0, q):
        A = 10 ** (gain_db / 40)
        w0 = 2 * np.pi * f0 / fs
        alpha = np.sin(w0) / (2 * q)
        b = [1 + alpha * A, -2 * np.cos(w0), 1 - alpha * A]
        a = [1 + alpha / A, -2 * np.cos(w0), 1 - alpha / A]
        return freqz_list(b, a, freq, fs)

    def hp2(f0, q):
        w0 = 2 * np.pi * f0 / fs
        alpha = np.sin(w0) / (2 * q)
        c = np.cos(w0)
        return freqz_list([(1 + c) / 2, -(1 + c), (1 + c) / 2], [1 + alpha, -2 * c, 1 - alpha], freq, fs)

    def lp2(f0, q):
        w0 = 2 * np.pi * f0 / fs
        alpha = np.sin(w0) / (2 * q)
        c = np.cos(w0)
        return freqz_list([(1 - c) / 2, 1 - c, (1 - c) / 2], [1 + alpha, -2 * c, 1 - alpha], freq, fs)

    woofer = hp2(45, 0.8) * lp2(2200, 0.5) ** 2 * peq(5, 700, 3) * peq(-4, 1400, 5)
    tweeter = hp2(2200, 0.5) ** 2 * peq(4, 9000, 2) * 10 ** (2 / 20)
    return woofer + tweeter  # a Linkwitz-Riley pair sums in phase


def write_mvq83(out):
    fs = 48000.0
    freq = np.geomspace(20, 20000, 80)
    base = speaker(freq, fs)
    n = len(freq)
    desired = np.zeros(n)
    upper, lower = desired + 1.5, desired - 1.5
    iLow = int(np.searchsorted(freq, 100.0))        # points below 100 Hz
    jHigh = n - int(np.searchsorted(freq, 15000.0)) + 1
    out.write("speaker %d %d %d\n" % (n, iLow, jHigh))
    out.write("  freq %s\n  re %s\n  im %s\n" % (fmt(freq), fmt(base.real), fmt(base.imag)))
    P, k, resp = np.zeros((0, 8)), 0, base.copy()
    for filt in range(4):
        Counter.checks = 0
        P, k, resp = mvq83(fs, iLow, jHigh, freq, base, P, k, n, desired, upper, lower, resp, 0.001, 0.01)
        out.write("mvq83 %d %d\n  P %s\n  re %s\n  im %s\n" %
                  (k, Counter.checks, fmt(P), fmt(resp.real), fmt(resp.imag)))
        # The driver rebuilds the response from the parameter rows.
        resp = base.copy()
        for r in range(1, k + 1):
            resp = resp * row_response(P, r, fs, freq)


with open("golden.txt", "w") as out:
    write_apcoef80(out)
    write_freqz(out)
    write_loginteg(out)
    write_mvq83(out)
