// What every way in for filters must keep, checked by the fuzz targets of their readers: a
// filter that is taken can go into the grids as it is (finite parameters, whole numbers in
// range, a section that can be designed) and its six-decimal text reads back as the same
// filter (IncomingFilterProblem), so that whatever writes it can be read back.
#pragma once

#include "filters/FilterDesignCheck.h"
#include "filters/FilterLists.h"

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
