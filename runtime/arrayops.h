// Construction, joining and reductions of arrays.
//
// Argument-array convention (mlx): outputs preset to null are set to new arrays that the
// caller owns; a wrong argument count raises the language's error.
#pragma once

#include "runtime/mxarray.h"

// zeros and ones: no argument 1-by-1; one number n: n-by-n; a size row [r c ...] or
// several numbers: those extents. Counts of 0 or less give empty arrays.
void mlxZeros(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxOnes(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);

// The arguments joined side by side (horzcat) or stacked (vertcat), in argument order.
// Empty arguments are skipped; a char argument makes the result char, a complex one
// complex; cells join only with cells.
void mlxHorzcat(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxVertcat(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);

// sum(x, dim) and any(x, dim): along dim, by default the first dimension that is not 1.
// The 0-by-0 array sums to 0 and any of it is 0. any ignores NaN.
void mlxSum(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxAny(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);

// Largest (smallest) elements along dim (null: the first dimension that is not 1). NaN is
// passed over unless a whole slice is NaN; complex values compare by magnitude, then by
// angle. index (null: not wanted) receives the 1-based position of the FIRST extreme
// element of each slice.
mxArray* mclMaxOfArray(mxArray** index, const mxArray* x, const mxArray* dim);
mxArray* mclMinOfArray(mxArray** index, const mxArray* x, const mxArray* dim);

// max(a, b, dim) and min(a, b, dim) of the explicit convention: with b (not empty, or
// empty without dim) the element-wise larger (smaller) of a and b; otherwise the extremes of
// a along dim as above, with the 1-based positions into *index when index is not null.
mxArray* mlfMax(mxArray** index, const mxArray* a, const mxArray* b, const mxArray* dim);
mxArray* mlfMin(mxArray** index, const mxArray* a, const mxArray* b, const mxArray* dim);

// The element-wise products, quotients and powers in the argument-array convention.
void mlxTimes(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxRdivide(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxPower(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);

// length(x): the largest extent, 0 for an empty array.
void mlxLength(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxPi(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
