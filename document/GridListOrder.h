// The order in which the speaker document visits its seventeen grid lists for filter
// responses, Draw Filters and the coefficient file: BS, C1HP, C1LP, EQ, HPB, HPLR, LPB,
// LPLR, NT, TS, B1HP, B1LP, LOPT, HIPT, VQLP, VQHP, ALPS. The list of calculated EQ
// filters is not among them. (The parameter file has its own order, CFilterLists::ForEach.)
#pragma once

#include "filters/FilterLists.h"

template <class F> void ForEachGridList(CFilterLists& lists, F&& f)
{
    f(lists.m_BassShelfFilters);
    f(lists.m_Cheby_1HPFilters);
    f(lists.m_Cheby_1LPFilters);
    f(lists.m_EQFilters);
    f(lists.m_HighPass_BFilters);
    f(lists.m_HighPass_LRFilters);
    f(lists.m_LowPass_BFilters);
    f(lists.m_LowPass_LRFilters);
    f(lists.m_NotchFilters);
    f(lists.m_TrebleShelfFilters);
    f(lists.m_Butterworth_1HPFilters);
    f(lists.m_Butterworth_1LPFilters);
    f(lists.m_LowPlateauFilters);
    f(lists.m_HighPlateauFilters);
    f(lists.m_LowVariQFilters);
    f(lists.m_HighVariQFilters);
    f(lists.m_AllpassFilters);
}
