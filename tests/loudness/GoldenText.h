// Reading the golden files kept beside the tests.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

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

// The text as lines that keep their CR LF.
inline std::vector<std::string> GoldenLines(const char* name)
{
    const std::string text = GoldenText(name);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end + 2 - start));
    return lines;
}
