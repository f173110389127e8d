// mwSlots: a list of up to 10 trivially copyable items kept inside the object, moved to
// storage from the run-time's allocator when it outgrows them. The storage scheme of index
// lists, output lists and the temporary arrays of run-time array handles.
//
// Growing to n takes place only when n exceeds the capacity (0 asks for double the
// capacity): new storage of exactly n items, the old capacity's items copied, the old
// storage freed unless it was the inline room. There is no shrinking.
#pragma once

#include "runtime/memory.h"

#include <cstring>
#include <type_traits>

template <class T> class mwSlots
{
    static_assert(std::is_trivially_copyable_v<T>);

public:
    static constexpr int kInline = 10;

    mwSlots() = default;
    // Room for exactly n items when n exceeds the inline room.
    explicit mwSlots(int n)
    {
        if (n > 0)
            Grow(n);
    }
    mwSlots(const mwSlots&) = delete;
    mwSlots& operator=(const mwSlots&) = delete;
    ~mwSlots()
    {
        if (!IsInline())
            mxFree(m_data);
    }

    void Grow(int requested)
    {
        if (requested == 0)
            requested = 2 * m_capacity;
        if (requested <= m_capacity)
            return;
        T* block = static_cast<T*>(mclMalloc(sizeof(T) * static_cast<std::size_t>(requested)));
        std::memcpy(static_cast<void*>(block), m_data, sizeof(T) * m_capacity);
        if (!IsInline())
            mxFree(m_data);
        m_data = block;
        m_capacity = requested;
    }

    void Append(const T& item)
    {
        if (m_count >= m_capacity)
            Grow(0);
        m_data[m_count++] = item;
    }

    int Count() const { return m_count; }
    void SetCount(int n) { m_count = n; }
    int Capacity() const { return m_capacity; }
    bool IsInline() const { return m_data == m_inline; }
    T* Data() { return m_data; }
    const T* Data() const { return m_data; }
    T& operator[](int i) { return m_data[i]; }
    const T& operator[](int i) const { return m_data[i]; }

private:
    int m_count = 0;
    int m_capacity = kInline;
    T* m_data = m_inline;
    T m_inline[kInline] = {};
};
