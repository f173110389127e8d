#include "device/QZX2410_Manager.h"

#include "device/CoefficientWords.h"
#include "device/DeviceDataCheck.h"
#include "device/DeviceDataRecognition.h"
#include "device/DeviceDataText.h"
#include "device/DeviceTextFile.h"
#include "device/FilterBlock.h"
#include "device/QZX2410EqFile.h"
#include "document/MorvaneDoc.h"
#include "document/MorvaneSettings.h"
#include "filters/FilterDesignCheck.h"
#include "framework/core/Services.h"
#include "graph/CFormat.h"
#include "graph/Convert.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>

namespace
{
const char* const kRegisterNames[CQZX2410_Manager::kRegisterRows][16] = {
    {"34", "35", "36", "37", "4F", "50", "51", "52", "53", "54", "55", "56", "57", "58", "59",
     "5A"},
    {"38", "39", "3A", "3B", "5B", "5C", "5D", "5E", "5F", "60", "61", "62", "63", "64", "65",
     "66"},
    {"48", "49", "4A", "4B", "67", "68", "69", "6A", "6B", "6C", "6D", "6E", "6F", "70", "71",
     "72"},
};

constexpr double kWordScale = 8388608.0; // 2^23
const char kSectionLine[] = "!# Filter Parameters";

bool IsFeedbackName(const std::string& name)
{
    return name == "A1" || name == "A2";
}

// " 00 80 00 00" from "00800000".
std::string BlankLedPairs(const std::string& digits)
{
    std::string out;
    for (std::size_t i = 0; i < digits.size(); i += 2)
        out += " " + digits.substr(i, 2);
    return out;
}

std::string WithoutLineEnd(const std::string& line)
{
    const std::size_t end = line.find_last_not_of("\r\n");
    return end == std::string::npos ? std::string() : line.substr(0, end + 1);
}

bool IsHexText(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789ABCDEFabcdef") == std::string::npos;
}

// A line of an old channel block: a comment line, the channel line, an entry head "Q<n>"
// (with its words in the same entry as generated, or alone as read from a file) or a
// word line of blank-led digit pairs.
bool IsChannelBlockLine(const std::string& line)
{
    if (line.rfind("!# ", 0) == 0 || line.rfind("! Channel Number ", 0) == 0)
        return true;
    const std::string first = WithoutLineEnd(line.substr(0, line.find('\n')));
    if (first.size() >= 2 && first[0] == 'Q' && IsHexText(first.substr(1)))
        return true;
    if (first.empty() || first.size() % 3 != 0)
        return false;
    for (std::size_t i = 0; i < first.size(); i += 3)
        if (first[i] != ' ' || !IsHexText(first.substr(i + 1, 2)))
            return false;
    return true;
}

mwMatrix Row(double x0, double x1, double x2)
{
    double values[] = {x0, x1, x2};
    return mwMatrix(1, 3, values, nullptr, 1);
}
} // namespace

CQZX2410_Manager::CQZX2410_Manager(const CDeviceServices& services) : m_Services(services) {}

const char* CQZX2410_Manager::RegisterName(int row, int i)
{
    return kRegisterNames[row][i];
}

bool CQZX2410_Manager::IsQZX6060() const
{
    return m_Services.device.GetDeviceId() == kDeviceQZX6060;
}

void CQZX2410_Manager::SetDataFileNameFromRaw(const std::string& rawPath)
{
    const std::size_t folderEnd = rawPath.find_last_of("/\\");
    const std::size_t dot = rawPath.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (folderEnd == std::string::npos || dot > folderEnd);
    const std::string base = hasExtension ? rawPath.substr(0, dot) : rawPath;
    m_FileStatus.SetName(base + CQZX2410EqFile(IsQZX6060()).m_strDefaultExtension);
}

bool CQZX2410_Manager::HasDeviceData() const
{
    return m_FileStatus.m_GeneratedMode.IsOn() || m_FileStatus.m_OpenedFromFileMode.IsOn();
}

bool CQZX2410_Manager::HasFilterParameters() const
{
    return HasDeviceData() && m_FileStatus.m_HasFilterSectionMode.IsOn();
}

bool CQZX2410_Manager::HasFilterParameterSection() const
{
    return ::HasFilterParameterSection(m_DataLines);
}

bool CQZX2410_Manager::GridHasFilters() const
{
    return m_pDoc && m_pDoc->m_FiltersInGridMode.IsOn();
}

