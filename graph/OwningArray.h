// An array that owns heap copies of the elements added to it and deletes them when it is
// destroyed: the label and line arrays of the plot annotations.
#pragma once

#include <memory>
#include <vector>

template <typename T> class COwningArray
{
public:
    // Appends an independent copy; always true.
    bool Add(const T& element)
    {
        m_Elements.push_back(std::make_unique<T>(element));
        return true;
    }
    T* GetAt(int i) const
    {
        return i >= 0 && std::size_t(i) < m_Elements.size() ? m_Elements[std::size_t(i)].get()
                                                            : nullptr;
    }
    int GetSize() const { return int(m_Elements.size()); }

private:
    std::vector<std::unique_ptr<T>> m_Elements;
};
