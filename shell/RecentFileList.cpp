#include "shell/RecentFileList.h"

#include "document/MorvaneSettings.h"

#include <algorithm>

namespace
{
std::string SlotKey(int index)
{
    return "File" + std::to_string(index + 1);
}
} // namespace

void CRecentFileList::Add(const std::string& path)
{
    if (path.empty())
        return;
    std::erase(m_Files, path);
    m_Files.insert(m_Files.begin(), path);
    if (m_Files.size() > std::size_t(kSize))
        m_Files.resize(kSize);
}

void CRecentFileList::Remove(int index)
{
    if (index >= 0 && index < int(m_Files.size()))
        m_Files.erase(m_Files.begin() + index);
}

void CRecentFileList::ReadFrom(const ISettingsStore& store)
{
    m_Files.clear();
    for (int i = 0; i < kSize; ++i)
    {
        std::string path;
        if (store.ReadText(SlotKey(i), path) && !path.empty() &&
            std::find(m_Files.begin(), m_Files.end(), path) == m_Files.end())
            m_Files.push_back(path);
    }
}

void CRecentFileList::WriteTo(ISettingsStore& store) const
{
    for (int i = 0; i < kSize; ++i)
        store.WriteText(SlotKey(i), i < int(m_Files.size()) ? m_Files[i] : std::string());
}