std::string CQZX2410_Manager::CoefficientToHex(double value, const std::string& name,
                                               bool* saturated)
{
    const std::int32_t word = CoefficientToWord28(IsFeedbackName(name) ? -value : value, saturated);
    if (name == "A8")
        return BlankLedPairs(FormatC("%.16X", unsigned(word) & 0x0FFFFFFFu));
    // The 28-bit word sign-filled to 32 bits.
    return BlankLedPairs(FormatC("%.8X", unsigned(word)));
}

bool CQZX2410_Manager::IsWordInRange(const std::string& text)
{
    const std::string digits = HexWordDigits(text);
    if (digits.size() < 8)
        return true;
    // Sign-filled: the top five bits all equal.
    const std::uint32_t top = std::uint32_t(std::strtoul(digits.c_str(), nullptr, 16)) >> 27;
    return digits.size() == 8 && (top == 0 || top == 0x1F);
}

double CQZX2410_Manager::HexToCoefficient(const std::string& text, const std::string& name)
{
    const std::string hex = HexWordDigits(text);
    const std::size_t digits = hex.size();
    if (digits == 0 || !IsWordInRange(hex))
        return 0.0;
    const std::uint32_t raw = std::uint32_t(std::strtoul(hex.c_str(), nullptr, 16));
    std::uint32_t word = raw;
    if (digits == 7 && (raw & 0x08000000u))
        word |= 0xF0000000u;
    else if (digits == 6 && (raw & 0x00800000u))
        word |= 0xFF000000u;
    const double value = double(std::int32_t(word)) / kWordScale;
    return IsFeedbackName(name) ? -value : value;
}

bool CQZX2410_Manager::FormatCoefficientWords(std::string& out, int k, const CMatrixPtrArray& listA,
                                              const CMatrixPtrArray& listB,
                                              std::vector<std::string>* saturated) const
{
    struct CWord
    {
        const char* name;
        const mwMatrix& vector;
        int column;
    };
    const CWord b0{"B0", listB.GetAt(k), 1}, b1{"B1", listB.GetAt(k), 2},
        b2{"B2", listB.GetAt(k), 3}, a1{"A1", listA.GetAt(k), 2}, a2{"A2", listA.GetAt(k), 3};
    const CWord qzx6060[] = {b0, b1, b2, a1, a2};
    const CWord qzx2410[] = {a1, a2, b0, b1, b2};
    for (const CWord& w : IsQZX6060() ? qzx6060 : qzx2410)
    {
        bool clipped = false;
        out += CoefficientToHex(w.vector.RealElement(w.column), w.name, &clipped) + "\r\n";
        if (clipped && saturated)
            saturated->push_back(w.name);
    }
    return true;
}

bool CQZX2410_Manager::CollectFilterWords(std::vector<std::string>& comments,
                                          std::vector<std::string>& words, int& count,
                                          std::vector<std::string>* nonFinite)
{
    count = 0;
    if (!m_pDoc || !m_pDoc->App().UpdateFiltersFromGrids())
        return false;
    CMatrixPtrArray listA, listB;
    std::vector<std::string> texts;
    COutputOrderArray orders;
    int n = 0;
    if (!CollectActiveFilters(m_pDoc->m_FilterLists, listA, listB, texts, orders, n, nonFinite))
        return false;
    for (int j = 0; j < n; ++j)
    {
        const int k = orders.GetAt(j).m_nIndex;
        const std::string label = LabelOfParameterText(texts[std::size_t(k)]);
        if (j >= kMaxSections)
        {
            m_Warnings.push_back("Filter " + label + " was left out: the device holds " +
                                 std::to_string(kMaxSections) + " filters.");
            continue;
        }
        std::string block;
        std::vector<std::string> saturated;
        FormatCoefficientWords(block, k, listA, listB, &saturated);
        words.push_back(block);
        comments.push_back(texts[std::size_t(k)]);
        for (const std::string& name : saturated)
            m_Warnings.push_back("Filter " + label + ": coefficient " + name +
                                 " is outside the device's range and was limited.");
    }
    count = int(words.size());
    return true;
}

