// Operators on matrix values. Each hands the operands' arrays to one run-time function and
// returns a new value owning the array that comes back. The comparisons answer by identity,
// without calling the run-time, when an operand is one of the marker arrays of
// mwNotSupplied and mwUninitialized.
#pragma once

#include "matrix/dblmtrx.h"

// Element-wise a > b (mlfGt): a logical matrix. With a marker: 0 for the same array, else 1.
mwMatrix operator>(const mwMatrix& a, const mwMatrix& b);
