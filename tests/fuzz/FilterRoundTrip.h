// What every way in for filters must keep, checked by the fuzz targets of their readers: a
// filter that is taken can go into the grids as it is (finite parameters, whole numbers in
// range, a section that a sample rate the settings accept designs) and its six-decimal text
// reads back as the same filter (IncomingFilterProblem), so that whatever writes it can be
// read back; its line as the writers write it reads back field by field through the one
// parse of numbers and of Yes/No.
#pragma once

#include "filters/FilterDesignCheck.h"
#include "filters/FilterKinds.h"
#include "filters/FilterLists.h"
#include "graph/Convert.h"

#include <string>
#include <vector>

// Every filter of the lists is one that a reader may take.
inline bool AllTakeable(CFilterLists& lists)
{
    bool bTakeable = true;
    lists.ForEach(
        [&](EFilterKind, auto& list)
        {
            for (int i = 0; bTakeable && i < list.GetSize(); ++i)
            {
                CDigFilterBase& filter = *list.GetAt(i);
                bTakeable = filter.HasFiniteParameters() && filter.HasNumbersInRange() &&
                            IncomingFilterProblem(filter).empty();
            }
        });
    return bTakeable;
}

// The filter's line as the writers write it reads back whole, field by field
// (ParseWholeDouble, ParseYesNo, ParseWholeLong), as its six-decimal parameters, its modes
// (Modifiable then Active for the peaking kind) and its output order; a new filter parsing
// it finds no field fault.
template <class TFilter> bool LineReadsWhole(TFilter& filter)
{
    std::string line;
    filter.FormatLine(line);
    if (line.empty() || line.back() != '\n')
        return false;
    line.pop_back();
    std::vector<std::string> fields;
    for (std::size_t start = 0;;)
    {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma == std::string::npos ? comma : comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    const std::vector<double> values = filter.GetParameterValues();
    const std::vector<const CMode*> modes =
        FindLabelKind(filter.GetPrefix()) == kKindEQ
            ? std::vector<const CMode*>{&filter.m_ModifiableMode, &filter.m_ActiveMode}
            : std::vector<const CMode*>{&filter.m_ActiveMode};
    if (fields.size() != values.size() + modes.size() + 2 || fields[0] != filter.GetLabel())
        return false;
    for (std::size_t k = 0; k < values.size(); ++k)
        if (ParseWholeDouble(fields[1 + k]) != WrittenValue(values[k]))
            return false;
    for (std::size_t m = 0; m < modes.size(); ++m)
        if (ParseYesNo(fields[1 + values.size() + m]) != (modes[m]->GetState() != 0))
            return false;
    if (ParseWholeLong(fields.back()) != long(filter.GetOutputOrder()))
        return false;
    TFilter again;
    again.Parse(line, int(filter.GetSampleRate()));
    return again.GetFieldFault().kind == CDigFilterBase::CFieldFault::EKind::kNone;
}

// Every filter of the lists reads back whole (LineReadsWhole).
inline bool AllReadWhole(CFilterLists& lists)
{
    bool bWhole = true;
    lists.ForEach(
        [&](EFilterKind, auto& list)
        {
            for (int i = 0; bWhole && i < list.GetSize(); ++i)
                bWhole = LineReadsWhole(*list.GetAt(i));
        });
    return bWhole;
}
