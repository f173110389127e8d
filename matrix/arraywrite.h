// Text output of matrix values: the matrix output operator over mwMatrix::Print.
//
// Numeric pages are rows inside square brackets with a common power-of-ten scale, fixed
// columns and wrapping before column 75; text appears quoted; arrays of more than two
// dimensions page by page; cells through the run-time's display. Printing never fails on
// valid data: an element wider than its column widens the field.
#pragma once

#include "matrix/dblmtrx.h"

#include <ostream>

std::ostream& operator<<(std::ostream& out, const mwMatrix& m);

// Writes text to the stream that mwMatrix::Print has set while the run-time prints a cell
// array; installed as the print handler only for that time.
void mwStreamPrintHandler(const char* text);
