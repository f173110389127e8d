// Fixed-point coefficient words of the chips, shared by every device file writer.
// Words never wrap: a value outside a word's range is replaced by the nearest value the
// word holds and the caller is told, so that it can warn the user.
#pragma once

#include <cstdint>
#include <string>

// The hexadecimal digits of a word's text: leading blanks are skipped and reading stops at
// the first character that is no hexadecimal digit (a line end, a blank, a stray letter).
std::string HexWordDigits(const std::string& text);

// QZX2201/QZX2202 word: value * 2^20 truncated toward zero, 24 bits two's complement,
// range [-8, 8). Text "%.6X".
std::int32_t CoefficientToWord24(double value, bool* saturated = nullptr);
std::string CoefficientToHex24(double value, bool* saturated = nullptr);
// The hexadecimal text back to a coefficient; the word is sign-extended exactly when its
// bit 23 is set. Leading blanks are skipped and reading stops at the first character that
// is no hexadecimal digit. False (value 0) when no digit is read or more than six are.
bool Hex24ToCoefficient(const std::string& text, double* value);
// False when the text's word (its hexadecimal digits after leading blanks) has more than
// six digits: a value no 24-bit word holds. A text without a digit is in range.
bool IsHex24WordInRange(const std::string& text);

// QZX241X/QZX606X family word: value * 2^23 truncated toward zero, 28 bits two's
// complement, range [-16, 16). Text: seven upper-case hexadecimal digits.
std::int32_t CoefficientToWord28(double value, bool* saturated = nullptr);
std::string CoefficientToHex28(double value, bool* saturated = nullptr);
// Seven hexadecimal digits back to a coefficient, sign-extended when bit 27 is set; read
// like Hex24ToCoefficient.
bool Hex28ToCoefficient(const std::string& text, double* value);

// True when the value fits a word of the given fraction and total bits without saturating.
bool FitsFixedPointWord(double value, int fractionBits, int totalBits);
