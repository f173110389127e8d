// Display of arrays as text: the layout of numeric pages (rows in square brackets, a common
// power-of-ten scale, fixed columns wrapped before column 75), quoted character matrices,
// arrays of more than two dimensions page by page, and cell arrays as summaries.
#pragma once

#include "runtime/mxarray.h"

#include <string>

// The text of a whole array at a precision of p significant digits (p >= 1). An empty
// array gives "[]" (two quote characters for text) without a line end; a class -1 array
// gives nothing. Never fails on valid data: an element wider than its column widens the
// field.
std::string mclFormatArray(const mxArray* a, int precision);

// The text of one two-dimensional page (the first page of an N-d array).
std::string mclFormatPage(const mxArray* page, int precision);

// Writes the array through the print handler in one call: "name =" and a blank line (only
// with a name that is not empty), the array, and a blank line after it.
void mclPrintArray(const mxArray* a, const char* name);

// disp(x): the value without a name; a char row as its text and a line end; an empty value
// prints nothing.
void mlxDisp(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
