#include "document/TextFile.h"

#include "graph/BinaryStream.h"
#include "graph/Convert.h"
#include "graph/PointBounds.h"
#include "graph/StringUtility.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <system_error>
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

namespace
{
constexpr std::string_view kBlanks = " \t";

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// True when the row, without its leading and trailing blanks, holds a blank or a tab.
bool HasInnerBlank(std::string_view row)
{
    const std::size_t first = row.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return false;
    const std::size_t last = row.find_last_not_of(kBlanks);
    return row.substr(first, last - first + 1).find_first_of(kBlanks) != std::string_view::npos;
}

// The first comma between two digits, npos for none.
std::size_t DecimalCommaAt(std::string_view row)
{
    for (std::size_t i = 1; i + 1 < row.size(); ++i)
        if (row[i] == ',' && IsDigit(row[i - 1]) && IsDigit(row[i + 1]))
            return i;
    return std::string_view::npos;
}

// The field around position at: the run of characters other than blanks and tabs, without
// the commas that separate it from its neighbours.
std::string FieldAround(std::string_view row, std::size_t at)
{
    const std::size_t before = row.find_last_of(kBlanks, at);
    std::size_t first = before == std::string_view::npos ? 0 : before + 1;
    std::size_t end = std::min(row.find_first_of(kBlanks, at), row.size());
    while (row[first] == ',')
        ++first;
    while (row[end - 1] == ',')
        --end;
    // A message names the field: a very long one by its start.
    constexpr std::size_t kMaxNamed = 40;
    if (end - first > kMaxNamed)
        return std::string(row.substr(first, kMaxNamed)) + "...";
    return std::string(row.substr(first, end - first));
}

// The one parse of a number field of these files.
std::optional<double> NumberField(std::string_view field)
{
    return ParseWholeDouble(std::string(field));
}
} // namespace

CNumberRow ReadNumberRow(std::string_view row, double* values, int nMax)
{
    CNumberRow result;
    if (HasInnerBlank(row))
        if (const std::size_t at = DecimalCommaAt(row); at != std::string_view::npos)
        {
            result.fault = CNumberRow::kDecimalComma;
            result.field = FieldAround(row, at);
            return result;
        }
    constexpr std::string_view kSeparators = " \t,";
    std::size_t first = row.find_first_not_of(kSeparators);
    while (first != std::string_view::npos)
    {
        const std::size_t end = row.find_first_of(kSeparators, first);
        const std::string_view field =
            row.substr(first, end == std::string_view::npos ? end : end - first);
        const std::optional<double> value = NumberField(field);
        if (!value)
        {
            result.fault = CNumberRow::kNotANumber;
            result.field = std::string(field);
            return result;
        }
        if (result.nNumbers < nMax)
            values[result.nNumbers] = *value;
        ++result.nNumbers;
        first = end == std::string_view::npos ? end : row.find_first_not_of(kSeparators, end);
    }
    return result;
}

bool IsNumberLine(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return false;
    std::string_view field = line.substr(first, line.find_first_of(" \t,", first) - first);
    // A sign in front of a positive number, as people write it.
    if (field.size() > 1 && field.front() == '+')
        field.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return end == field.data() + field.size() &&
           (error == std::errc{} || error == std::errc::result_out_of_range);
}

bool ReadPointLine(std::string_view line, CDoublePoint& point, CNumberRow& row)
{
    double values[2] = {0.0, 0.0};
    row = ReadNumberRow(line, values, 2);
    if (row.fault != CNumberRow::kNone || row.nNumbers < 2 ||
        !PointBounds::IsPoint({values[0], values[1]}))
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
