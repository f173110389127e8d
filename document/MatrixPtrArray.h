// A list of matrix values handed between the document, the calculation and the views:
// per-filter responses for the views, coefficient rows for the coefficient file. Matrix
// values share their data by reference count, so the list owns its entries simply by
// holding them.
//
// The filter model brings the same class (filters/MatrixPtrArray.h); this one stands in
// for it until the document is built on the filter model, and then goes.
#pragma once

#include "matrix/dblmtrx.h"

#include <vector>

class CMatrixPtrArray
{
public:
    int GetSize() const { return int(m_Items.size()); }
    bool IsEmpty() const { return m_Items.empty(); }
    void Add(const mwMatrix& value) { m_Items.push_back(value); }
    // i from 0 to GetSize() - 1.
    const mwMatrix& GetAt(int i) const { return m_Items.at(std::size_t(i)); }
    mwMatrix& GetAt(int i) { return m_Items.at(std::size_t(i)); }

    // Empties the list. Always TRUE.
    bool RemoveAll()
    {
        m_Items.clear();
        return true;
    }

private:
    std::vector<mwMatrix> m_Items;
};
