// Display of an array in the matrix language's style, through the print handler.
#pragma once

#include "runtime/mxarray.h"

// Prints "name =", a blank line, the array and a blank line (without a name: the array
// only), all in one call of the print handler.
void mclPrintArray(const mxArray* a, const char* name);
