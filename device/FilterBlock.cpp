#include "device/FilterBlock.h"

#include "device/CoefficientWords.h"
#include "filters/FilterDesignCheck.h"
#include "filters/FilterLists.h"
#include "graph/MorvaneUtilities.h"
#include "matrix/mwexcept.h"

#include <algorithm>

namespace
{
std::string ParameterText(CDigFilterBase& filter)
{
    std::string line;
    filter.FormatLine(line);
    // One line of the text: a line end of either kind inside it would split it in two.
    std::erase_if(line, [](char c) { return c == '\n' || c == '\r'; });
    return "!# " + line + "\r\n";
}

struct CCollector
{
    CMatrixPtrArray& listA;
    CMatrixPtrArray& listB;
    std::vector<std::string>& texts;
    COutputOrderArray& orders;
    int index = 0;
    std::vector<std::string> nonFinite{};

    // After the list's active filters were designed: a filter that cannot be designed
    // (FilterDesignFault) is named in nonFinite, and no writer takes the set.
    template <class TList> void AddOrderAndText(TList& list)
    {
        for (int i = 0; i < list.GetSize(); ++i)
        {
            auto* filter = list.GetAt(i);
            if (!filter->m_ActiveMode.IsOn())
                continue;
            if (std::string fault = FilterDesignFault(*filter); !fault.empty())
                nonFinite.push_back(std::move(fault));
            orders.Add(index++, filter->GetOutputOrder());
            texts.push_back(ParameterText(*filter));
        }
    }
    // Designed kinds: coefficients, record and text per active filter, one after another.
    template <class TList> void Designed(TList& list)
    {
        for (int i = 0; i < list.GetSize(); ++i)
        {
            auto* filter = list.GetAt(i);
            if (!filter->m_ActiveMode.IsOn())
                continue;
            filter->Calculate(); // false: the coefficients in hand are used
            listA.Add(*filter->GetA());
            listB.Add(*filter->GetB());
        }
        AddOrderAndText(list);
    }
    // Generic kinds: the list appends all its active coefficients first.
    void Generic(CDigGenericFilterArray& list)
    {
        list.GetActiveCoefficients(listA, listB);
        AddOrderAndText(list);
    }
};

double Element(const mwMatrix& m, int column)
{
    return m.RealElement(column);
}
} // namespace

bool CollectActiveFilters(CFilterLists& lists, CMatrixPtrArray& listA, CMatrixPtrArray& listB,
                          std::vector<std::string>& texts, COutputOrderArray& orders, int& count,
                          std::vector<std::string>* nonFinite)
{
    count = 0;
    CCollector c{listA, listB, texts, orders};
    try
    {
        c.Designed(lists.m_BassShelfFilters);
        c.Designed(lists.m_Cheby_1HPFilters);
        c.Designed(lists.m_Cheby_1LPFilters);
        c.Designed(lists.m_EQFilters);
        c.Designed(lists.m_HighPass_BFilters);
        c.Designed(lists.m_HighPass_LRFilters);
        c.Designed(lists.m_LowPass_BFilters);
        c.Designed(lists.m_LowPass_LRFilters);
        c.Designed(lists.m_NotchFilters);
        c.Designed(lists.m_TrebleShelfFilters);
        c.Designed(lists.m_Butterworth_1HPFilters);
        c.Designed(lists.m_Butterworth_1LPFilters);
        c.Generic(lists.m_LowPlateauFilters);
        c.Generic(lists.m_HighPlateauFilters);
        c.Generic(lists.m_LowVariQFilters);
        c.Generic(lists.m_HighVariQFilters);
        c.Generic(lists.m_AllpassFilters);
    }
    catch (const mwException& e)
    {
        ShowMessage(e.Message() ? e.Message() : "");
        return true;
    }
    if (!c.nonFinite.empty())
    {
        if (nonFinite)
            *nonFinite = c.nonFinite;
        return false;
    }
    count = c.index;
    orders.Sort();
    return true;
}

bool FormatCoefficientLine(std::string& dest, int k, const CMatrixPtrArray& listA,
                           const CMatrixPtrArray& listB, std::vector<std::string>* saturated)
{
    struct CWord
    {
        const char* name;
        const mwMatrix& vector;
        int column;
    };
    const CWord words[] = {{"B0", listB.GetAt(k), 1},
                           {"B1", listB.GetAt(k), 2},
                           {"B2", listB.GetAt(k), 3},
                           {"A1", listA.GetAt(k), 2},
                           {"A2", listA.GetAt(k), 3}};
    const char* separator = "";
    for (const CWord& w : words)
    {
        bool clipped = false;
        dest += separator + CoefficientToHex24(Element(w.vector, w.column), &clipped);
        if (clipped && saturated)
            saturated->push_back(w.name);
        separator = " ";
    }
    dest += "\r\n";
    return true;
}

bool CollectFilterBlock(CFilterLists& lists, CFilterBlock& block)
{
    CMatrixPtrArray listA, listB;
    std::vector<std::string> texts;
    COutputOrderArray orders;
    if (!CollectActiveFilters(lists, listA, listB, texts, orders, block.count, &block.nonFinite))
        return false;
    for (int j = 0; j < block.count; ++j)
    {
        const int k = orders.GetAt(j).m_nIndex;
        std::string line;
        std::vector<std::string> saturated;
        FormatCoefficientLine(line, k, listA, listB, &saturated);
        block.coefficientLines.push_back(line);
        block.texts.push_back(texts[std::size_t(k)]);
        if (!saturated.empty())
        {
            std::string names;
            for (const std::string& n : saturated)
                names += (names.empty() ? "" : ", ") + n;
            std::string label = texts[std::size_t(k)].substr(3);
            label = label.substr(0, label.find(','));
            block.warnings.push_back("Filter " + label + ": coefficient " + names +
                                     " is outside the device's range and was limited.");
            block.warningEntries.push_back(j);
        }
    }
    return true;
}
