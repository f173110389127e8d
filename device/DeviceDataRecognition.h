// Which lines make a text device program data of a chip family, so that a file of another
// kind (a measurement, a parameter file) is not taken for device data and later written
// over. Header and "!#" comment lines are common to both families and to hand-made texts:
// only the lines that the chip is loaded from count.
#pragma once

#include <string>
#include <vector>

// QZX2201/QZX2202 (".eq"): a register line (a name of either bank, or the loudness
// registers "21" and "22", a blank, then five hexadecimal words) or a fixed register
// setting such as "4 -6.0 Volume" (a register, a level and a name).
bool IsEqDataLine(const std::string& line);
// Why a line shaped as a fixed register setting (a register of one or two characters
// that begins with 4, 5, 6, 7 or $, a value, a name that begins with a letter) does not
// hold a level: its value is not one finite number (ParseWholeDouble) of dB within
// PointBounds ("abc", "-6.0dB", "-99999999999999999999999.0"). A clause without a full
// stop ("holds "abc" where the level of the Volume setting belongs: ..."); empty for a
// good setting and for a line of another shape.
std::string FixedSettingFault(const std::string& line);
// QZX2410/QZX6060 (".EQ241X", ".EQ606X"): the channel line "! Channel Number <n>", a
// biquad entry "Q<n>", a word line of blank-led pairs of hexadecimal digits (" 00 80 00
// 00") or a register line of one of the family's register names with five words.
bool IsFamilyDataLine(const std::string& line);

// True when a line is one that isDataLine takes.
bool HoldsDeviceData(const std::vector<std::string>& lines, bool (*isDataLine)(const std::string&));

// A line that begins with the name of one of the chip's registers, as the read-back and the
// loudness lines find them ("0A" ... "19", "21", "22"; the QZX241X/QZX606X "34" ... "72"):
// its fields 1 to 5 are coefficient words.
bool BeginsWithEqRegister(const std::string& line);
bool BeginsWithFamilyRegister(const std::string& line);
// A QZX241X/QZX606X entry's word line of four blank-led pairs of hexadecimal digits
// (" 00 80 00 00"), line end aside.
bool IsFamilyWordLine(const std::string& line);
// A text of hexadecimal digits only, at least one.
bool IsHexWord(const std::string& text);
