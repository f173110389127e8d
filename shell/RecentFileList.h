// The recent-file list of the File menu: the last files opened, newest first, at most
// kSize, kept in the profile section "Recent File List" as "File1" ... "File4".
#pragma once

#include <string>
#include <vector>

class ISettingsStore;

class CRecentFileList
{
public:
    static constexpr int kSize = 4;
    static constexpr const char* kSection = "Recent File List";

    // Puts path first; an entry of the same path moves up instead of appearing twice.
    void Add(const std::string& path);
    void Remove(int index);
    const std::vector<std::string>& Files() const { return m_Files; }

    void ReadFrom(const ISettingsStore& store);
    // Writes every slot; an empty slot is written empty.
    void WriteTo(ISettingsStore& store) const;

private:
    std::vector<std::string> m_Files;
};
