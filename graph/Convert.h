// Numbers, truth values, dates and bit patterns to texts and back; fields of delimited
// texts; lines of a multi-line text. All formatting and scanning follows C's rules in the
// C numeric locale, whatever the user's locale.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

std::string IntToString(int value);       // "%d"
std::string DoubleToString(double value); // "%lf"
// The value with the caller's format, which must hold exactly one conversion of a
// double; any other format is a failed check and gives an empty text.
std::string FormatDouble(double value, const char* format);
// "%.0f" for 0 and for whole numbers of magnitude 1 or more, else "%.3f".
std::string DoubleToShortString(double value);
std::string BoolToYesNo(bool value);                      // "Yes" / "No"
std::string BoolToString(bool value);                     // "true" / "false"
bool ByteToHexText(std::uint8_t byte, std::string* text); // "%x"
std::string ByteToHexText(std::uint8_t byte);
bool CharToDecimalText(std::uint8_t byte, std::string* text); // signed 8-bit, "%d"
std::string CharToDecimalText(std::uint8_t byte);
// The byte's 8 bits (width 8) or low 7 bits (width 7) as '1' and '0', most significant
// first; another width is a failed check and leaves the text.
bool ByteToBitString(std::uint8_t byte, int nDataWidth, std::string* text);
std::string ByteToBitString(std::uint8_t byte, int nDataWidth);
// The fixed-point word value * 2^23, truncated toward zero to 64 bits (saturating beyond
// that range, 0 for not-a-number), as 12 (low 48 bits) or 7 (low 28 bits) upper-case
// hexadecimal digits.
std::string DoubleToHex12(double value);
std::string DoubleToHex7(double value);

// Dates of the current local time, or of the given one: "_M_D_YYYY" and "M/D/YY".
std::string TimeStampText();
std::string TimeStampText(const std::tm& date);
std::string DateText();
std::string DateText(const std::tm& date);
// "January" .. "December"; empty for a month outside 1 to 12 (a failed check).
std::string MonthName(std::uint16_t month);
// 1 to 12 from the first three letters after leading white space, any case; 0 for none.
int MonthNumber(const std::string& text);
// The day's number within its year, Gregorian leap years; 0 for a month outside 1 to 12.
int DayOfYear(std::uint16_t month, std::uint16_t day, std::uint16_t year);

long StringToLong(const std::string& text);  // "%ld"; 0 without a number
long HexTextToLong(const std::string& text); // "%lx"; 0 without a number
// The one parse of every number the program reads from text, typed or from a file: the
// whole text as one finite number in C notation, blanks and tabs around it and a '+' in
// front allowed; nothing for anything else: an empty text, a word, "nan", "inf", a number
// too large to hold ("1e400"), one with anything before or after it ("-3.5dB", "1.0.5")
// or with a decimal comma ("85,5").
std::optional<double> ParseWholeDouble(const std::string& text);
std::optional<long> ParseWholeLong(const std::string& text);
// The text through ParseWholeDouble; NaN where it is no finite number.
double WholeDoubleOrNaN(const std::string& text);
// The one parse of a Yes/No field, in a file or typed: "Yes" or "No" in any letter case,
// or their first letters ("y", "ye", "n"), blanks and tabs around allowed; true for yes,
// nothing for any other text ("Maybe", "1", an empty text).
std::optional<bool> ParseYesNo(const std::string& text);
// A truth value of the profile: "true" or "false" in any letter case, or a Yes/No
// (ParseYesNo); nothing for any other text.
std::optional<bool> ParseTrueFalse(const std::string& text);
// What the text of value in format (one conversion of a double, such as "%lf") reads back
// as through ParseWholeDouble; NaN where the text is no finite number.
double ReadBackValue(double value, const char* format);
// The text of value in format reads back as value itself.
bool ReadsBack(double value, const char* format);
// "%d", "%u", "%hu"; the value stays when the text holds no number. Always true.
bool TextToInt(const std::string& text, int* value);
bool TextToUnsigned(const std::string& text, unsigned int* value);
bool TextToUnsignedShort(const std::string& text, unsigned short* value);
// Hexadecimal (HexTextToByte) or decimal text to a byte: above 255 stores 0 and gives
// false; anything else stores its low 8 bits (-5 gives 251); no number stores 0.
bool HexTextToByte(const std::string& text, std::uint8_t* byte);
bool DecimalTextToByte(const std::string& text, std::uint8_t* byte);
// The '0' and '1' of the text as a binary number whose width is the text's length
// (other characters are skipped, so separators shift the value), low 8 bits kept.
// False, with the byte unchanged, for a text longer than 32 characters.
bool BitStringToByte(const std::string& text, std::uint8_t* byte);

// Field n (from 0) of the text, the text taken as if a delimiter stood before and after
// it; an empty text for n beyond the last field.
std::string GetDelimitedField(const std::string& text, int n, char delimiter);
// The number of runs of characters other than the delimiter.
int CountFields(const std::string& text, char delimiter);
// The text after the last path separator ('\\' or '/'); the whole path without one.
std::string FileNameFromPath(const std::string& path);
// The text is empty or starts with a space.
bool IsFirstWordEmpty(const std::string& text);
// Empties lines; false for an empty text. Each piece up to and including "\r\n" becomes
// one element, and text after the last "\r\n" a final element.
bool SplitTextToArray(const std::string& text, std::vector<std::string>& lines);
