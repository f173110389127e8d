#include "graph/StringUtility.h"

#include "graph/Assert.h"
#include "graph/Convert.h"

#include <cstring>
#include <utility>

namespace
{
// Calls take(first, last) for each number token of the line in turn (its characters
// first to last), at most maxCount of them, and returns how many it found. The tokens are
// walked rather than listed: a list would cost 16 bytes a token on a line of numbers.
template <class Take>
std::size_t ForEachNumberToken(const std::string& line, std::size_t maxCount, Take take)
{
    std::size_t count = 0;
    std::size_t first = 0;
    bool inNumber = false;
    bool inBlank = false;
    for (std::size_t i = 0; i < line.size() && count < maxCount; ++i)
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
            take(first, i - 1);
            ++count;
            inNumber = false;
            inBlank = true;
        }
        else if (inBlank && IsNumberChar(c))
        {
            starts = true;
            inBlank = false;
        }
        if (starts)
        {
            first = i;
            inNumber = true;
        }
    }
    // A token at the line's end runs to its last character.
    if (inNumber)
    {
        take(first, line.size() - 1);
        ++count;
    }
    return count;
}

void IgnoreToken(std::size_t, std::size_t) {}
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
    return int(ForEachNumberToken(line, std::string::npos, IgnoreToken));
}

bool ParseNumbersInLine(int n, double* values, const std::string& line)
{
    if (n < 1 || !values || line.empty())
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    if (!MORVANE_CHECK(ForEachNumberToken(line, std::size_t(n), IgnoreToken) >= std::size_t(n)))
        return false;
    double* next = values;
    ForEachNumberToken(line, std::size_t(n),
                       [&](std::size_t first, std::size_t last)
                       {
                           if (const std::optional<double> v =
                                   ParseWholeDouble(line.substr(first, last - first + 1)))
                               *next = *v;
                           ++next;
                       });
    return true;
}

int FindStringInArray(const std::string& text, const std::vector<std::string>& array)
{
    for (std::size_t i = 0; i < array.size(); ++i)
        if (array[i].find(text) != std::string::npos)
            return int(i);
    return -1;
}
