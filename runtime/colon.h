// Colon ranges and the bare ':' subscript.
#pragma once

#include "runtime/mxarray.h"

// start:stop when third is null, else first:second:third (second being the step). The
// first element of each operand counts; an empty operand, a step of 0 or a step that
// leads away from the stop gives the empty 1-by-0 row; a non-finite operand gives NaN.
// The values are start + k*step, computed from both ends so that the range is symmetric
// about its middle and its last value is the stop when the stop is reached within
// rounding.
mxArray* mlfColon(const mxArray* first, const mxArray* second, const mxArray* third);

// The argument-array form: no input gives the bare ':' subscript; two or three inputs the
// range above.
void mlxColon(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);

// The bare ':' subscript that selects a whole dimension: the 1-by-1 text ":".
mxArray* mlfCreateColonIndex();
// Not 0 when the array is the bare ':' subscript.
int mlfIsColonIndex(const mxArray* a);
