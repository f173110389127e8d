// mwMatrix: the matrix value that every numerical function takes and returns.
//
// A handle on a reference-counted MatrixRef that holds one run-time array. Copies share the
// record (O(1)); the last handle frees it, and an owned array with it. Elements are
// duplicated only on write (MakeUnique) or when ReleaseData must hand out an array that
// others still hold. A handle without record ("without data") exists only after
// ReleaseData gave a sole array away, after sharing such a handle, or after the
// constructor by kind got an unknown kind; copying it throws mwLogicError.
//
// Misuse is reported by throwing the classes of mwexcept.h; run-time errors arrive through
// the layer's error handler (handler.h) as mwRuntimeError or mwBadAlloc.
#pragma once

#include "matrix/markers.h"
#include "matrix/mtrxref.h"
#include "runtime/mxarray.h"

#include <concepts>
#include <cstddef>
#include <iosfwd>

class mwIndexList;
class mwSubMatrix;

class mwMatrix
{
public:
    // Kinds of the constructor by kind.
    enum Kind
    {
        kEye = 0,
        kOnes = 1,
        kZeros = 2,
        kRand = 3,
        kRandn = 4,
        kMagic = 5
    };

    mwMatrix();                     // the empty 0-by-0 array of class -1 (uninitialized)
    mwMatrix(const char* text);     // a char row; null is the empty text
    mwMatrix(const mwMatrix& m);    // shares m's record
    mwMatrix(mxArray* a, int owns); // takes a over; null: as the default constructor
    mwMatrix(double v);
    mwMatrix(double re, double im);
    mwMatrix(int v);
    // Column-major blocks of rows*cols elements; im null makes a real matrix. copy 1 copies
    // the blocks, copy 0 hands them to the array (they must come from mclMalloc).
    mwMatrix(int rows, int cols, double* re, double* im, int copy);
    mwMatrix(int rows, int cols, const int* re, const int* im);
    mwMatrix(int rows, int cols, const unsigned short* re, const unsigned short* im);
    // Kind (above) of size rows-by-cols (magic: rows); a negative size gives the real empty
    // matrix, an unknown kind a handle without record.
    mwMatrix(int rows, int cols, int kind);
    // As (a, owns); keep not 0 adds one reference that is never dropped (the markers).
    mwMatrix(mxArray* a, int owns, int keep);
    explicit mwMatrix(MatrixRef* ref); // shares ref (index lists, colon index values)
    mwMatrix(const mwSubMatrix& part); // the indexed elements as a new value
    ~mwMatrix();

    // Heap handles come from the run-time's allocator.
    static void* operator new(std::size_t size);
    static void operator delete(void* block);

    // Assignment family.
    mwMatrix& Share(const mwMatrix& source); // handle assignment
    mwMatrix& Assign(const mwMatrix& source) { return Share(source); }
    // The matrix-language assignment: refuses the unassigned marker (run-time error) and a
    // comma list ("Illegal right hand side in assignment. Too many elements."), warns
    // "Reference to uninitialized variable" for an uninitialized source and assigns it.
    mwMatrix& operator=(const mwMatrix& source);
    // Not supplied: nothing; initialized: shared; anything else: the real empty matrix.
    mwMatrix& AssignOutput(const mwMatrix& source);
    // Initialized sources only: shared, then a comma list is reduced to its last element.
    mwMatrix& AssignCell(const mwMatrix& source);
    // As AssignCell, printing the value as "ans" in between.
    mwMatrix& AssignAndDisplay(const mwMatrix& source);

    // Copy on write: gives this handle its own array before elements change in place.
    void MakeUnique();
    // An array the caller owns: a sole record gives its array away (the handle is left
    // without record), a shared one hands out a duplicate. Null without record.
    mxArray* ReleaseData();

    // Queries.
    mxArray* GetData() const { return m_ref ? m_ref->Array() : nullptr; }
    MatrixRef* GetRef() const { return m_ref; }
    bool IsInitialized() const;
    int Size(int dim) const; // extent along the 1-based dimension dim
    int NumberOfDimensions() const;
    int NumberOfElements() const;
    bool IsEmpty() const; // every extent 0 (a 0-by-3 matrix is not empty by this test)
    // Writes n extents to out (the last written one multiplied by every further extent, 1s
    // after the last dimension); returns the number of dimensions.
    int GetDimensions(int* out, int n) const;
    int MatchesValue(double v, int all) const;
    void PrintArray(const char* name) const;
    // Writes the value as text at the stream's precision (arraywrite.cpp); an unassigned
    // value raises, a value without data or class prints nothing.
    void Print(std::ostream& out) const;
    void Print2D(std::ostream& out) const; // one two-dimensional page

    // Indexing (nsubarry.h). The part forms return an assignable part of this matrix; the
    // read forms a new value holding the selected elements.
    mwSubMatrix operator()(const mwIndexList& list);
    mwMatrix operator()(const mwIndexList& list) const;
    mwSubMatrix operator()(const mwMatrix& row, const mwMatrix& column);
    template <class... S>
    requires(sizeof...(S) >= 3 && sizeof...(S) <= 32 &&
             (std::convertible_to<const S&, mwMatrix> && ...)) mwSubMatrix
    operator()(const S&... subscripts);
    template <class... S>
    requires(sizeof...(S) >= 3 && sizeof...(S) <= 32 &&
             (std::convertible_to<const S&, mwMatrix> && ...)) mwMatrix
    operator()(const S&... subscripts) const;
    // One index level of kind 0 over list and the further subscripts up to the first
    // not-supplied one.
    template <class... M>
    requires(sizeof...(M) <= 31 && (std::convertible_to<const M&, mwMatrix> && ...)) mwSubMatrix
        SubscriptKind0(const mwIndexList& list, const M&... more);
    template <class... M>
    requires(sizeof...(M) <= 31 && (std::convertible_to<const M&, mwMatrix> && ...)) mwMatrix
        SubscriptKind0(const mwIndexList& list, const M&... more)
    const;

    // Markers.
    bool IsNotSupplied() const;
    bool IsUnassigned() const;
    void SetNotSupplied();
    void SetUnassigned();
    void SetUninitialized();

    // Conversions to C numbers. Element numbers start at mwIndexBase (1).
    operator double() const; // 1-by-1 real (imaginary parts up to eps are ignored)
    double RealElement(int i) const;
    double Element(double* imag, int i) const;
    void CopyIntTo(int* out) const; // truncated toward zero (clamped to the int range)
    void CopyRealTo(double* out) const;
    void CopyComplexTo(double* re, double* im) const;
    void MakeComplex(); // attaches zero imaginary parts to a real double matrix
    mwMatrix* Clone(int withReal, int withImag) const;

private:
    void Attach(mxArray* a, int owns);
    void Drop(MatrixRef::OnFault onFault);
    void UnpackCommaList();

    MatrixRef* m_ref;
};

// warning(message): the run-time's warning; an unsupplied message asks for the state only.
mwMatrix warning(const mwMatrix& message = mwNotSupplied);
mwMatrix eps();
mwMatrix empty(); // the 0-by-0 real double matrix
