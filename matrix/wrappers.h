// Function wrappers: the matrix language's library functions called on matrix values.
//
// Each wrapper hands the arrays of its arguments to the run-time function of its name and
// takes the array that comes back over as a new value (no element data is copied; a null
// output gives the empty matrix of class -1). Two conventions:
//   - argument-array (mlx): the arguments up to the first not-supplied one are passed;
//     later ones are never looked at;
//   - explicit (mlf): every argument keeps its position, a not-supplied one as null.
// Errors of the run-time arrive as exceptions of the mwException family (handler.h).
#pragma once

#include "matrix/dblmtrx.h"
#include "matrix/indexlist.h"
#include "matrix/varargout.h"
#include "runtime/arrayops.h"
#include "runtime/fileio.h"

#include <initializer_list>

class mwSubMatrix;

// A run-time function in the argument-array convention.
using mlxFunction = void (*)(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);

// Calls f with the arrays of args up to the first not-supplied one (later ones are never
// passed) and nlhs (0 or 1) outputs. With one output the result takes over the output array
// (a null output gives the empty matrix of class -1); with none an output the run-time left
// anyway is destroyed and the result is that empty matrix.
mwMatrix mwCallMlx(mlxFunction f, int nlhs, std::initializer_list<const mwMatrix*> args);
// Calls f with one output and the arrays of first (unless null) and of every list entry.
mwMatrix mwCallMlxList(mlxFunction f, const mwMatrix* first, const mwIndexList& list);

// error(message): raises the message as a matrix-language error (an exception through the
// error handler) unless it is empty or not supplied; then returns normally.
void error(const mwMatrix& message = mwNotSupplied);
void disp(const mwMatrix& x);

// lasterr(message): the run-time's last-error text before the call; a supplied message
// becomes the new one.
mwMatrix lasterr(const mwMatrix& message = mwNotSupplied);

// Element-wise functions of one matrix (argument-array convention).
mwMatrix abs(const mwMatrix& x);
mwMatrix asinh(const mwMatrix& x);
mwMatrix ceil(const mwMatrix& x);
mwMatrix cos(const mwMatrix& x);
mwMatrix cosh(const mwMatrix& x);
mwMatrix ctranspose(const mwMatrix& x);
mwMatrix exp(const mwMatrix& x);
mwMatrix finite(const mwMatrix& x);
mwMatrix fix(const mwMatrix& x);
mwMatrix floor(const mwMatrix& x);
mwMatrix imag(const mwMatrix& x);
mwMatrix ischar(const mwMatrix& x);
mwMatrix isfinite(const mwMatrix& x);
mwMatrix isinf(const mwMatrix& x);
mwMatrix isnan(const mwMatrix& x);
mwMatrix length(const mwMatrix& x);
mwMatrix log2(const mwMatrix& x);
mwMatrix logical(const mwMatrix& x);
mwMatrix real(const mwMatrix& x);
mwMatrix round(const mwMatrix& x);
mwMatrix sign(const mwMatrix& x);
mwMatrix sin(const mwMatrix& x);
mwMatrix sinh(const mwMatrix& x);
mwMatrix sqrt(const mwMatrix& x);
mwMatrix tan(const mwMatrix& x);
mwMatrix transpose(const mwMatrix& x);
mwMatrix pi();

// Up to two and three arguments (argument-array convention).
mwMatrix times(const mwMatrix& a, const mwMatrix& b = mwNotSupplied);
mwMatrix rdivide(const mwMatrix& a, const mwMatrix& b = mwNotSupplied);
mwMatrix power(const mwMatrix& a, const mwMatrix& b = mwNotSupplied);
mwMatrix pow2(const mwMatrix& a, const mwMatrix& b = mwNotSupplied);
mwMatrix strcmp(const mwMatrix& a, const mwMatrix& b = mwNotSupplied);
mwMatrix sum(const mwMatrix& x, const mwMatrix& dim = mwNotSupplied);
mwMatrix any(const mwMatrix& x, const mwMatrix& dim = mwNotSupplied);
mwMatrix colon(const mwMatrix& a = mwNotSupplied, const mwMatrix& b = mwNotSupplied,
               const mwMatrix& c = mwNotSupplied);
mwMatrix fft(const mwMatrix& x, const mwMatrix& n = mwNotSupplied,
             const mwMatrix& dim = mwNotSupplied);
mwMatrix end(const mwMatrix& x, const mwMatrix& k, const mwMatrix& n);

// Text files (fopen: the identifier, 0 or below on failure).
mwMatrix fopen(const mwMatrix& name, const mwMatrix& mode = mwNotSupplied,
               const mwMatrix& format = mwNotSupplied);
