// Reading the golden files kept beside the tests.
#pragma once

#include "../support/TestFiles.h"

#include <string>
#include <vector>

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
