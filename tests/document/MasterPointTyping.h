// Master points typed into a grid as the user types them: row by row, each key press
// preparing its row (an editable grid grows its new-entry row as it goes).
#pragma once

#include "document/MasterPtGridRows.h"

#include <utility>
#include <vector>

inline void TypeMasterPoints(CMasterPtGridRows& grid,
                             const std::vector<std::pair<double, double>>& points)
{
    int r = 0;
    for (const auto& [f, a] : points)
    {
        ++r;
        grid.PrepareRowForEdit(r);
        grid.SetFrequency(r, f);
        grid.SetAmplitude(r, a);
    }
}
