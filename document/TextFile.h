// Plain-text files of the document: read whole into lines, whatever the line ends (CR LF
// or LF), and written line by line with CR LF into memory, then put in place through a
// temporary file so that a failed save leaves the previous file as it was.
#pragma once

#include "document/TextLines.h"
#include "graph/DoublePoint.h"

#include <cstddef>
#include <string>
#include <string_view>

// The largest text file the document reads.
constexpr std::size_t kMaxTextFileBytes = std::size_t(64) << 20;

// Reads the file's lines (CTextLines tells how it splits them). False with a message in
// error when it cannot be read or is larger than kMaxTextFileBytes.
bool ReadTextFileLines(const std::string& path, CTextLines& lines, std::string& error);

// True when the line holds only blanks and tabs.
bool IsBlankLine(std::string_view line);

// What a row of numbers holds: its count of numbers, or why it holds none.
struct CNumberRow
{
    enum EFault
    {
        kNone,
        kNotANumber,
        kDecimalComma,
    };
    EFault fault = kNone;
    int nNumbers = 0;
    // The field at fault, as the row writes it.
    std::string field;
};

// Reads the numbers of a row into values (the first nMax of them) and counts them. Every
// field must be a whole finite number in C notation: "nan", "inf", "1e400", "1.5dB" or a
// word is kNotANumber. The row's own separators tell a decimal comma from a separator:
// where blanks or tabs separate its numbers ("100.0, 85.5" as the program writes it,
// "100 85.5"), a comma between two digits, as in "85,5", is a decimal mark, and the row is
// kDecimalComma; every other comma separates, as do all commas of a row that commas alone
// separate ("100,85.5"). A blank line holds no number.
CNumberRow ReadNumberRow(std::string_view row, double* values, int nMax);

// True when the line's first field (up to a blank, tab or comma) is a number as C reads it
// whole, whatever its value ("100", "-3.5", "nan", "inf", "1e400"): a line meant to hold a
// point. A note such as "; woofer, measured 2019" is not one.
bool IsNumberLine(std::string_view line);

// A point line read as written: its first two numbers (further numbers are ignored), a
// frequency in Hz and a level in dB inside PointBounds. False otherwise, row telling why
// (kDecimalComma for a decimal comma; kNone for a row of too few numbers or a point out of
// bounds).
bool ReadPointLine(std::string_view line, CDoublePoint& point, CNumberRow& row);

class CTextFileWriter
{
public:
    // Appends the text; every "\n" in it becomes CR LF.
    void Write(const std::string& text);
    const std::string& Text() const { return m_strText; }
    // Puts the collected text in place of the file at path (temporary file, then rename).
    // False with a message in error on failure; an existing file then stays as it was.
    bool Save(const std::string& path, std::string& error) const;

private:
    std::string m_strText;
};
