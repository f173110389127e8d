// The run-time array: the one data type of the math run-time.
//
// An array has a class, a list of at least two dimensions (column-major element order)
// and up to two data blocks:
//   - double arrays keep real and imaginary parts in separate blocks of doubles; a
//     logical array is a real double array carrying the logical flag, so that it
//     converts to a C number like any other double array;
//   - char arrays keep 2-byte characters (mxChar) in the real block;
//   - cell arrays (and comma lists, which are cells with the comma-list flag) keep one
//     owned mxArray* per element in the real block; a null element is an empty matrix.
// Class -1 marks an uninitialized array. Two shared arrays, the uninitialized and the
// unassigned one, exist once per process and are never destroyed.
//
// Ownership: every function that returns a new mxArray* hands it to the caller, who frees
// it with mxDestroyArray. Blocks come from mclMalloc/mclCalloc; a block passed to
// mclSetPr/mclSetPi belongs to the array from then on.
//
// Errors: a failing call does not return. It reports its text through the error handler
// installed with mclSetCppErrorHandler, which throws (see handlers.h).
#pragma once

#include <cstddef>
#include <cstdint>

enum mxClassID : int
{
    mxUNINITIALIZED_CLASS = -1,
    mxUNKNOWN_CLASS = 0,
    mxCELL_CLASS = 1,
    mxCHAR_CLASS = 4,
    mxDOUBLE_CLASS = 6,
};

enum mxComplexity : int
{
    mxREAL = 0,
    mxCOMPLEX = 1,
};

using mxChar = std::uint16_t;

struct mxArray_tag;
using mxArray = mxArray_tag;

// Creation
mxArray* mclCreateNumericArray(int ndim, const int* dims, mxClassID classID,
                               mxComplexity complexity);
mxArray* mclCreateDoubleMatrix(int m, int n, mxComplexity complexity);
mxArray* mclCreateString(const char* text); // null is the empty text; a 1-by-n char row
mxArray* mclCreateCharMatrix(int m, int n); // zero-filled characters
mxArray* mclCreateCellMatrix(int m, int n); // every cell null
mxArray* mlfScalar(double v);
mxArray* mlfComplexScalar(double re, double im);
mxArray* mclCreateLogicalScalar(bool v);

// The shared marker arrays: the same pointer on every call; never destroyed.
mxArray* mclGetUninitializedArray();
mxArray* mclGetUnassignedArray();

// Lifetime. mxDestroyArray ignores null and the two shared arrays.
void mxDestroyArray(mxArray* a);
mxArray* mclDuplicateArray(const mxArray* a); // deep copy; null gives null
// Arrays never share data blocks here, so unsharing has nothing to do; the call is kept
// for the copy-on-write protocol of the matrix layer.
void mclUnshareArray(mxArray* a, int levels);
// Tells the run-time that the C++ layer holds the array; returns 1.
int mclCppOwnsArray(mxArray* a);

// Queries
mxClassID mxGetClassID(const mxArray* a);
int mxGetM(const mxArray* a);
int mxGetN(const mxArray* a); // product of every dimension after the first
int mxGetNumberOfDimensions(const mxArray* a);
const int* mxGetDimensions(const mxArray* a);
int mxGetNumberOfElements(const mxArray* a);
int mxGetElementSize(const mxArray* a); // 8 double, 2 char, sizeof(mxArray*) cell
bool mxIsComplex(const mxArray* a);
bool mxIsLogical(const mxArray* a);
bool mxIsChar(const mxArray* a);
bool mxIsCell(const mxArray* a);
bool mxIsDouble(const mxArray* a);
bool mxIsEmpty(const mxArray* a);

// Shape and data
void mxSetM(mxArray* a, int m); // the array becomes m-by-N
void mxSetN(mxArray* a, int n); // the array becomes M-by-n
void mclSetDimensions(mxArray* a, int ndim, const int* dims); // trailing 1s beyond 2 dropped
void mclSetLogical(mxArray* a, bool logical);
double* mclGetPr(const mxArray* a); // real block of a double array, else null
double* mclGetPi(const mxArray* a); // imaginary block, null for a real array
void mclSetPr(mxArray* a, double* block); // frees the old block
void mclSetPi(mxArray* a, double* block); // null makes the array real
mxChar* mclGetChars(const mxArray* a);    // characters of a char array, else null

// Cells and comma lists. A comma list is a cell array flagged as the expansion of a
// list of values (the outputs of a cell subscript).
bool mclIsCommaList(const mxArray* a);
void mclSetCommaList(mxArray* a, bool isList);
mxArray* mclGetCell(const mxArray* a, int i); // 0-based; the cell keeps ownership
void mclSetCell(mxArray* a, int i, mxArray* value); // destroys the old element
mxArray** mclGetCells(const mxArray* a);            // the element pointers of a cell array

// Element text of a char array (characters above 255 become '?'); empty for other classes.
// Writes at most size-1 characters and a NUL; returns the number of characters of the array.
int mclGetString(const mxArray* a, char* out, int size);

// The number of live arrays (created and not yet destroyed, the two shared arrays not
// counted); lets tests prove that every array is destroyed exactly once.
long mclLiveArrayCount();
