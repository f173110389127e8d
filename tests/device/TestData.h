// The bytes of a file of the device tests' data folder (empty when it is missing).
#pragma once

#include <fstream>
#include <sstream>
#include <string>

inline std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::string ReadFile(const std::string& name)
{
    return ReadFileBytes(std::string(MORVANE_TEST_DATA_DIR) + "/" + name);
}
