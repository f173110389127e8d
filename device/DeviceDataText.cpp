#include "device/DeviceDataText.h"

#include <algorithm>
#include <cstddef>

namespace
{
const char* const kRegisterNames1[] = {"0A", "0B", "0C", "0D", "0E", "0F", "10"};
const char* const kRegisterNames2[] = {"13", "14", "15", "16", "17", "18", "19"};
constexpr int kMaxRegisters = 7;
const char kDatePrefix[] = "! Date                : ";

void PutLine(std::vector<std::string>& lines, std::size_t i, std::string text)
{
    if (lines.size() <= i)
        lines.resize(i + 1);
    lines[i] = std::move(text);
}
} // namespace

std::string LabelOfParameterText(const std::string& text)
{
    const std::string body = text.rfind("!# ", 0) == 0 ? text.substr(3) : text;
    return body.substr(0, body.find_first_of(",\r\n"));
}

std::vector<std::string> DeviceDataHeaderLines(const std::string& name, const std::string& date,
                                               const std::string& sampleRateKHz)
{
    return {
        "! NAME: " + name + "\r\n",
        kDatePrefix + date + "\r\n",
        "! Speaker Model #     : \r\n",
        "! Speaker Serial #    : \r\n",
        "! Speaker Manufacturer: \r\n",
        "! Sample Rate         : " + sampleRateKHz + " K Hz\r\n",
        "! EQ Description    : \r\n",
        "!\r\n",
        "!\r\n",
        "!# Filter Parameters\r\n",
    };
}

int RegisterCountOf(bool qzx2202)
{
    return qzx2202 ? 7 : 6;
}

int WriteFilterBlock(std::vector<std::string>& lines, int start, const CFilterBlock& block,
                     int registerCount, std::vector<std::string>& warnings)
{
    const int registers = registerCount < kMaxRegisters ? registerCount : kMaxRegisters;
    const int n = block.count < registers ? block.count : registers;
    for (int i = n; i < block.count; ++i)
        warnings.push_back("Filter " + LabelOfParameterText(block.texts[std::size_t(i)]) +
                           " was left out: the device holds " + std::to_string(registers) +
                           " filters.");
    // Limited words matter only for the filters written.
    for (std::size_t w = 0; w < block.warnings.size(); ++w)
        if (w >= block.warningEntries.size() || block.warningEntries[w] < n)
            warnings.push_back(block.warnings[w]);
    for (int i = 0; i < n; ++i)
    {
        const std::size_t s = std::size_t(start + i);
        const std::string& words = block.coefficientLines[std::size_t(i)];
        PutLine(lines, s, block.texts[std::size_t(i)]);
        PutLine(lines, s + std::size_t(n), std::string(kRegisterNames1[i]) + " " + words);
        PutLine(lines, s + 2 * std::size_t(n), std::string(kRegisterNames2[i]) + " " + words);
    }
    return start + 3 * n;
}

void GenerateDeviceDataLines(std::vector<std::string>& lines, const CDeviceDataHeader& header,
                             const CFilterBlock& block, int registerCount,
                             std::vector<std::string>& warnings)
{
    lines =
        DeviceDataHeaderLines(header.name, header.date, std::to_string(header.sampleRateHz / 1000));
    const int end = WriteFilterBlock(lines, 10, block, registerCount, warnings);
    lines.resize(std::size_t(end));
    for (const char* fixed : {"4 -6.0 Volume\r\n", "5 0.0 Treble\r\n", "6 0.0 Bass\r\n",
                              "7 -12.0 Mixer1\r\n", "$8 -70.0 Mixer2\r\n"})
        lines.push_back(fixed);
}

bool SetNameLine(const std::string& name, std::vector<std::string>& lines)
{
    // A filter's line is read back as a filter: rewritten, it would mean another.
    if (lines.empty() || lines[0].find("!#") != std::string::npos)
        return false;
    const std::size_t p = lines[0].find("NAME:");
    if (p == std::string::npos)
        return false;
    lines[0] = lines[0].substr(0, p + 5) + " " + name + "\r\n";
    return true;
}

bool SetDateLine(const std::string& date, std::vector<std::string>& lines)
{
    for (std::string& line : lines)
        if (line.rfind(kDatePrefix, 0) == 0)
        {
            line = kDatePrefix + date + "\r\n";
            return true;
        }
    return false;
}

bool HasFilterParameterSection(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        if (line.find("!# Filter Parameters") != std::string::npos)
            return true;
    return false;
}

std::vector<std::string> SplitDeviceDataText(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin < text.size())
    {
        const std::size_t end = std::min(text.find_first_of("\r\n", begin), text.size());
        std::size_t next = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
            ++next;
        lines.push_back(text.substr(begin, end - begin) + "\r\n");
        begin = next;
    }
    return lines;
}

std::string JoinDeviceDataLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line;
    return text;
}

std::string DeviceDataFileText(const std::vector<std::string>& lines)
{
    return JoinDeviceDataLines(SplitDeviceDataText(JoinDeviceDataLines(lines)));
}

std::vector<std::string> SplitRegisterFields(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t p = 0;
    while (p <= line.size())
    {
        const std::size_t e = line.find_first_of(" \r\n", p);
        fields.push_back(line.substr(p, e == std::string::npos ? std::string::npos : e - p));
        if (e == std::string::npos || line[e] != ' ')
            break;
        p = e + 1;
    }
    return fields;
}

std::string FindWordOutOfRange(const std::vector<std::string>& fields,
                               bool (*inRange)(const std::string&))
{
    for (std::size_t i = 1; i <= 5 && i < fields.size(); ++i)
        if (!inRange(fields[i]))
            return fields[i];
    return std::string();
}

int TextLineOfEntry(const std::vector<std::string>& lines, std::size_t i)
{
    int nLine = 1;
    for (std::size_t k = 0; k < i && k < lines.size(); ++k)
        nLine += std::max(1, int(std::count(lines[k].begin(), lines[k].end(), '\n')));
    return nLine;
}

std::string WordOutOfRangeMessage(int nLine, const std::string& word)
{
    return "Line " + std::to_string(nLine) + " of the device data: the word \"" + word +
           "\" is outside the range of the device's coefficient words; the register line "
           "was not taken.";
}

std::string ParameterLineNotTakenMessage(const std::string& line, const std::string& why)
{
    std::string text = line;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return "The device data line \"" + text + "\" " + why + "; the filter was not taken.";
}
