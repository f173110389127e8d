// The order in which collected filters go to a device: one record per collected filter,
// holding its position in the collection lists and the output order the user gave it.
#pragma once

#include <memory>
#include <vector>

class COutputOrder
{
public:
    virtual ~COutputOrder() = default;
    int m_nIndex = 0; // position of the filter in the collection lists
    int m_nOrder = 0; // the filter's output order number
};

class COutputOrderArray
{
public:
    // Appends a record; returns its position.
    int Add(int nIndex, int nOrder);
    // Selection sort by ascending order: position i takes the first record of positions
    // i ... size-1 with the smallest order, exchanged with the record at i. Equal orders
    // therefore do not keep their collection order (1, 1, 0 collected as a, b, c gives
    // c, b, a), which is the order devices have always received. Always true.
    bool Sort();
    int GetSize() const { return int(m_Records.size()); }
    const COutputOrder& GetAt(int i) const { return *m_Records.at(std::size_t(i)); }
    void RemoveAll() { m_Records.clear(); }

private:
    std::vector<std::unique_ptr<COutputOrder>> m_Records;
};
