#!/usr/bin/python3
"""Writes golden.txt: inputs and expected outputs of the run-time's numerical library
functions, computed with numpy/scipy as the independent reference.

Run with /usr/bin/python3 (Debian's numpy and scipy) from any directory; the output is
committed and the tests read it without Python.

Format, one record per line:
    case <name> <function>
    in|out <rows> <cols> real|complex <values...>
A complex array lists re im pairs; values are column-major.
"""
import os

import numpy as np
from scipy.interpolate import interp1d

rng = np.random.default_rng(20261209)
lines = []


def array_line(tag, a):
    a = np.asarray(a)
    if a.ndim == 0:
        a = a.reshape(1, 1)
    if a.ndim == 1:
        a = a.reshape(1, -1)
    rows, cols = a.shape
    flat = a.flatten(order="F")
    if np.iscomplexobj(a):
        vals = [f"{v.real:.17g} {v.imag:.17g}" for v in flat]
        kind = "complex"
    else:
        vals = [f"{float(v):.17g}" for v in flat]
        kind = "real"
    return f"{tag} {rows} {cols} {kind} " + " ".join(vals)


def case(name, function, inputs, outputs):
    lines.append(f"case {name} {function}")
    lines.extend(array_line("in", a) for a in inputs)
    lines.extend(array_line("out", a) for a in outputs)


def col(v):
    return np.asarray(v).reshape(-1, 1)


def row(v):
    return np.asarray(v).reshape(1, -1)


def cplx(n):
    return rng.standard_normal(n) + 1j * rng.standard_normal(n)


# fft of many lengths, not only powers of two; rows keep rows, columns keep columns.
for n in (1, 2, 3, 5, 7, 8, 12, 16, 20, 97, 100):
    x = rng.standard_normal(n)
    case(f"fft_real_row_{n}", "fft", [row(x)], [row(np.fft.fft(x)).astype(complex)])
    z = cplx(n)
    case(f"fft_complex_col_{n}", "fft", [col(z)], [col(np.fft.fft(z))])
m = rng.standard_normal((3, 4))
case("fft_matrix_columns", "fft", [m], [np.fft.fft(m, axis=0)])
case("fft_matrix_rows", "fft_n", [m, np.zeros((0, 0)), 2.0], [np.fft.fft(m, axis=1)])
x = rng.standard_normal(5)
case("fft_padded_to_20", "fft_n", [row(x), 20], [row(np.fft.fft(x, 20))])
case("fft_truncated_to_3", "fft_n", [col(x), 3], [col(np.fft.fft(x, 3))])
# The coefficient rows of a section padded to the transform length, as the frequency
# response uses them.
b = np.array([0.9, -1.7, 0.8])
case("fft_section_padded_10", "fft_n", [row(b), 10], [row(np.fft.fft(b, 10))])

# conv: the orientation of the longer vector (the second one on a tie).
a, k = rng.standard_normal(6), np.array([0.25, 0.5, 0.25])
case("conv_kernel_first_column", "conv", [row(k), col(a)], [col(np.convolve(k, a))])
case("conv_rows", "conv", [row(a), row(k)], [row(np.convolve(a, k))])
case("conv_tie_takes_second", "conv", [row(a[:3]), col(k)], [col(np.convolve(a[:3], k))])
za, zb = cplx(4), cplx(2)
case("conv_complex", "conv", [row(za), row(zb)], [row(np.convolve(za, zb))])
case("conv_scalars", "conv", [np.array(3.0), np.array(-2.0)], [np.array(-6.0)])

# interp1q: NaN outside the range; complex values interpolated part by part.
xs = np.array([1.0, 2.0, 4.0, 8.0, 16.0])
ys = cplx(5)
xi = np.array([0.5, 1.0, 1.5, 3.0, 8.0, 15.0, 16.0, 17.0, np.nan])
re = interp1d(xs, ys.real, bounds_error=False, fill_value=np.nan)(xi)
im = interp1d(xs, ys.imag, bounds_error=False, fill_value=np.nan)(xi)
yi = re + 1j * im
yi[np.isnan(re)] = complex(np.nan, np.nan)
case("interp1q_complex", "interp1q", [col(xs), col(ys), col(xi)], [col(yi)])
yr = rng.standard_normal(5)
case("interp1q_real_row_xi", "interp1q", [col(xs), col(yr), row(xi)],
     [row(interp1d(xs, yr, bounds_error=False, fill_value=np.nan)(xi))])
y2 = rng.standard_normal((5, 2))
case("interp1q_two_series", "interp1q", [col(xs), y2, col(xi[:5])],
     [interp1d(xs, y2, axis=0, bounds_error=False, fill_value=np.nan)(xi[:5])])

