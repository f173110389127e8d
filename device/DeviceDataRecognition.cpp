#include "device/DeviceDataRecognition.h"

#include "device/DeviceDataText.h"
#include "device/QZX2410_Manager.h"
#include "graph/CFormat.h"
#include "graph/Convert.h"
#include "graph/PointBounds.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <sstream>

namespace
{
const char* const kEqRegisters[] = {"0A", "0B", "0C", "0D", "0E", "0F", "10", "13",
                                    "14", "15", "16", "17", "18", "19", "21", "22"};
constexpr std::size_t kWordsPerLine = 5;
const char kChannelPrefix[] = "! Channel Number ";

// The line as the file holds it once written: up to its first line end, a carriage return
// or a line feed (SplitDeviceDataText).
std::string AsWritten(const std::string& line)
{
    return line.substr(0, line.find_first_of("\r\n"));
}

bool IsDecimal(const std::string& text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

// name, a blank, then five words of hexadecimal digits (more may follow).
bool IsRegisterLine(const std::string& line, const std::string& name)
{
    if (line.compare(0, name.size() + 1, name + " ") != 0)
        return false;
    const std::vector<std::string> fields = SplitRegisterFields(line);
    return fields.size() > kWordsPerLine &&
           std::all_of(fields.begin() + 1, fields.begin() + 1 + kWordsPerLine, IsHexWord);
}

// The register, value and name of a line shaped as a fixed setting, "4 -6.0 Volume": a
// register of one or two characters that begins with 4, 5, 6, 7 or $, a value and a name
// that begins with a letter (more text may follow, as after a NAME line rewritten on line
// 0); false for a line of another shape.
bool SplitFixedSetting(const std::string& line, std::string& value, std::string& name)
{
    if (line.empty() || std::string("4567$").find(line[0]) == std::string::npos)
        return false;
    std::istringstream in(line);
    std::string reg;
    in >> reg >> value >> name;
    return reg.size() <= 2 && !value.empty() && !name.empty() &&
           std::isalpha(static_cast<unsigned char>(name[0]));
}

// A line shaped as a fixed setting; whether its value is a level is FixedSettingFault's.
bool IsFixedSetting(const std::string& line)
{
    std::string value, name;
    return SplitFixedSetting(line, value, name);
}

// " 00 80 00 00": blank-led pairs of hexadecimal digits, four of them (eight for "A8").
bool IsWordLine(const std::string& text)
{
    if (text.size() != 12 && text.size() != 24)
        return false;
    for (std::size_t i = 0; i < text.size(); i += 3)
        if (text[i] != ' ' || !IsHexWord(text.substr(i + 1, 2)))
            return false;
    return true;
}
} // namespace

bool IsEqDataLine(const std::string& fileLine)
{
    const std::string line = AsWritten(fileLine);
    return IsFixedSetting(line) ||
           std::any_of(std::begin(kEqRegisters), std::end(kEqRegisters),
                       [&line](const char* name) { return IsRegisterLine(line, name); });
}

bool IsFamilyDataLine(const std::string& fileLine)
{
    const std::string text = AsWritten(fileLine);
    if (text.rfind(kChannelPrefix, 0) == 0)
        return IsDecimal(text.substr(sizeof kChannelPrefix - 1));
    if (text.size() >= 2 && text.size() <= 3 && text[0] == 'Q')
        return IsHexWord(text.substr(1));
    if (IsWordLine(text))
        return true;
    for (int row = 0; row < CQZX2410_Manager::kRegisterRows; ++row)
        for (int i = 0; i < CQZX2410_Manager::kMaxSections; ++i)
            if (IsRegisterLine(text, CQZX2410_Manager::RegisterName(row, i)))
                return true;
    return false;
}

bool HoldsDeviceData(const std::vector<std::string>& lines, bool (*isDataLine)(const std::string&))
{
    return std::any_of(lines.begin(), lines.end(), isDataLine);
}

bool BeginsWithEqRegister(const std::string& line)
{
    return std::any_of(std::begin(kEqRegisters), std::end(kEqRegisters),
                       [&line](const char* name) { return line.compare(0, 2, name) == 0; });
}

bool BeginsWithFamilyRegister(const std::string& line)
{
    for (int row = 0; row < CQZX2410_Manager::kRegisterRows; ++row)
        for (int i = 0; i < CQZX2410_Manager::kMaxSections; ++i)
            if (line.compare(0, 2, CQZX2410_Manager::RegisterName(row, i)) == 0)
                return true;
    return false;
}

bool IsFamilyWordLine(const std::string& line)
{
    const std::string text = AsWritten(line);
    return text.size() == 12 && IsWordLine(text);
}

bool IsHexWord(const std::string& text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isxdigit(c); });
}

std::string FixedSettingFault(const std::string& fileLine)
{
    std::string value, name;
    if (!SplitFixedSetting(AsWritten(fileLine), value, name))
        return {};
    if (const std::optional<double> level = ParseWholeDouble(value);
        level && PointBounds::IsLevel(*level))
        return {};
    return FormatC("holds \"%s\" where the level of the %s setting belongs: one number of dB "
                   "from %g to %g in digits alone, such as -6.0",
                   value.c_str(), name.c_str(), -PointBounds::kMaxDb, PointBounds::kMaxDb);
}
