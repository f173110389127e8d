// The indexing engine: reading, assigning and deleting the elements that subscripts
// select, x(i, j) and c{i}, over any number of index levels.
//
// An index definition is a record that the caller holds and the run-time fills: levels of
// subscripts added in order (mclAddIndex), each level indexing the value that the levels
// before it select. The definition refers to the subscript arrays without owning them; the
// caller keeps them alive while the definition is used. The caller sets the target field to
// the address of an array handle before an assignment or an element count.
//
// Subscripts: a positive integer array (values 1-based), a logical mask, or the bare ':'
// (colon.h). One subscript indexes the elements in column-major order; several index the
// dimensions, the last one covering all remaining dimensions.
#pragma once

#include "runtime/mxarray.h"

// Index kinds of a level.
enum : int
{
    mclBRACE_INDEX = 0, // c{...}: the contents of cells
    mclPAREN_INDEX = 1, // x(...): the elements themselves
};

struct mclIndexDef
{
    void* levels = nullptr;     // the run-time's level list
    mxArray** target = nullptr; // the array handle an assignment or a count works on
};

void mclInitIndex(mclIndexDef* def);
void mclAddIndex(mclIndexDef* def, int kind, int count, mxArray* const* subscripts);
// Adds a field reference after the last level. Field references raise "Attempt to reference
// field of non-structure array." when used, as no array here has fields.
void mclAddFieldToLastIndex(mclIndexDef* def, const char* field);
// dst need not be initialized; it receives its own copy of src's levels.
void mclCopyIndexDef(mclIndexDef* dst, const mclIndexDef* src);
void mclDestroyIndexDef(mclIndexDef* def, int unused);

// The selected elements as a new array. Several cells selected by a brace level give a
// comma list; one cell gives a copy of its contents.
mxArray* mclComplexRef(const mxArray* a, const mclIndexDef* def);

// Assigns value into the selected elements of *def->target. A null value deletes them (for
// a parenthesis level; a brace level stores an empty matrix). Assignment past the end grows
// the array (zero, zero-character or empty-cell filled). When the array must be replaced,
// *def->target is set to a new array and the old one is left to its owner; otherwise it is
// changed in place. A shared marker array is never changed in place. The flag is unused.
void mclComplexAssign(mclIndexDef* def, const mxArray* value, int flag);

// Assigns count values, one per selected element, in order: cells receive the arrays, other
// arrays their 1-by-1 values. The arrays used are taken over (their slots set to null);
// fewer values than selected elements raise "Too many output arguments.".
void mclMultiAssign(mclIndexDef* def, mxArray** values, int count);

// The number of elements the last level selects in the value *def->target.
int mclGetNumberOfIndexedElements(const mclIndexDef* def);

// size(x) and size(x, dim): one output gives the row of extents (or the one extent); several
// outputs give one extent each, the last the product of the remaining ones.
void mlxSize(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
// end(x, k, n): the last index along dimension k of x subscripted with n subscripts.
void mlxEnd(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
