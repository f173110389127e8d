// C formatting and number scanning in the C numeric locale, whatever locale the program
// runs in: files and settings always get a decimal point, never a decimal comma.
#pragma once

#include <string>

// snprintf with the format and arguments, any length; the C numeric locale.
std::string FormatC(const char* format, ...) __attribute__((format(printf, 1, 2)));

// True when the format holds exactly one conversion and it takes a double ("%lf",
// "%18.15lf", "%.3e", ...); "%%" is allowed anywhere.
bool IsSingleDoubleFormat(const char* format);

// The C library's number scanners in the C locale. Each skips leading white space as
// the matching scanf conversion does; ok (when given) tells whether a number was read.
// Integers out of range saturate.
double ScanDouble(const std::string& text, bool* ok = nullptr);       // "%lf"
long ScanLong(const std::string& text, int base, bool* ok = nullptr); // "%ld", "%i"
unsigned long ScanUnsignedLong(const std::string& text, int base, bool* ok = nullptr); // "%lu"
