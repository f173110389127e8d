#include "filters/FilterLists.h"

CFilterLists::CFilterLists()
{
    m_LowPlateauFilters.SetCommandId(FilterKindInfo(kKindLOPT).refreshCommand);
    m_HighPlateauFilters.SetCommandId(FilterKindInfo(kKindHIPT).refreshCommand);
    m_LowVariQFilters.SetCommandId(FilterKindInfo(kKindVQLP).refreshCommand);
    m_HighVariQFilters.SetCommandId(FilterKindInfo(kKindVQHP).refreshCommand);
    m_AllpassFilters.SetCommandId(FilterKindInfo(kKindALPS).refreshCommand);
}

void CFilterLists::RemoveAll()
{
    ForEach([](EFilterKind, auto& list) { list.RemoveAll(); });
}

int CFilterLists::GetTotalCount()
{
    int count = 0;
    ForEach([&](EFilterKind, auto& list) { count += list.GetSize(); });
    return count;
}

void CFilterLists::SetRefreshNotifier(const std::function<void(int nCommandId)>& notifier)
{
    ForEach([&](EFilterKind, auto& list) { list.SetRefreshNotifier(notifier); });
}