mwMatrix fclose(const mwMatrix& fid);
mwMatrix fgetl(const mwMatrix& fid);
mwMatrix fscanf(const mwMatrix& fid, const mwMatrix& format = mwNotSupplied,
                const mwMatrix& size = mwNotSupplied);

// List forms: the values of the list, then each further matrix up to the first
// not-supplied one (comma lists give each element; up to 32 in all).
template <class... M>
requires(sizeof...(M) <= 31 && mwMatrixArguments<M...>) mwIndexList
    mwGatherList(const mwIndexList& list, const M&... rest)
{
    if constexpr (sizeof...(M) == 0)
        return mwIndexList(list);
    else
        return mwIndexList(list, rest...);
}
#define MW_LIST_WRAPPER(name, function)                                                            \
    template <class... M>                                                                          \
    requires(sizeof...(M) <= 31 && mwMatrixArguments<M...>) mwMatrix name(const mwIndexList& list, \
                                                                          const M&... rest)        \
    {                                                                                              \
        return mwCallMlxList(function, nullptr, mwGatherList(list, rest...));                      \
    }
MW_LIST_WRAPPER(horzcat, mlxHorzcat)
MW_LIST_WRAPPER(vertcat, mlxVertcat)
MW_LIST_WRAPPER(ones, mlxOnes)
MW_LIST_WRAPPER(zeros, mlxZeros)
#undef MW_LIST_WRAPPER

// fprintf(first, values...): first is the file identifier or the format; nothing at all is
// passed when first is not supplied. The result is the run-time's (the byte count).
template <class... M>
requires(sizeof...(M) <= 31 && mwMatrixArguments<M...>) mwMatrix
    fprintf(const mwMatrix& first, const mwIndexList& list = mwIndexList(), const M&... rest)
{
    return mwCallMlxList(mlxFprintf, &first, mwGatherList(list, rest...));
}

// size(x) or size(x, dim) with as many outputs as the list asks for; the result is the
// first. The second form uses the default list (one output).
mwMatrix size(mwOutputList outputs, const mwMatrix& x, const mwMatrix& dim = mwNotSupplied);
mwMatrix size(const mwMatrix& x, const mwMatrix& dim = mwNotSupplied);

// Explicit convention.
mwMatrix log10(const mwMatrix& x);
mwMatrix angle(const mwMatrix& x);
mwMatrix mod(const mwMatrix& a, const mwMatrix& b);
mwMatrix lcm(const mwMatrix& a, const mwMatrix& b);
mwMatrix conv(const mwMatrix& a, const mwMatrix& b);
mwMatrix unwrap(const mwMatrix& p, const mwMatrix& tol = mwNotSupplied,
                const mwMatrix& dim = mwNotSupplied);
mwMatrix interp1q(const mwMatrix& x, const mwMatrix& y, const mwMatrix& xi);
mwMatrix logspace(const mwMatrix& a, const mwMatrix& b, const mwMatrix& n = mwNotSupplied);

// max and min: with b the element-wise larger (smaller) value, else the extremes of a along
// dim; b and dim count as absent when their array is the array of mwNotSupplied. The index
// form also hands the 1-based position of the FIRST extreme to *index (when not null).
mwMatrix max(const mwMatrix& a, const mwMatrix& b = mwNotSupplied,
             const mwMatrix& dim = mwNotSupplied);
mwMatrix min(const mwMatrix& a, const mwMatrix& b = mwNotSupplied,
             const mwMatrix& dim = mwNotSupplied);
mwMatrix max(mwMatrix* index, const mwMatrix& a, const mwMatrix& b = mwNotSupplied,
             const mwMatrix& dim = mwNotSupplied);

// [x, y] = pol2cart(theta, rho, z): x is the result, y goes to *y (when not null).
mwMatrix pol2cart(mwMatrix* y, const mwMatrix& theta, const mwMatrix& rho,
                  const mwMatrix& z = mwNotSupplied);
// polyval(p, x); the error estimate delta is asked for, and assigned to *delta when not
// null, only when nargout is above 1.
mwMatrix polyval(int nargout, mwMatrix* delta, const mwMatrix& p, const mwMatrix& x,
                 const mwMatrix& s = mwNotSupplied);
mwMatrix polyval(const mwMatrix& p, const mwMatrix& x);

// The truth of a condition: not empty and no element zero.
bool tobool(const mwMatrix& x);
// A logical 1-by-1: 1 when the array has an imaginary part.
mwMatrix iscomplex(const mwMatrix& x);

// The indexed part read as a matrix first; the part itself is left as it was.
mwMatrix abs(const mwSubMatrix& part);
mwMatrix log10(const mwSubMatrix& part);
