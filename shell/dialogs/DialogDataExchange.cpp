#include "shell/dialogs/DialogDataExchange.h"

#include "graph/Convert.h"

#include <charconv>

namespace DialogData
{
std::string FormatDouble(double value)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::string FormatLong(long value)
{
    return std::to_string(value);
}

std::string RealRangeMessage(double dMin, double dMax)
{
    return "Please enter a number between " + FormatDouble(dMin) + " and " + FormatDouble(dMax) +
           ".";
}

std::string IntegerRangeMessage(long nMin, long nMax)
{
    return "Please enter an integer between " + FormatLong(nMin) + " and " + FormatLong(nMax) + ".";
}

std::optional<double> ParseDouble(const std::string& text)
{
    return ParseWholeDouble(text);
}

std::string DoubleRefusal(const std::string& text, const std::optional<CDoubleRange>& range,
                          double* pValue)
{
    const std::optional<double> value = ParseDouble(text);
    if (!value)
        return kEnterNumber;
    if (pValue)
        *pValue = *value;
    if (range && !range->Contains(*value))
        return RealRangeMessage(range->dMin, range->dMax);
    return {};
}

std::optional<long> ParseLong(const std::string& text)
{
    return ParseWholeLong(text);
}

std::optional<bool> ParseYesNo(const std::string& text)
{
    return ::ParseYesNo(text);
}
} // namespace DialogData
