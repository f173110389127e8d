// What the fuzz targets of the text readers compare a row against: its fields read as
// written, each a whole finite number in C notation or the row is no row of numbers.
#pragma once

#include "graph/Convert.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The fields of the row, separated by blanks, tabs and commas, each a whole finite number;
// nothing when one is not.
inline std::optional<std::vector<double>> StrictFields(std::string_view row)
{
    std::vector<double> numbers;
    std::size_t first = row.find_first_not_of(" \t,");
    while (first != std::string_view::npos)
    {
        const std::size_t end = row.find_first_of(" \t,", first);
        const std::optional<double> v =
            ParseWholeDouble(std::string(row.substr(first, end == row.npos ? end : end - first)));
        if (!v)
            return std::nullopt;
        numbers.push_back(*v);
        first = end == std::string_view::npos ? end : row.find_first_not_of(" \t,", end);
    }
    return numbers;
}

inline bool HoldsDecimalComma(std::string_view line)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t i = 1; i + 1 < line.size(); ++i)
        if (line[i] == ',' && digit(line[i - 1]) && digit(line[i + 1]))
            return true;
    return false;
}

// Blanks or tabs between two fields of the row.
inline bool BlankSeparated(std::string_view row)
{
    const std::size_t first = row.find_first_not_of(" \t");
    const std::size_t last = row.find_last_not_of(" \t");
    return first != last &&
           row.substr(first, last - first).find_first_of(" \t") != std::string_view::npos;
}
