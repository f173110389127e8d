// Plain-text files of the document: read whole into lines, whatever the line ends (CR LF
// or LF), and written line by line with CR LF into memory, then put in place through a
// temporary file so that a failed save leaves the previous file as it was.
#pragma once

#include "document/TextLines.h"

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

// Reads the first n numbers of the line (tokens as CountNumbersInLine sees them) into
// values. False when the line holds fewer than n number tokens or one of the first n
// gives no number or a value that is not finite; values may then be partly written.
bool ReadFiniteNumbers(int n, double* values, const std::string& line);

// True when every field of the line (the runs between blanks and tabs) is a whole finite
// number in C notation; so "nan", "inf", "1.5dB" or a word anywhere in the line give false.
// A blank line gives true.
bool HoldsOnlyNumbers(const std::string& line);

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
