#include "device/CoefficientWords.h"

#include "graph/CFormat.h"

#include <cmath>
#include <cstdlib>

namespace
{
struct CWordFormat
{
    int fractionBits;
    int totalBits;
};

constexpr CWordFormat kWord24{20, 24};
constexpr CWordFormat kWord28{23, 28};

std::int64_t SaturatedWord(double value, const CWordFormat& format, bool* saturated)
{
    const std::int64_t top = (std::int64_t(1) << (format.totalBits - 1)) - 1;
    const std::int64_t bottom = -top - 1;
    const double scaled = std::trunc(std::ldexp(value, format.fractionBits));
    std::int64_t word = 0;
    bool clipped = true;
    if (std::isnan(scaled))
        word = 0;
    else if (scaled > double(top))
        word = top;
    else if (scaled < double(bottom))
        word = bottom;
    else
    {
        word = std::int64_t(scaled);
        clipped = false;
    }
    if (saturated)
        *saturated = clipped;
    return word;
}

std::string WordText(std::int64_t word, const CWordFormat& format)
{
    const std::uint64_t mask = (std::uint64_t(1) << format.totalBits) - 1;
    const int digits = (format.totalBits + 3) / 4;
    return FormatC("%.*llX", digits, (unsigned long long)(std::uint64_t(word) & mask));
}

int MaxDigits(const CWordFormat& format)
{
    return (format.totalBits + 3) / 4;
}

bool TextToCoefficient(const std::string& text, const CWordFormat& format, double* value)
{
    *value = 0.0;
    const std::string digits = HexWordDigits(text);
    const int maxDigits = MaxDigits(format);
    if (digits.empty() || int(digits.size()) > maxDigits)
        return false;
    const std::uint64_t raw = std::strtoull(digits.c_str(), nullptr, 16);
    if (raw >> format.totalBits)
        return false;
    std::int64_t word = std::int64_t(raw);
    if (raw & (std::uint64_t(1) << (format.totalBits - 1)))
        word -= std::int64_t(1) << format.totalBits;
    *value = std::ldexp(double(word), -format.fractionBits);
    return true;
}
} // namespace

std::string HexWordDigits(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    const std::size_t end = text.find_first_not_of("0123456789abcdefABCDEF", first);
    return text.substr(first, end == std::string::npos ? std::string::npos : end - first);
}

std::int32_t CoefficientToWord24(double value, bool* saturated)
{
    return std::int32_t(SaturatedWord(value, kWord24, saturated));
}

std::string CoefficientToHex24(double value, bool* saturated)
{
    return WordText(SaturatedWord(value, kWord24, saturated), kWord24);
}

bool Hex24ToCoefficient(const std::string& text, double* value)
{
    return TextToCoefficient(text, kWord24, value);
}

bool IsHex24WordInRange(const std::string& text)
{
    return int(HexWordDigits(text).size()) <= MaxDigits(kWord24);
}

std::int32_t CoefficientToWord28(double value, bool* saturated)
{
    return std::int32_t(SaturatedWord(value, kWord28, saturated));
}

std::string CoefficientToHex28(double value, bool* saturated)
{
    return WordText(SaturatedWord(value, kWord28, saturated), kWord28);
}

bool Hex28ToCoefficient(const std::string& text, double* value)
{
    return TextToCoefficient(text, kWord28, value);
}

bool FitsFixedPointWord(double value, int fractionBits, int totalBits)
{
    bool saturated = false;
    SaturatedWord(value, CWordFormat{fractionBits, totalBits}, &saturated);
    return !saturated;
}
