// A fresh folder under the system's temporary folder, removed with everything in it when
// the test ends; file helpers for reading back what the code under test wrote.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/TestFiles.h"

class TempFolder
{
public:
    TempFolder()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "morvane-doc-XXXXXX").string();
        m_Path = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_Path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path(const std::string& name) const { return m_Path + "/" + name; }
    const std::string& Root() const { return m_Path; }

private:
    std::string m_Path;
};

inline void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}
