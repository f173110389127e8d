// Element-wise library functions of one array, their predicates and the transposes.
//
// Argument-array convention (mlx): outputs preset to null are set to new arrays the caller
// owns; a wrong argument count raises the language's error. The explicit forms (mlf) take
// the argument (null: not supplied) and return a new array.
//
// Numeric results are double arrays of the argument's shape; characters count as their
// codes. sqrt, log10 and log2 of a negative real give complex results; a result whose
// imaginary parts are all zero is real. Predicates give logical arrays.
#pragma once

#include "runtime/mxarray.h"

// Functions of one array (complex where the argument or the domain calls for it).
void mlxAbs(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxAngle(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxAsinh(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxCeil(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxCos(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxCosh(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxExp(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxFix(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxFloor(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxImag(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxLog10(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxLog2(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxReal(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxRound(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxSign(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxSin(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxSinh(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxSqrt(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxTan(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
mxArray* mlfAbs(mxArray* x);
mxArray* mlfAngle(mxArray* x);
mxArray* mlfLog10(mxArray* x);
mxArray* mlfSqrt(mxArray* x);

// pow2(x) is 2.^x; pow2(f, e) is f .* 2.^e (real parts, a 1-by-1 operand pairs with all).
void mlxPow2(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);

// Logical predicates: isfinite (finite is the same function), isinf, isnan look at both
// parts of complex values; ischar gives 1-by-1.
void mlxFinite(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxIsfinite(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxIsinf(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxIsnan(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxIschar(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);

// logical(x): 1 where x is nonzero; NaN and complex values raise.
void mlxLogical(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
// strcmp(a, b): logical 1-by-1, 1 when both are char arrays of the same shape and text.
void mlxStrcmp(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);

// Transposes of a two-dimensional array of any class; ctranspose also conjugates.
void mlxTranspose(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxCtranspose(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
