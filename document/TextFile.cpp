#include "document/TextFile.h"

#include "graph/BinaryStream.h"
#include "graph/Convert.h"
#include "graph/StringUtility.h"

#include <cmath>
#include <limits>
#include <utility>

bool ReadTextFileLines(const std::string& path, CTextLines& lines, std::string& error)
{
    std::string text;
    if (!ReadWholeFile(path, kMaxTextFileBytes, text, error))
        return false;
    lines = CTextLines(std::move(text));
    return true;
}

bool IsBlankLine(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

bool ReadFiniteNumbers(int n, double* values, const std::string& line)
{
    if (n < 1 || !values || CountNumbersInLine(line) < n)
        return false;
    for (int k = 0; k < n; ++k)
        values[k] = std::numeric_limits<double>::quiet_NaN();
    if (!ParseNumbersInLine(n, values, line))
        return false;
    for (int k = 0; k < n; ++k)
        if (!std::isfinite(values[k]))
            return false;
    return true;
}

bool HoldsOnlyNumbers(const std::string& line)
{
    std::size_t first = line.find_first_not_of(" \t");
    while (first != std::string::npos)
    {
        const std::size_t end = line.find_first_of(" \t", first);
        const std::size_t length = end == std::string::npos ? std::string::npos : end - first;
        if (!ParseWholeDouble(line.substr(first, length)))
            return false;
        first = end == std::string::npos ? end : line.find_first_not_of(" \t", end);
    }
    return true;
}

void CTextFileWriter::Write(const std::string& text)
{
    for (const char c : text)
    {
        if (c == '\n')
            m_strText += '\r';
        m_strText += c;
    }
}

bool CTextFileWriter::Save(const std::string& path, std::string& error) const
{
    const auto* data = reinterpret_cast<const std::uint8_t*>(m_strText.data());
    return ReplaceFile(path, std::span<const std::uint8_t>(data, m_strText.size()), error);
}