int CQZX2410_Manager::WriteChannelBlock(std::vector<std::string>& lines, int start)
{
    std::vector<std::string> comments, words, nonFinite;
    int n = 0;
    CollectFilterWords(comments, words, n, &nonFinite);
    if (!nonFinite.empty())
    {
        m_Warnings.push_back(UndesignableFiltersMessage(kDeviceDataKept, nonFinite));
        return -1;
    }
    const std::size_t s = std::size_t(start);
    if (lines.size() < s + 2 * std::size_t(n) + 1)
        lines.resize(s + 2 * std::size_t(n) + 1);
    for (int i = 0; i < n; ++i)
        lines[s + std::size_t(i)] = comments[std::size_t(i)];
    lines[s + std::size_t(n)] = "! Channel Number " + std::to_string(m_nChannelNumber) + "\r\n";
    for (int k = 1; k <= n; ++k)
        lines[s + std::size_t(n + k)] =
            FormatC("Q%.0X\r\n", unsigned(k)) + words[std::size_t(k - 1)];
    m_FileStatus.m_AcceptedMode.TurnOff();
    m_FileStatus.m_OpenedFromFileMode.TurnOff();
    m_FileStatus.m_GeneratedMode.TurnOn();
    m_FileStatus.m_HasFilterSectionMode.TurnOn();
    return start + 2 * n + 1;
}

void CQZX2410_Manager::ShowWarnings()
{
    if (m_Warnings.empty())
        return;
    std::string text;
    for (const std::string& warning : m_Warnings)
        text += (text.empty() ? "" : "\n") + warning;
    m_Warnings.clear();
    Services::MessageBox().Show(text);
}

bool CQZX2410_Manager::GenerateDeviceData()
{
    m_nChannelNumber = 1;
    const std::string rate = m_pDoc ? std::to_string(m_pDoc->m_nSamplingFrequency / 1000) : "";
    std::vector<std::string> lines =
        DeviceDataHeaderLines(m_FileStatus.GetName(), m_Services.today(), rate);
    m_Warnings.clear();
    const int end = WriteChannelBlock(lines, int(lines.size()));
    if (end < 0)
    {
        ShowWarnings();
        return false;
    }
    lines.resize(std::size_t(end));
    m_DataLines = std::move(lines);
    m_FileStatus.m_GeneratedMode.TurnOn();
    m_FileStatus.m_SavedMode.TurnOff();
    ShowWarnings();
    return true;
}

CDeviceDataRules CQZX2410_Manager::Rules() const
{
    return FamilyDataRules(IsQZX6060(), m_pDoc ? m_pDoc->m_nSamplingFrequency : 0);
}

bool CQZX2410_Manager::ShowEditor()
{
    if (!EditDeviceDataChecked(m_Services.editor, m_DataLines, Rules()))
        return false;
    m_FileStatus.m_AcceptedMode.TurnOn();
    m_FileStatus.m_SavedMode.TurnOff();
    return true;
}

bool CQZX2410_Manager::EditDeviceData(bool bRegenerate)
{
    if ((bRegenerate || !HasDeviceData()) && GridHasFilters() && !GenerateDeviceData())
        return false;
    return ShowEditor();
}

bool CQZX2410_Manager::OpenDeviceData()
{
    const CQZX2410EqFile file(IsQZX6060());
    std::string path;
    if (!AskDeviceFilePath(false, file.m_strDefaultExtension, file.m_strFilter,
                           file.m_strDefaultFileName, m_Services.settings.m_strKT47Directory, path))
        return false;
    std::vector<std::string> lines;
    std::string error;
    if (!CEqFile::ReadDeviceData(path, Rules(), lines, error))
    {
        Services::MessageBox().Show(error);
        return false;
    }
    m_FileStatus.SetName(path);
    m_DataLines = lines;
    m_FileStatus.m_OpenedFromFileMode.TurnOn();
    m_FileStatus.m_GeneratedMode.TurnOff();
    if (HasFilterParameterSection())
        m_FileStatus.m_HasFilterSectionMode.TurnOn();
    else
        m_FileStatus.m_HasFilterSectionMode.TurnOff();
    // The lines match the file only when the user accepted them as they were read. The
    // accepted mode is the editor's alone: Cancel leaves it as it was.
    if (ShowEditor() && m_DataLines == lines)
        m_FileStatus.m_SavedMode.TurnOn();
    else
        m_FileStatus.m_SavedMode.TurnOff();
    return true;
}

