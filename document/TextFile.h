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

// Reads the fields of a row of numbers, separated by blanks, tabs or commas, into values
// (the first nMax of them) and gives how many fields the row holds; -1 when a field is
// not a whole finite number in C notation ("nan", "inf", "1e400", "1.5dB", a word). A
// blank line holds 0. A comma always separates: "85,5" is the two numbers 85 and 5.
int ReadNumberFields(const std::string& line, double* values, int nMax);

// A line of exactly two such numbers, a frequency in Hz and a level in dB, inside
// PointBounds; false for anything else.
bool ReadPointLine(const std::string& line, CDoublePoint& point);

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
