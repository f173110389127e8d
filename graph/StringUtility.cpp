#include "graph/StringUtility.h"

#include "graph/Assert.h"
#include "graph/CFormat.h"

#include <cstring>
#include <utility>

namespace
{
struct CToken
{
    std::size_t first;
    std::size_t last;
};

// The number tokens of a line, at most maxCount of them.
std::vector<CToken> FindNumberTokens(const std::string& line, std::size_t maxCount)
{
    std::vector<CToken> tokens;
    bool inNumber = false;
    bool inBlank = false;
    for (std::size_t i = 0; i < line.size(); ++i)
    {
        const char c = line[i];
        bool starts = false;
        if (i == 0)
        {
            inBlank = IsBlankChar(c);
            starts = !inBlank && IsNumberChar(c);
        }
        else if (inNumber && IsBlankChar(c))
        {
            tokens.back().last = i - 1;
            inNumber = false;
            inBlank = true;
            if (tokens.size() == maxCount)
                return tokens;
        }
        else if (inBlank && IsNumberChar(c))
        {
            starts = true;
            inBlank = false;
        }
        if (starts)
        {
            tokens.push_back({i, line.size() - 1});
            inNumber = true;
        }
    }
    return tokens;
}
} // namespace

std::string LeftOfSubstring(const std::string& text, const std::string& part)
{
    const auto pos = text.find(part);
    return pos == std::string::npos ? text : text.substr(0, pos);
}

std::string RightOfSubstring(const std::string& text, const std::string& part)
{
    const auto pos = text.find(part);
    return pos == std::string::npos ? text : text.substr(pos + part.size());
}

std::string LeftOfLastChar(const std::string& text, char c)
{
    const auto pos = text.rfind(c);
    return pos == std::string::npos ? std::string() : text.substr(0, pos);
}

std::string RightOfLastChar(const std::string& text, char c)
{
    const auto pos = text.rfind(c);
    return pos == std::string::npos ? std::string() : text.substr(pos + 1);
}

bool IsNumeric(const std::string& text)
{
    return text.find_first_not_of("0123456789.+-eE \t\n") == std::string::npos;
}

bool IsBlankChar(char c)
{
    return c == ' ' || c == '\t';
}

bool IsNumberChar(char c)
{
    return c != '\0' && std::strchr("0123456789.+-eE", c) != nullptr;
}

int CountNumbersInLine(const std::string& line)
{
    return int(FindNumberTokens(line, std::string::npos).size());
}

bool ParseNumbersInLine(int n, double* values, const std::string& line)
{
    if (n < 1 || !values || line.empty())
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    const std::vector<CToken> tokens = FindNumberTokens(line, std::size_t(n));
    if (!MORVANE_CHECK(tokens.size() >= std::size_t(n)))
        return false;
    for (int k = 0; k < n; ++k)
    {
        const CToken& t = tokens[std::size_t(k)];
        bool ok = false;
        const double v = ScanDouble(line.substr(t.first, t.last - t.first + 1), &ok);
        if (ok)
            values[k] = v;
    }
    return true;
}

int FindStringInArray(const std::string& text, const std::vector<std::string>& array)
{
    for (std::size_t i = 0; i < array.size(); ++i)
        if (array[i].find(text) != std::string::npos)
            return int(i);
    return -1;
}
