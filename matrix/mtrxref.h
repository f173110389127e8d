// MatrixRef: the shared, reference-counted record behind matrix values.
//
// A record holds one run-time array, the number of its holders (handles, index list
// entries, colon index values) and whether it destroys the array when it is freed (owns 1)
// or the array belongs to the run-time (owns 0: the shared uninitialized and unassigned
// arrays). Records come from the run-time's allocator (mclSafeMalloc / mclSafeFree).
#pragma once

#include "runtime/mxarray.h"

#include <cstddef>
#include <cstdint>

class MatrixRef
{
public:
    // A new record {array, count 1, owns}. Tells the run-time that the layer holds the
    // array; when the record cannot be allocated an owned array is destroyed before the
    // exception goes on.
    static MatrixRef* Create(mxArray* array, int owns);

    // How Free reports a record that still has holders: Throw raises mwLogicError
    // "Deleting matrix with nonzero reference count = %d."; Report (for destructors, which
    // must not throw) sends the same text to the assertion report. Either way such a
    // record is left alone, since its holders still use it.
    enum class OnFault
    {
        Throw,
        Report
    };
    // Frees the record: an owned array is destroyed (the count must be 0), then the storage
    // is returned. Null is ignored.
    static void Free(MatrixRef* ref, OnFault onFault);

    int AddRef(int n = 1) { return m_count += n; }
    int Release(int n = 1) { return m_count -= n; }
    int Count() const { return m_count; }
    mxArray* Array() const { return m_array; }
    int Owns() const { return m_owns; }

    // Hands the array to the caller: the record keeps neither the array nor holders and
    // can then be freed without destroying anything.
    mxArray* GiveAway();

    // The record allocator: checks that size is the record's size ("size ==
    // sizeof(MatrixRef)").
    static void* Allocate(std::size_t size);

private:
    MatrixRef(mxArray* array, int owns) : m_array(array), m_count(1), m_owns(owns) {}

    mxArray* m_array;
    std::int32_t m_count;
    int m_owns;
};
