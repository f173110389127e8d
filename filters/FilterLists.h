// The seventeen filter lists of a speaker document, one per kind, with the command ids
// their editor pages are refreshed by. The parameter file and everything else that walks
// all lists use ForEach, which visits them in the parameter file's order of kinds.
#pragma once

#include "filters/DigBassShelf.h"
#include "filters/DigButterworth_1HP.h"
#include "filters/DigButterworth_1LP.h"
#include "filters/DigCheby_1HP.h"
#include "filters/DigCheby_1LP.h"
#include "filters/DigEQFilter.h"
#include "filters/DigGenericFilter.h"
#include "filters/DigHighPass_B.h"
#include "filters/DigHighPass_LR.h"
#include "filters/DigLowPass_B.h"
#include "filters/DigLowPass_LR.h"
#include "filters/DigNotch.h"
#include "filters/DigTrebleShelf.h"
#include "filters/FilterKinds.h"

#include <functional>

class CFilterLists
{
public:
    CFilterLists();
    CFilterLists(const CFilterLists&) = delete;
    CFilterLists& operator=(const CFilterLists&) = delete;

    // f(kind, list) for the seventeen lists: EQ, TS, BS, HPB, HPLR, LPB, LPLR, NT, C1HP,
    // C1LP, B1HP, B1LP, LOPT, HIPT, VQLP, VQHP, ALPS.
    template <class F> void ForEach(F&& f)
    {
        f(kKindEQ, m_EQFilters);
        f(kKindTS, m_TrebleShelfFilters);
        f(kKindBS, m_BassShelfFilters);
        f(kKindHPB, m_HighPass_BFilters);
        f(kKindHPLR, m_HighPass_LRFilters);
        f(kKindLPB, m_LowPass_BFilters);
        f(kKindLPLR, m_LowPass_LRFilters);
        f(kKindNT, m_NotchFilters);
        f(kKindC1HP, m_Cheby_1HPFilters);
        f(kKindC1LP, m_Cheby_1LPFilters);
        f(kKindB1HP, m_Butterworth_1HPFilters);
        f(kKindB1LP, m_Butterworth_1LPFilters);
        f(kKindLOPT, m_LowPlateauFilters);
        f(kKindHIPT, m_HighPlateauFilters);
        f(kKindVQLP, m_LowVariQFilters);
        f(kKindVQHP, m_HighVariQFilters);
        f(kKindALPS, m_AllpassFilters);
    }

    // Deletes every filter of every list.
    void RemoveAll();
    // The number of filters in all lists.
    int GetTotalCount();
    // Connects (an empty notifier detaches) every list's refresh notification.
    void SetRefreshNotifier(const std::function<void(int nCommandId)>& notifier);

    CDigEQFilterArray m_EQFilters;
    CDigTrebleShelfArray m_TrebleShelfFilters;
    CDigBassShelfArray m_BassShelfFilters;
    CDigHighPass_BArray m_HighPass_BFilters;
    CDigHighPass_LRArray m_HighPass_LRFilters;
    CDigLowPass_BArray m_LowPass_BFilters;
    CDigLowPass_LRArray m_LowPass_LRFilters;
    CDigNotchArray m_NotchFilters;
    CDigCheby_1HPArray m_Cheby_1HPFilters;
    CDigCheby_1LPArray m_Cheby_1LPFilters;
    CDigButterworth_1HPArray m_Butterworth_1HPFilters;
    CDigButterworth_1LPArray m_Butterworth_1LPFilters;
    CDigGenericFilterArray m_LowPlateauFilters;
    CDigGenericFilterArray m_HighPlateauFilters;
    CDigGenericFilterArray m_LowVariQFilters;
    CDigGenericFilterArray m_HighVariQFilters;
    CDigGenericFilterArray m_AllpassFilters;
};
