#include "shell/dialogs/DialogDataExchange.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace
{
std::string_view Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    std::string_view view(text.data() + first, last - first + 1);
    // A sign in front of a positive number is accepted as people type it.
    if (view.size() > 1 && view.front() == '+' && view[1] != '-' && view[1] != '+')
        view.remove_prefix(1);
    return view;
}

template <class T> std::optional<T> ParseWhole(const std::string& text)
{
    const std::string_view view = Trimmed(text);
    T value{};
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
    if (view.empty() || error != std::errc{} || end != view.data() + view.size())
        return std::nullopt;
    return value;
}
} // namespace

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
    const std::optional<double> value = ParseWhole<double>(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

std::optional<long> ParseLong(const std::string& text)
{
    return ParseWhole<long>(text);
}
} // namespace DialogData
