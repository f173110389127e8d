#include "document/TextFile.h"

#include "graph/BinaryStream.h"
#include "graph/Convert.h"
#include "graph/PointBounds.h"
#include "graph/StringUtility.h"

#include <algorithm>
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

int ReadNumberFields(const std::string& line, double* values, int nMax)
{
    std::string fields(line);
    std::replace(fields.begin(), fields.end(), ',', ' ');
    int nFields = 0;
    std::size_t first = fields.find_first_not_of(" \t");
    while (first != std::string::npos)
    {
        const std::size_t end = fields.find_first_of(" \t", first);
        const std::size_t length = end == std::string::npos ? std::string::npos : end - first;
        const std::optional<double> value = ParseWholeDouble(fields.substr(first, length));
        if (!value)
            return -1;
        if (nFields < nMax)
            values[nFields] = *value;
        ++nFields;
        first = end == std::string::npos ? end : fields.find_first_not_of(" \t", end);
    }
    return nFields;
}

bool ReadPointLine(const std::string& line, CDoublePoint& point)
{
    double values[2] = {0.0, 0.0};
    if (ReadNumberFields(line, values, 2) != 2 || !PointBounds::IsPoint({values[0], values[1]}))
        return false;
    point = {values[0], values[1]};
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
