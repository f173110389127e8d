// Cell arrays and comma lists beyond the basics of mxarray.h.
#pragma once

#include "runtime/mxarray.h"

// cell(m, n) (n null: cell(m), m-by-m; m a row of extents: that shape), every cell empty.
// The third argument names a further extent or is null.
mxArray* mlfCell(const mxArray* m, const mxArray* n, const mxArray* p);

// Writes the elements of a comma list, from position start (0-based), into out: copies the
// caller owns when copy is not 0, else the list's own element pointers (null for an empty
// cell). Any other array counts as a list of itself. Returns the number written.
int mclUnpackCommaList(mxArray** out, const mxArray* list, int start, int copy);

// A new array with the value of a (arrays here never share blocks: a copy).
mxArray* mclCreateSharedCopy(const mxArray* a);

// The first data block of any array: the doubles, the characters or the cell pointers.
void* mclGetData(const mxArray* a);