# logspace and polyval.
for a_, b_, n in ((1.0, 4.0, 7), (np.log10(20.0), np.log10(20000.0), 100), (2.0, 2.0, 3),
                  (3.0, 1.0, 5)):
    case(f"logspace_{n}_{a_:.3f}", "logspace", [a_, b_, n], [row(np.logspace(a_, b_, n))])
p = np.array([2.0, -3.0, 0.5, 1.0])
xv = rng.standard_normal((2, 3))
case("polyval_matrix", "polyval", [row(p), xv], [np.polyval(p, xv)])
zp, zx = cplx(3), cplx(4)
case("polyval_complex", "polyval", [row(zp), col(zx)], [col(np.polyval(zp, zx))])

# unwrap, along the first dimension that is not 1; NaN entries are passed over.
ph = np.cumsum(rng.uniform(-2.5, 2.5, 40))
wrapped = np.angle(np.exp(1j * ph))
case("unwrap_row", "unwrap", [row(wrapped)], [row(np.unwrap(wrapped))])
case("unwrap_column", "unwrap", [col(wrapped)], [col(np.unwrap(wrapped))])
mw = np.angle(np.exp(1j * np.cumsum(rng.uniform(-3, 3, (6, 3)), axis=0)))
case("unwrap_matrix", "unwrap", [mw], [np.unwrap(mw, axis=0)])
case("unwrap_matrix_rows", "unwrap_dim", [mw, 2.0], [np.unwrap(mw, axis=1)])
holed = wrapped.copy()
holed[[0, 7, 8, 39]] = np.nan
finite = ~np.isnan(holed)
expect = holed.copy()
expect[finite] = np.unwrap(holed[finite])
case("unwrap_nan_passed_over", "unwrap", [row(holed)], [row(expect)])

# pol2cart.
th, rh = rng.uniform(-4, 4, (2, 3)), rng.uniform(0, 3, (2, 3))
case("pol2cart_x", "pol2cart_x", [th, rh], [rh * np.cos(th)])
case("pol2cart_y", "pol2cart_y", [th, rh], [rh * np.sin(th)])
case("pol2cart_scalar_rho", "pol2cart_y", [row(th[0]), 2.0], [row(2.0 * np.sin(th[0]))])

# Element-wise functions of one argument, real and complex.
xr = np.array([-2.5, -1.0, -0.0, 0.0, 0.3, 1.0, 2.5, 7.0])
xc = cplx(6)
unary = {
    "abs": np.abs, "cos": np.cos, "sin": np.sin, "tan": np.tan, "sinh": np.sinh,
    "cosh": np.cosh, "asinh": np.arcsinh, "exp": np.exp, "angle": np.angle,
}
for name, f in unary.items():
    case(f"{name}_real", name, [row(xr)], [row(f(xr))])
    case(f"{name}_complex", name, [col(xc)], [col(f(xc))])
case("sqrt_negative", "sqrt", [row(xr)], [row(np.sqrt(xr.astype(complex)))])
case("sqrt_positive", "sqrt", [row(np.abs(xr))], [row(np.sqrt(np.abs(xr)))])
case("sqrt_complex", "sqrt", [col(xc)], [col(np.sqrt(xc))])
pos = np.array([0.001, 0.5, 1.0, 10.0, 12345.0])
case("log10_positive", "log10", [row(pos)], [row(np.log10(pos))])
case("log10_negative", "log10", [row(-pos)], [row(np.log10((-pos).astype(complex)))])
case("log10_complex", "log10", [col(xc)], [col(np.log10(xc))])
case("log2_positive", "log2", [row(pos)], [row(np.log2(pos))])
case("log2_negative", "log2", [row(-pos)], [row(np.log2((-pos).astype(complex)))])
case("pow2_real", "pow2", [row(xr)], [row(np.exp2(xr))])

# Reductions.
mm = rng.standard_normal((4, 3))
case("sum_matrix", "sum", [mm], [row(mm.sum(axis=0))])
case("sum_row", "sum", [row(mm[0])], [np.array(mm[0].sum())])
case("sum_complex_column", "sum", [col(xc)], [np.array(xc.sum())])
case("sum_dim2", "sum_dim", [mm, 2.0], [col(mm.sum(axis=1))])
for name, fn, argf in (("max", np.nanmax, np.nanargmax), ("min", np.nanmin, np.nanargmin)):
    v = np.array([3.0, np.nan, 7.0, -1.0, 7.0, 2.0])
    case(f"{name}_row_nan", name, [row(v)], [np.array(fn(v)), np.array(argf(v) + 1.0)])
    case(f"{name}_matrix", name, [mm], [row(fn(mm, axis=0)), row(argf(mm, axis=0) + 1.0)])
    case(f"{name}_dim2", f"{name}_dim", [mm, 2.0],
         [col(fn(mm, axis=1)), col(argf(mm, axis=1) + 1.0)])

here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, "golden.txt"), "w") as out:
    out.write("\n".join(lines) + "\n")
