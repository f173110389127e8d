// mwIndexList: the ordered subscripts of one indexing step, or the arguments of a run-time
// call that takes a variable number of matrices.
//
// Each entry is the shared record of one subscript value and holds one reference to it, so
// the subscripts live as long as the list. Up to 10 entries sit inside the list; more move
// to storage from the run-time's allocator, doubling as the list grows. A copy holds the
// same entries (one more reference each) in storage of exactly its count when that exceeds
// the inline room.
//
// Subscript rule (AppendSubscript): the not-supplied marker appends nothing; a comma list
// appends one new value per element; any other value is refused when it is the unassigned
// marker (the run-time's error) and appended otherwise.
#pragma once

#include "matrix/dblmtrx.h"
#include "matrix/slots.h"

#include <concepts>
#include <type_traits>

class mwSubMatrix;
class mwColonIndex;

// A matrix argument as a matrix value: the value itself, or a temporary converted from it.
template <class M> decltype(auto) mwAsMatrix(const M& m)
{
    if constexpr (std::is_same_v<M, mwMatrix>)
        return (m);
    else
        return mwMatrix(m);
}

template <class... M>
concept mwMatrixArguments = (std::convertible_to<const M&, mwMatrix> && ...);

class mwIndexList
{
public:
    mwIndexList() = default;
    // One new value that only the list holds.
    mwIndexList(double v);
    mwIndexList(int v);
    mwIndexList(const char* text);
    // One subscript by the subscript rule (a not-supplied matrix gives an empty list).
    mwIndexList(const mwMatrix& m);
    mwIndexList(const mwSubMatrix& part); // the part's value
    mwIndexList(const mwColonIndex& index);
    // A copy of first, then each further subscript by the subscript rule, stopping at the
    // first not-supplied one (later ones are never looked at); up to 32 positions in all.
    template <class... M>
    requires(sizeof...(M) >= 1 && sizeof...(M) <= 31 && mwMatrixArguments<M...>)
        mwIndexList(const mwIndexList& first, const M&... rest)
        : mwIndexList(first)
    {
        static_cast<void>((AppendSubscript(mwAsMatrix(rest)) && ...));
    }
    mwIndexList(const mwIndexList& other);
    mwIndexList& operator=(const mwIndexList&) = delete;
    ~mwIndexList();

    void Append(MatrixRef* ref);            // one more reference to ref, stored at the end
    int AppendSubscript(const mwMatrix& m); // 0 when m is not supplied, else 1
    void AppendAll(const mwIndexList& other);

    int Count() const { return m_entries.Count(); }
    int Capacity() const { return m_entries.Capacity(); }
    bool UsesInlineStorage() const { return m_entries.IsInline(); }
    MatrixRef* Entry(int i) const { return m_entries[i]; } // no bound check
    int NumberOfElements(int i) const;                     // -1 at or beyond the count
    void GetArrays(mxArray** out) const;                   // Count() arrays
    mwMatrix ToCell() const; // a 1-by-Count cell array of the subscripts (0-by-0 when empty)

private:
    void AppendOwned(const mwMatrix& value);

    mwSlots<MatrixRef*> m_entries;
};
