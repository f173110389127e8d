// Relational operators of the matrix language.
//
// Explicit calling convention: both operands are arrays (double, logical or char), the
// result is a new logical double array that the caller owns. Operands of equal shape are
// compared element by element; a 1-by-1 operand is compared with every element of the
// other (the result takes the other's shape, an empty one included). Only real parts are
// compared. Other shapes raise "Matrix dimensions must agree."; cells raise an error.
#pragma once

#include "runtime/mxarray.h"

mxArray* mlfGt(const mxArray* a, const mxArray* b); // a > b
