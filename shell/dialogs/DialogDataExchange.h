// Moving numbers between dialog fields and their members: the text a field shows for a
// value, the value a typed text stands for, and the messages for a text that is no
// number or lies outside the field's bounds. Numbers are read and written in the C
// notation (a point as the decimal separator) whatever the user's locale.
#pragma once

#include <optional>
#include <string>

namespace DialogData
{
// The messages for a field whose text is not a number.
inline constexpr const char* kEnterNumber = "Please enter a number.";
inline constexpr const char* kEnterInteger = "Please enter an integer.";
// The message for a Yes/No field whose text is neither.
inline constexpr const char* kEnterYesOrNo = "Please enter Yes or No.";

// "Please enter a number between 1 and 30000.": the bounds with up to 15 significant
// digits, as the field shows them.
std::string RealRangeMessage(double dMin, double dMax);
std::string IntegerRangeMessage(long nMin, long nMax);

// The text a field shows: up to 15 significant digits, no trailing zeros ("24000",
// "0.01", "1e-11").
std::string FormatDouble(double value);
std::string FormatLong(long value);

// The program's one parse of a number (ParseWholeDouble, ParseWholeLong) and of a Yes/No
// (ParseYesNo): the whole text as one finite number, or as "Yes" or "No" in any letter
// case or their first letters, blanks around allowed; nothing otherwise.
std::optional<double> ParseDouble(const std::string& text);
std::optional<long> ParseLong(const std::string& text);
std::optional<bool> ParseYesNo(const std::string& text);

// Inclusive bounds of a double field.
struct CDoubleRange
{
    double dMin;
    double dMax;
    bool Contains(double value) const { return value >= dMin && value <= dMax; }
};

// The message refusing the text of a double field: kEnterNumber where it is no finite number
// (ParseDouble), RealRangeMessage where the number lies outside the bounds; empty where the
// field takes it. The number read, within the bounds or not, goes to *pValue.
std::string DoubleRefusal(const std::string& text, const std::optional<CDoubleRange>& range,
                          double* pValue = nullptr);
} // namespace DialogData
