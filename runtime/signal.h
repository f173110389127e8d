// Signal and polynomial functions of the library.
//
// Explicit forms (mlf) take their arguments in the language's order, an omitted one as
// null, further outputs first as mxArray** (null: not wanted), and return a new array the
// caller owns. Complex values are carried through wherever the function is defined for
// them.
#pragma once

#include "runtime/mxarray.h"

// fft(x, n, dim): the discrete Fourier transform along dim (by default the first dimension
// that is not 1), of any length; n pads with zeros or truncates. The result is complex.
void mlxFft(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);

// conv(a, b): the full convolution of two vectors, length(a) + length(b) - 1 values, shaped
// like a when a is the longer one, else like b. Non-vectors raise.
mxArray* mlfConv(mxArray* a, mxArray* b);

// interp1q(x, y, xi): y (a column, or one column per series) linearly interpolated at xi
// over the ascending x; NaN where xi lies outside x(1)..x(end) or is NaN. The result has
// one row per element of xi and takes the shape of xi when there is one series.
mxArray* mlfInterp1q(mxArray* x, mxArray* y, mxArray* xi);

// logspace(a, b, n): a row of n (default 50) values from 10^a to 10^b with evenly spaced
// base-10 logarithms, both ends included; b equal to pi means the end pi itself.
mxArray* mlfLogspace(mxArray* a, mxArray* b, mxArray* n);

// polyval(p, x): p(1)*x^(L-1) + ... + p(L) at every element of x, in the shape of x. The
// error estimate delta (nargout above 1) needs the structure s of a fit, which this
// run-time cannot hold: asking for it raises.
mxArray* mlfNPolyval(int nargout, mxArray** delta, mxArray* p, mxArray* x, mxArray* s);

// unwrap(p, tol, dim): phase angles in radians along dim with jumps of more than tol
// (default pi) corrected by multiples of 2*pi. NaN and infinite entries are kept as they
// are and do not disturb the entries after them.
mxArray* mlfUnwrap(mxArray* p, mxArray* tol, mxArray* dim);

// pol2cart(theta, rho, z): x = rho .* cos(theta) as the result, y = rho .* sin(theta) into
// *y and a copy of z into *zOut; a 1-by-1 operand pairs with every element.
mxArray* mlfPol2cart(mxArray** y, mxArray** zOut, mxArray* theta, mxArray* rho, mxArray* z);
