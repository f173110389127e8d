// A list of coefficient vectors, one per filter, collected from the filter lists for the
// composite response, the coefficient file and the device data. Elements are matrix
// values that share their data with the filter they came from; the list owns its
// elements and frees them when it is emptied or destroyed.
#pragma once

#include "matrix/dblmtrx.h"

#include <vector>

class CMatrixPtrArray
{
public:
    int GetSize() const { return int(m_Elements.size()); }
    bool IsEmpty() const { return m_Elements.empty(); }
    // i from 0 to GetSize() - 1.
    const mwMatrix& GetAt(int i) const { return m_Elements.at(std::size_t(i)); }
    mwMatrix& GetAt(int i) { return m_Elements.at(std::size_t(i)); }
    void Add(const mwMatrix& value) { m_Elements.push_back(value); }
    bool RemoveAll()
    {
        m_Elements.clear();
        return true;
    }

private:
    std::vector<mwMatrix> m_Elements;
};
