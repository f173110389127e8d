// The QZX2201/QZX2202 device program data (".eq"): header comment lines, the filter block
// (parameter comments and two register banks of coefficient words) and the fixed register
// settings. Every line carries its own "\r\n".
#pragma once

#include "device/FilterBlock.h"

#include <string>
#include <vector>

// The registers of the first and second bank; a QZX2202 has seven, the others six.
int RegisterCountOf(bool qzx2202);

// Writes the filter block from line start on (the array grows as needed) and returns the
// index after it. Filters beyond the register count are left out, and each left-out
// filter's label is named in warnings; so are the written filters whose words were
// saturated.
int WriteFilterBlock(std::vector<std::string>& lines, int start, const CFilterBlock& block,
                     int registerCount, std::vector<std::string>& warnings);

struct CDeviceDataHeader
{
    std::string name;     // for "! NAME: "
    std::string date;     // as DateText gives it
    int sampleRateHz = 0; // shown in kHz, the remainder dropped
};
// Header lines 0 to 9: NAME, date, the speaker lines, the sample rate (the text between
// "! Sample Rate         : " and " K Hz"), the description, two "!" lines and the
// "!# Filter Parameters" line.
std::vector<std::string> DeviceDataHeaderLines(const std::string& name, const std::string& date,
                                               const std::string& sampleRateKHz);
// The label of a parameter text ("!# EQ-1, 6.0, ..." gives "EQ-1").
std::string LabelOfParameterText(const std::string& text);

// The whole text: header lines 0 to 9, the filter block, the five fixed lines.
void GenerateDeviceDataLines(std::vector<std::string>& lines, const CDeviceDataHeader& header,
                             const CFilterBlock& block, int registerCount,
                             std::vector<std::string>& warnings);

// Line 0 from "NAME:" on becomes "NAME: " + name. False, nothing changed, when there is no
// line 0, it holds no "NAME:", or it holds "!#" (a filter's line, read back as one).
bool SetNameLine(const std::string& name, std::vector<std::string>& lines);
// The first line that begins with the date prefix gets the date. False when there is none.
bool SetDateLine(const std::string& date, std::vector<std::string>& lines);
// True when a line holds "!# Filter Parameters".
bool HasFilterParameterSection(const std::vector<std::string>& lines);

// Splits text (a file's, the editor's) into the one form every holder of device data keeps:
// lines that each end in "\r\n" and hold no other carriage return or line feed. A line
// ends at "\r\n", at "\n" and at a carriage return that no line feed follows (as the
// editor shows one); a last line without a line end is kept.
std::vector<std::string> SplitDeviceDataText(const std::string& text);
// The lines joined, as they are.
std::string JoinDeviceDataLines(const std::vector<std::string>& lines);
// The text a file of the lines holds: every line end in them ("\r\n", "\n" or a lone
// "\r") written as "\r\n", a last line without one given one. SplitDeviceDataText of it
// gives the lines the file opens with: for lines of the one form, the same text lines.
std::string DeviceDataFileText(const std::vector<std::string>& lines);
// The fields of a register line, split at single blanks up to the line end (field 0 is
// the register name; two blanks give an empty field).
std::vector<std::string> SplitRegisterFields(const std::string& line);

// The first of the five words of a register line's fields (fields 1 to 5) that inRange
// refuses; empty when every word is in range.
std::string FindWordOutOfRange(const std::vector<std::string>& fields,
                               bool (*inRange)(const std::string&));
// The 1-based text line on which entry i of the lines starts: an entry holds as many text
// lines as it has line feeds, and at least one.
int TextLineOfEntry(const std::vector<std::string>& lines, std::size_t i);
// The message for a register line that is not taken because of the word.
std::string WordOutOfRangeMessage(int nLine, const std::string& word);
// The message for a parameter line (its line break dropped) that is not taken, and why:
// "The device data line "<line>" <why>; the filter was not taken."
std::string ParameterLineNotTakenMessage(const std::string& line, const std::string& why);
