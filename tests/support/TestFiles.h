// Whole files as bytes, for comparing written files with the golden files kept beside
// the tests (MORVANE_TEST_DATA_DIR).
#pragma once

#include <fstream>
#include <sstream>
#include <string>

inline std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline std::string GoldenText(const char* name)
{
    return ReadFileBytes(std::string(MORVANE_TEST_DATA_DIR) + "/" + name);
}
