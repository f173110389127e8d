// Owning arrays of loudness records, in the order they were added. Removing an element
// deletes it; so does destroying the array.
#pragma once

#include "loudness/LoudnessGainOffset.h"
#include "loudness/LoudnessInfo.h"

#include <memory>
#include <string>
#include <vector>

template <class T> class COwningRecordArray
{
public:
    int GetSize() const { return int(m_Records.size()); }
    T* GetAt(int i) const { return m_Records[std::size_t(i)].get(); }
    T* Add(std::unique_ptr<T> record)
    {
        m_Records.push_back(std::move(record));
        return m_Records.back().get();
    }
    // The first record with exactly this name, or null.
    T* Find(const std::string& name) const
    {
        for (const auto& r : m_Records)
            if (r->m_strName == name)
                return r.get();
        return nullptr;
    }
    // Deletes the first record with exactly this name; false when none has it.
    bool Remove(const std::string& name)
    {
        for (auto it = m_Records.begin(); it != m_Records.end(); ++it)
            if ((*it)->m_strName == name)
            {
                m_Records.erase(it);
                return true;
            }
        return false;
    }
    void RemoveAll() { m_Records.clear(); }

private:
    std::vector<std::unique_ptr<T>> m_Records;
};

using CLoudnessInfoArray = COwningRecordArray<CLoudnessInfo>;
using CLoudnessGainOffsetArray = COwningRecordArray<CLoudnessGainOffset>;