bool CQZX2410_Manager::SaveTo(bool bAsk, const std::string& name)
{
    // Lines generated and never accepted are generated again from the grids' filters, as
    // the document's own data is (a cancelled editor kept the older ones).
    if (m_FileStatus.m_AcceptedMode.IsOff() && !EditDeviceData(m_FileStatus.m_GeneratedMode.IsOn()))
        return false;
    std::string path = name;
    const std::string bareName = FileNameFromPath(path);
    bAsk = bAsk || path.find_first_of("/\\") == std::string::npos;
    if (bAsk)
    {
        const CQZX2410EqFile file(IsQZX6060());
        path.clear();
        if (!AskDeviceFilePath(true, file.m_strDefaultExtension, file.m_strFilter, bareName,
                               m_Services.settings.m_strKT47Directory, path))
            return false;
    }
    std::vector<std::string> lines = m_DataLines;
    SetNameLine(bAsk ? path : bareName, lines);
    SetDateLine(m_Services.today(), lines);
    std::string error;
    if (!CEqFile::WriteDeviceData(path, lines, Rules(), error))
    {
        Services::MessageBox().Show(error);
        return false;
    }
    m_DataLines = std::move(lines);
    m_FileStatus.SetName(path);
    m_FileStatus.m_SavedMode.TurnOn();
    return true;
}

bool CQZX2410_Manager::SaveDeviceData()
{
    return m_FileStatus.m_OpenedFromFileMode.IsOn() && SaveTo(false, m_FileStatus.GetName());
}

bool CQZX2410_Manager::SaveDeviceDataTo(const std::string& path)
{
    return SaveTo(false, path);
}

bool CQZX2410_Manager::SaveAsDeviceData()
{
    return SaveTo(true, m_FileStatus.GetName());
}

bool CQZX2410_Manager::ReplaceFilterBlock()
{
    std::vector<std::string> block;
    m_Warnings.clear();
    const int end = WriteChannelBlock(block, 0);
    if (end < 0)
    {
        ShowWarnings();
        return false;
    }
    block.resize(std::size_t(end));
    std::size_t section = 0;
    while (section < m_DataLines.size() &&
           m_DataLines[section].find(kSectionLine) == std::string::npos)
        ++section;
    if (section == m_DataLines.size())
    {
        m_DataLines.insert(m_DataLines.begin(), std::string(kSectionLine) + "\r\n");
        section = 0;
    }
    const auto start = m_DataLines.begin() + std::ptrdiff_t(section + 1);
    auto last = start;
    while (last != m_DataLines.end() && IsChannelBlockLine(*last))
        ++last;
    const auto at = m_DataLines.erase(start, last);
    m_DataLines.insert(at, block.begin(), block.end());
    ShowWarnings();
    return true;
}

bool CQZX2410_Manager::GetCommentLines(std::vector<std::string>& lines) const
{
    for (const std::string& line : m_DataLines)
        if (line.find("!#") != std::string::npos)
            lines.push_back(line);
    return true;
}

bool CQZX2410_Manager::ParseRegisterLine(const std::string& line, CMatrixPtrArray& listA,
                                         CMatrixPtrArray& listB) const
{
    const std::vector<std::string> fields = SplitRegisterFields(line);
    if (!FindWordOutOfRange(fields, &IsWordInRange).empty())
        return false;
    auto word = [&fields](std::size_t i, const char* name)
    { return i < fields.size() ? HexToCoefficient(fields[i], name) : 0.0; };
    listA.Add(Row(1.0, word(4, "A1"), word(5, "A2")));
    listB.Add(Row(word(1, "B0"), word(2, "B1"), word(3, "B2")));
    return true;
}

int CQZX2410_Manager::ImportCoefficients(CMatrixPtrArray& listA, CMatrixPtrArray& listB,
                                         std::vector<std::string>* refused) const
{
    int pairs = 0;
    for (std::size_t k = 0; k < m_DataLines.size(); ++k)
    {
        const std::string& line = m_DataLines[k];
        bool isRegister = false;
        for (int row = 0; row < kRegisterRows && !isRegister; ++row)
            for (int i = 0; i < 16 && !isRegister; ++i)
                isRegister = line.compare(0, 2, kRegisterNames[row][i]) == 0;
        if (!isRegister)
            continue;
        if (ParseRegisterLine(line, listA, listB))
            ++pairs;
        else if (refused)
            refused->push_back(WordOutOfRangeMessage(
                TextLineOfEntry(m_DataLines, k),
                FindWordOutOfRange(SplitRegisterFields(line), &IsWordInRange)));
    }
    return pairs;
}
