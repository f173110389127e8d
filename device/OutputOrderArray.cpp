#include "device/OutputOrderArray.h"

#include <climits>
#include <utility>

int COutputOrderArray::Add(int nIndex, int nOrder)
{
    auto record = std::make_unique<COutputOrder>();
    record->m_nIndex = nIndex;
    record->m_nOrder = nOrder;
    m_Records.push_back(std::move(record));
    return GetSize() - 1;
}

bool COutputOrderArray::Sort()
{
    const int size = GetSize();
    for (int i = 0; i + 1 < size; ++i)
    {
        // Orders of INT_MAX are never chosen as a minimum; such records stay where the
        // exchanges leave them, after every smaller order.
        int chosen = i;
        int minimum = INT_MAX;
        for (int j = i; j < size; ++j)
            if (m_Records[std::size_t(j)]->m_nOrder < minimum)
            {
                minimum = m_Records[std::size_t(j)]->m_nOrder;
                chosen = j;
            }
        std::swap(m_Records[std::size_t(i)], m_Records[std::size_t(chosen)]);
    }
    return true;
}
