#!/usr/bin/python3
"""Writes linalg_golden.txt: matrix products, right divisions and matrix powers computed
with numpy, for the run-time's dense kernels to be checked against.

Each case is a header line "<op> <count of operands>" followed by the operands and then the
expected result, each as "<rows> <cols> <complex 0/1>" and one line of column-major real
parts (and one of imaginary parts for a complex matrix)."""
import numpy as np

rng = np.random.default_rng(20261209)


def real(m, n):
    return rng.uniform(-2.0, 2.0, (m, n))


def cplx(m, n):
    return real(m, n) + 1j * real(m, n)


def write(out, a):
    a = np.atleast_2d(a)
    is_complex = np.iscomplexobj(a)
    out.write("%d %d %d\n" % (a.shape[0], a.shape[1], 1 if is_complex else 0))
    flat = a.flatten(order="F")
    out.write(" ".join("%.17g" % v for v in flat.real) + "\n")
    if is_complex:
        out.write(" ".join("%.17g" % v for v in flat.imag) + "\n")


def mrdivide(b, a):
    # x a = b  <=>  a.' x.' = b.'
    if a.shape[0] == a.shape[1]:
        return np.linalg.solve(a.T, b.T).T
    return np.linalg.lstsq(a.T, b.T, rcond=None)[0].T


cases = []
for m, k, n, maker in [(3, 4, 2, real), (2, 3, 5, cplx), (1, 4, 1, real)]:
    a, b = maker(m, k), maker(k, n)
    cases.append(("mtimes", [a, b], a @ b))
for rows, size, maker in [(2, 4, real), (3, 3, cplx), (1, 5, real)]:
    a, b = maker(size, size), maker(rows, size)
    cases.append(("mrdivide", [b, a], mrdivide(b, a)))
# More columns than rows in the divisor: least squares.
for rows, p, q, maker in [(3, 2, 5, real), (2, 3, 6, cplx)]:
    a, b = maker(p, q), maker(rows, q)
    cases.append(("mrdivide", [b, a], mrdivide(b, a)))
for size, power, maker in [(3, 5, real), (4, -2, real), (2, 3, cplx), (3, 0, real)]:
    a = maker(size, size)
    cases.append(("mpower", [a, np.array([[float(power)]])], np.linalg.matrix_power(a, power)))

with open("linalg_golden.txt", "w") as out:
    for op, operands, expected in cases:
        out.write("%s %d\n" % (op, len(operands)))
        for a in operands:
            write(out, a)
        write(out, expected)
