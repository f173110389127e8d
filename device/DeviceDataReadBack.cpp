#include "device/DeviceDataReadBack.h"

#include "device/CoefficientWords.h"
#include "device/DeviceDataText.h"
#include "filters/FilterDesignCheck.h"
#include "filters/FilterLists.h"

#include <memory>
#include <type_traits>

namespace
{
const char* const kRegisterNames[] = {"0A", "0B", "0C", "0D", "0E", "0F", "10",
                                      "13", "14", "15", "16", "17", "18", "19"};
constexpr int kBankSize = 7;

// The parameter text of a comment line: the line without the one marker the device data
// puts before it. Only the first "!# " is the marker; any other belongs to the label or
// the parameters and is kept, so that a label reads back as it was written.
std::string WithoutCommentMarker(std::string line)
{
    const std::size_t p = line.find("!# ");
    if (p != std::string::npos)
        line.erase(p, 3);
    return line;
}

bool IsRegisterLine(const std::string& line)
{
    for (const char* name : kRegisterNames)
        if (line.compare(0, 3, std::string(name) + " ") == 0)
            return true;
    return false;
}

double Word(const std::vector<std::string>& fields, std::size_t i)
{
    double value = 0.0;
    if (i < fields.size() && !Hex24ToCoefficient(fields[i], &value))
        value = 0.0;
    return value;
}

// Why a line's filter is not taken ("gives a filter that cannot be taken ..."), a clause
// without a full stop; empty when it is taken.
std::string RefusalOf(CDigFilterBase& filter)
{
    std::string problem = IncomingLineProblem(filter);
    if (problem.empty())
        return problem;
    problem.pop_back(); // its full stop: the reason goes on
    return "gives a filter that cannot be taken as the line gives it: " + problem;
}

mwMatrix Row(double x0, double x1, double x2)
{
    double values[] = {x0, x1, x2};
    return mwMatrix(1, 3, values, nullptr, 1);
}

// Adds the filter of a "!#" line to the list of the kind its label names: true when it
// was added. why says why a line naming a kind was not (empty otherwise); a filter added
// that its sample rate cannot design is named in undesigned.
bool TakeParameterLine(const std::string& raw, CFilterLists& lists, int nSampleRate,
                       std::string& why, std::vector<std::string>& undesigned)
{
    const std::string line = WithoutCommentMarker(raw);
    bool named = false, taken = false;
    lists.ForEach(
        [&](EFilterKind kind, auto& list)
        {
            if (named || !IsKindLabel(line, kind))
                return;
            named = true;
            using Filter = typename std::remove_reference_t<decltype(list)>::Element;
            auto pFilter = std::make_unique<Filter>();
            pFilter->Parse(line, nSampleRate);
            why = RefusalOf(*pFilter);
            if (!why.empty())
                return;
            if (std::string fault = FilterDesignFault(*pFilter); !fault.empty())
                undesigned.push_back(std::move(fault));
            list.Add(std::move(pFilter));
            taken = true;
        });
    return taken;
}
} // namespace

int ParameterLinesToFilters(const std::vector<std::string>& lines, CFilterLists& lists,
                            int nSampleRate, std::vector<std::string>* messages)
{
    int added = 0;
    std::vector<std::string> undesigned;
    for (const std::string& raw : lines)
    {
        if (raw.find("!#") == std::string::npos)
            continue;
        std::string why;
        if (TakeParameterLine(raw, lists, nSampleRate, why, undesigned))
            ++added;
        else if (!why.empty() && messages)
            messages->push_back(ParameterLineNotTakenMessage(raw, why));
    }
    if (messages && !undesigned.empty())
        messages->push_back(FiltersAboveSampleRateMessage(undesigned, nSampleRate));
    return added;
}

std::string FindParameterLineRefusal(const std::string& line, int nSampleRate)
{
    if (line.find("!#") == std::string::npos)
        return {};
    CFilterLists scratch;
    std::string why;
    std::vector<std::string> undesigned;
    TakeParameterLine(line, scratch, nSampleRate, why, undesigned);
    return why;
}

int CollectCoefficientLines(const std::vector<std::string>& lines, int registerCount,
                            CMatrixPtrArray& listA, CMatrixPtrArray& listB,
                            std::vector<std::string>* refused)
{
    const int registers = registerCount < kBankSize ? registerCount : kBankSize;
    int pairs = 0;
    for (std::size_t k = 0; k < lines.size(); ++k)
        for (int i = 0; i < registers; ++i)
            if (lines[k].compare(0, 2, kRegisterNames[kBankSize + i]) == 0)
            {
                const std::vector<std::string> f = SplitRegisterFields(lines[k]);
                const std::string outOfRange = FindWordOutOfRange(f, &IsHex24WordInRange);
                if (!outOfRange.empty())
                {
                    if (refused)
                        refused->push_back(
                            WordOutOfRangeMessage(TextLineOfEntry(lines, k), outOfRange));
                    break;
                }
                listA.Add(Row(1.0, Word(f, 4), Word(f, 5)));
                listB.Add(Row(Word(f, 1), Word(f, 2), Word(f, 3)));
                ++pairs;
                break;
            }
    return pairs;
}

bool ReplaceFilterBlockInPlace(std::vector<std::string>& lines, const CFilterBlock& block,
                               int registerCount, std::vector<std::string>& warnings)
{
    std::size_t start = 0;
    while (start < lines.size() && lines[start].find("!# Filter Parameters") == std::string::npos)
        ++start;
    if (start == lines.size())
    {
        lines.insert(lines.begin(), "!# Filter Parameters\r\n");
        start = 0;
    }
    ++start;
    std::size_t end = start;
    while (end < lines.size() &&
           (lines[end].compare(0, 3, "!# ") == 0 || IsRegisterLine(lines[end])))
        ++end;
    std::vector<std::string> tail(lines.begin() + std::ptrdiff_t(end), lines.end());
    lines.resize(start);
    WriteFilterBlock(lines, int(start), block, registerCount, warnings);
    lines.insert(lines.end(), tail.begin(), tail.end());
    return true;
}
