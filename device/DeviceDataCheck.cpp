#include "device/DeviceDataCheck.h"

#include "device/CoefficientWords.h"
#include "device/DeviceDataReadBack.h"
#include "device/DeviceDataRecognition.h"
#include "device/DeviceDataText.h"
#include "device/EqFile.h"
#include "device/QZX2410_Manager.h"
#include "framework/core/Services.h"

namespace
{
constexpr std::size_t kWordsPerEntry = 5;

// The text lines of a file of the lines, as the reader takes them back, without their
// line ends.
std::vector<std::string> WrittenTextLines(const std::vector<std::string>& lines)
{
    std::vector<std::string> text = SplitDeviceDataText(JoinDeviceDataLines(lines));
    for (std::string& line : text)
        line.resize(line.size() - 2);
    return text;
}

std::string LineText(std::size_t i, const std::string& line)
{
    return "line " + std::to_string(i + 1) + " (\"" + line + "\")";
}

std::string WordFault(std::size_t i, const std::string& line, const std::string& word,
                      const CDeviceDataRules& rules)
{
    return LineText(i, line) + " holds " + (word.empty() ? "no word" : "\"" + word + "\"") +
           " where a coefficient word of the " + rules.family + " belongs: " + rules.wordForm;
}

// The first of a register line's five words that is no word of the chip; none: false.
bool FindBadWord(const std::string& line, const CDeviceDataRules& rules, std::string& word)
{
    const std::vector<std::string> fields = SplitRegisterFields(line);
    for (std::size_t w = 1; w <= kWordsPerEntry; ++w)
    {
        word = w < fields.size() ? fields[w] : std::string();
        if (!IsHexWord(word) || !rules.isWordInRange(word))
            return true;
    }
    return false;
}

bool IsEntryHead(const std::string& line)
{
    return line.size() >= 2 && line.size() <= 3 && line[0] == 'Q' && IsHexWord(line.substr(1));
}

bool IsFamilyWordInRange(const std::string& line)
{
    std::string digits;
    for (char c : line)
        if (c != ' ')
            digits += c;
    return IsFamilyWordLine(line) && CQZX2410_Manager::IsWordInRange(digits);
}

const char kFamilyWordLineForm[] =
    "four blank-led pairs of hexadecimal digits of a 28-bit word filled with its sign, such "
    "as \" 00 80 00 00\" or \" FF 80 00 00\"";
} // namespace

CDeviceDataRules EqDataRules(int nSampleRate)
{
    return {"QZX2201/QZX2202",
            &IsEqDataLine,
            &BeginsWithEqRegister,
            &IsHex24WordInRange,
            "one to six hexadecimal digits, such as 0FFF5A",
            false,
            nSampleRate,
            &FixedSettingFault};
}

CDeviceDataRules FamilyDataRules(bool bQZX6060, int nSampleRate)
{
    return {bQZX6060 ? "QZX606X" : "QZX241X",
            &IsFamilyDataLine,
            &BeginsWithFamilyRegister,
            &CQZX2410_Manager::IsWordInRange,
            "eight hexadecimal digits of a 28-bit word filled with its sign, such as 00800000 "
            "or FF800000",
            true,
            nSampleRate};
}

std::string FindDeviceDataFault(const std::vector<std::string>& lines,
                                const CDeviceDataRules& rules)
{
    const std::size_t bytes = DeviceDataFileText(lines).size();
    if (bytes > CEqFile::kMaxFileBytes)
        return "it holds " + std::to_string(bytes) + " bytes, more than the " +
               std::to_string(CEqFile::kMaxFileBytes) + " that device data is read from";
    const std::vector<std::string> text = WrittenTextLines(lines);
    if (!HoldsDeviceData(text, rules.isDataLine))
        return std::string("it holds no ") + rules.family +
               " device data (none of its lines is one that the chip is programmed from)";
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const std::string& line = text[i];
        std::string word;
        if (rules.isRegisterLine(line) && FindBadWord(line, rules, word))
            return WordFault(i, line, word, rules);
        if (const std::string why = FindParameterLineRefusal(line, rules.nSampleRate); !why.empty())
            return LineText(i, line) + " " + why;
        if (const std::string why = rules.findSettingFault ? rules.findSettingFault(line) : "";
            !why.empty())
            return LineText(i, line) + " " + why;
        if (!rules.bEntries || !IsEntryHead(line))
            continue;
        for (std::size_t k = i + 1; k <= i + kWordsPerEntry; ++k)
        {
            if (k >= text.size())
                return LineText(i, line) + " begins an entry of fewer than five words";
            if (!IsFamilyWordInRange(text[k]))
                return LineText(k, text[k]) + " is no coefficient word of the " + rules.family +
                       ": " + kFamilyWordLineForm;
        }
    }
    return {};
}

bool EditDeviceDataChecked(IDeviceDataEditor& editor, std::vector<std::string>& lines,
                           const CDeviceDataRules& rules)
{
    std::vector<std::string> edited = lines;
    const IDeviceDataEditor::CFaultFinder findFault = [&rules](const std::vector<std::string>& text)
    { return FindDeviceDataFault(text, rules); };
    if (!editor.EditChecked(edited, findFault))
        return false;
    if (const std::string fault = findFault(edited); !fault.empty())
    {
        Services::MessageBox().Show("The edited device data was not taken: " + fault + ".");
        return false;
    }
    lines = std::move(edited);
    return true;
}
