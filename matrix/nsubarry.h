// mwSubMatrix: the elements of a matrix value selected by subscripts, x(i) or x(i, j),
// before anything is done with them: read (a new value or a double), assigned into (the
// source changes in place, copy on write first), or assigned several results at once.
//
// The part keeps its own copy of every subscript (so the run-time's index definition may
// refer to their arrays), owns the run-time's index definition, and refers to its source by
// address: parts are temporaries of the expression that made them and never outlive it.
#pragma once

#include "matrix/dblmtrx.h"
#include "matrix/indexlist.h"
#include "runtime/indexing.h"

#include <cstddef>

class mwSubMatrix
{
public:
    // The part of source over the list with one index level of the given kind (1 for the
    // subscript operators, 0 for SubscriptKind0).
    mwSubMatrix(mwMatrix* source, const mwIndexList& list, int kind);
    mwSubMatrix(mwMatrix* source, const char* field); // a field reference, no subscripts
    mwSubMatrix(const mwMatrix* subscripts, int n, mwMatrix* source);
    mwSubMatrix(int i, mwMatrix* source);
    mwSubMatrix(int i, int j, mwMatrix* source);
    mwSubMatrix(const mwSubMatrix& other);
    ~mwSubMatrix();

    static void* operator new(std::size_t size);
    static void operator delete(void* block);

    // Further index levels, indexing what the levels before select.
    mwSubMatrix& operator()(const mwIndexList& list);
    template <class... M>
    requires(sizeof...(M) >= 2 && sizeof...(M) <= 32 && mwMatrixArguments<M...>) mwSubMatrix&
    operator()(const M&... subscripts);
    template <class... M>
    requires(sizeof...(M) <= 31 &&
             mwMatrixArguments<M...>) mwSubMatrix& SubscriptKind0(const mwIndexList& list,
                                                                  const M&... more);
    mwSubMatrix& AddField(const char* name);

    mxArray* GetValue() const; // the selected elements as a new array the caller owns
    operator double() const;   // the value of the selection as a double
    // Assigns into the selected elements of the source (a 0-by-0 value deletes them) and
    // returns the whole updated source.
    mwMatrix operator=(const mwMatrix& value);
    mwMatrix operator=(const mwSubMatrix& other);
    // Several values into the selected elements; the arrays used are taken over.
    void MultiAssign(mxArray** values, int count);
    int NumberOfIndexedElements() const;
    // Per subscript, the number of elements it selects; returns the number of subscripts.
    int GetExtents(int* out) const;
    int GetExtent(int i) const; // 1-based; 0 beyond the last subscript

    mwMatrix* Source() const { return m_source; }
    const mwIndexList& Subscripts() const { return m_subscripts; }

private:
    void InitIndex(int kind);
    void AddLevel(const mwIndexList& list, int kind);
    // Points the definition at handle, runs the assignment, and lets the source take over
    // a handle that the run-time replaced.
    template <class Assign> void AssignThrough(Assign assign);

    mwIndexList m_subscripts;
    mclIndexDef m_definition;
    mwMatrix* m_source;
};

// Subscripts s1, s2, ... sN gathered as the subscript operators do: the one-subscript list of
// s1, then the 32-position list of it and the others.
template <class First, class... Rest>
mwIndexList mwGatherSubscripts(const First& first, const Rest&... rest)
{
    const mwIndexList list1(mwAsMatrix(first));
    return mwIndexList(list1, rest...);
}

template <class... M>
requires(sizeof...(M) >= 2 && sizeof...(M) <= 32 &&
         mwMatrixArguments<M...>) mwSubMatrix& mwSubMatrix::operator()(const M&... subscripts)
{
    AddLevel(mwGatherSubscripts(subscripts...), 1);
    return *this;
}

template <class... M>
requires(sizeof...(M) <= 31 &&
         mwMatrixArguments<M...>) mwSubMatrix& mwSubMatrix::SubscriptKind0(const mwIndexList& list,
                                                                           const M&... more)
{
    if constexpr (sizeof...(M) == 0)
        AddLevel(list, 0);
    else
        AddLevel(mwIndexList(list, more...), 0);
    return *this;
}

// The subscript family of mwMatrix (3 to 32 subscripts, and index kind 0).

template <class... S>
requires(sizeof...(S) >= 3 && sizeof...(S) <= 32 &&
         (std::convertible_to<const S&, mwMatrix> &&
          ...)) mwSubMatrix mwMatrix::operator()(const S&... subscripts)
{
    return mwSubMatrix(this, mwGatherSubscripts(subscripts...), 1);
}

template <class... S>
requires(sizeof...(S) >= 3 && sizeof...(S) <= 32 &&
         (std::convertible_to<const S&, mwMatrix> &&
          ...)) mwMatrix mwMatrix::operator()(const S&... subscripts) const
{
    return mwMatrix(mwSubMatrix(const_cast<mwMatrix*>(this), mwGatherSubscripts(subscripts...), 1));
}

template <class... M>
requires(sizeof...(M) <= 31 && (std::convertible_to<const M&, mwMatrix> && ...))
    mwSubMatrix mwMatrix::SubscriptKind0(const mwIndexList& list, const M&... more)
{
    if constexpr (sizeof...(M) == 0)
        return mwSubMatrix(this, list, 0);
    else
        return mwSubMatrix(this, mwIndexList(list, more...), 0);
}

template <class... M>
requires(sizeof...(M) <= 31 && (std::convertible_to<const M&, mwMatrix> &&
                                ...)) mwMatrix mwMatrix::SubscriptKind0(const mwIndexList& list,
                                                                        const M&... more)
const
{
    return mwMatrix(const_cast<mwMatrix*>(this)->SubscriptKind0(list, more...));
}
