#include "filters/FilterParameterFile.h"

#include "filters/FilterDesignCheck.h"
#include "filters/FilterKinds.h"
#include "filters/FilterLists.h"
#include "graph/BinaryStream.h"
#include "graph/CFormat.h"
#include "graph/ResourceString.h"

#include <istream>
#include <memory>
#include <sstream>
#include <type_traits>
#include <utility>
#include <vector>

namespace
{
constexpr unsigned kNoFilterLineId = 5155;
constexpr unsigned kNotWrittenNotFiniteId = 5166;
constexpr unsigned kNotTakenId = 5167;
constexpr unsigned kNotWrittenNotDesignedId = 5168;

// The line as a filter of the first kind whose prefix its field 0 holds, appended to that
// kind's list; nullptr, with the lists unchanged, for a line of no kind.
CDigFilterBase* AddFilterOfLine(CFilterLists& lists, std::string line, int nSampleRate)
{
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    CDigFilterBase* pFilter = nullptr;
    lists.ForEach(
        [&](EFilterKind kind, auto& list)
        {
            if (pFilter || !LabelHasPrefix(line, FilterKindInfo(kind).prefixId))
                return;
            using Filter = typename std::remove_reference_t<decltype(list)>::Element;
            pFilter = list.Add(std::make_unique<Filter>());
            pFilter->Parse(line, nSampleRate);
        });
    return pFilter;
}

// The message that refuses a file at a line whose filter cannot come in; empty when it
// can.
std::string RefusalOf(CDigFilterBase& filter)
{
    const std::string problem = IncomingLineProblem(filter);
    return problem.empty() ? problem
                           : FormatC(CResourceString(kNotTakenId).c_str(),
                                     filter.GetLabel().c_str(), problem.c_str());
}

// The filters of the lists that their own sample rate cannot design, "label: why" each.
std::vector<std::string> UndesignedAtOwnRate(CFilterLists& lists)
{
    std::vector<std::string> faults;
    lists.ForEach(
        [&](EFilterKind, auto& list)
        {
            for (int i = 0; i < list.GetSize(); ++i)
                if (std::string fault = FilterDesignFault(*list.GetAt(i)); !fault.empty())
                    faults.push_back(std::move(fault));
        });
    return faults;
}

// The message that refuses to save the lists when a filter would not open again: a
// parameter that is no finite number (a calculation that gave none: the readers and grid
// cells take none), or a filter that opening refuses (IncomingFilterProblem); empty when
// every filter would open.
std::string SaveRefusal(CFilterLists& lists)
{
    std::string refusal;
    lists.ForEach(
        [&](EFilterKind, auto& list)
        {
            for (int i = 0; refusal.empty() && i < list.GetSize(); ++i)
            {
                CDigFilterBase& filter = *list.GetAt(i);
                if (const std::string name = NonFiniteParameterName(filter); !name.empty())
                    refusal = FormatC(CResourceString(kNotWrittenNotFiniteId).c_str(), name.c_str(),
                                      filter.GetLabel().c_str());
                else if (const std::string problem = IncomingFilterProblem(filter);
                         !problem.empty())
                    refusal = FormatC(CResourceString(kNotWrittenNotDesignedId).c_str(),
                                      filter.GetLabel().c_str(), problem.c_str());
            }
        });
    return refusal;
}
} // namespace

CFilterParameterFile::CFilterParameterFile()
    : m_strDefaultExt(CResourceString(206)), m_strFilter(CResourceString(207)),
      m_strDefaultFileName(CResourceString(208))
{
}

bool CFilterParameterFile::WriteFilters(CFilterLists& lists, std::ostream& file)
{
    lists.ForEach(
        [&](EFilterKind, auto& list)
        {
            list.LabelUnnamedFilters();
            for (int i = 0; i < list.GetSize(); ++i)
                list.GetAt(i)->Write(&file);
        });
    return true;
}

bool CFilterParameterFile::ReadFilters(CFilterLists& lists, std::istream& file, int nSampleRate)
{
    lists.RemoveAll();
    std::string line;
    while (std::getline(file, line))
        AddFilterOfLine(lists, line, nSampleRate);
    return true;
}

bool CFilterParameterFile::SaveFile(const std::string& path, CFilterLists& lists,
                                    std::string& error)
{
    // Its line would refuse the whole file when it is opened: the older file, which does
    // open, is kept instead.
    if (std::string refusal = SaveRefusal(lists); !refusal.empty())
    {
        error = std::move(refusal);
        return false;
    }
    std::ostringstream text;
    WriteFilters(lists, text);
    const std::string bytes = text.str();
    return ReplaceFile(path,
                       std::span<const std::uint8_t>(
                           reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
                       error);
}

bool CFilterParameterFile::OpenFile(const std::string& path, CFilterLists& lists, int nSampleRate,
                                    std::string& error)
{
    m_nErrorLine = 0;
    m_strNotice.clear();
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(path, kMaxFileBytes, bytes, error))
        return false;
    const std::string text(bytes.begin(), bytes.end());
    m_nErrorLine = FindForeignText(text);
    if (m_nErrorLine > 0)
    {
        error = CResourceString(kNoFilterLineId);
        return false;
    }
    m_nErrorLine = FindRefusedLine(text, nSampleRate, &error);
    if (m_nErrorLine > 0)
        return false;
    std::istringstream in(text);
    ReadFilters(lists, in, nSampleRate);
    m_strNotice = FiltersAboveSampleRateMessage(UndesignedAtOwnRate(lists), nSampleRate);
    return true;
}

int CFilterParameterFile::FindRefusedLine(const std::string& text, int nSampleRate,
                                          std::string* pReason)
{
    // Each line is parsed as the reading parses it, into lists of its own.
    CFilterLists scratch;
    std::istringstream in(text);
    std::string line;
    for (int n = 1; std::getline(in, line); ++n)
    {
        CDigFilterBase* pFilter = AddFilterOfLine(scratch, line, nSampleRate);
        if (std::string reason = pFilter ? RefusalOf(*pFilter) : std::string(); !reason.empty())
        {
            if (pReason)
                *pReason = std::move(reason);
            return n;
        }
        scratch.RemoveAll();
    }
    return 0;
}

int CFilterParameterFile::FindForeignText(const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    int nFirst = 0;
    for (int n = 1; std::getline(in, line); ++n)
    {
        if (FindLabelKind(line) >= 0)
            return 0;
        if (nFirst == 0 && line.find_first_not_of(" \t\r\v\f") != std::string::npos)
            nFirst = n;
    }
    return nFirst;
}

bool CFilterParameterFile::LineHasPrefix(std::string line, unsigned prefixId)
{
    return LabelHasPrefix(line, prefixId);
}
