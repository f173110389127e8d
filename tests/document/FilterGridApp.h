// The application services of a run without a screen, with the seventeen filter grids of
// the filter editor in memory: the editor's pages load the lists into their grids and read
// them back, as the filter sheet does.
#pragma once

#include "document/HeadlessAppServices.h"
#include "document/MorvaneDoc.h"
#include "filters/FilterGridTable.h"
#include "filters/FilterGridTransfer.h"

#include <memory>
#include <string>
#include <vector>

class CFilterGridApp : public CHeadlessAppServices
{
public:
    CFilterGridApp()
    {
        for (int kind = 0; kind < kFilterKindCount; ++kind)
            m_Grids.push_back(std::make_unique<CFilterGridTable>(1000 + kind, kind));
    }
    void ReloadFilterGrids() override
    {
        CHeadlessAppServices::ReloadFilterGrids();
        m_pMorvaneDoc->m_FilterLists.ForEach([this](EFilterKind kind, auto& list)
                                             { FiltersToGrid(*m_Grids[kind], list); });
    }
    bool UpdateFiltersFromGrids() override
    {
        if (!CHeadlessAppServices::UpdateFiltersFromGrids())
            return false;
        const int fs = m_pMorvaneDoc->m_nSamplingFrequency;
        m_pMorvaneDoc->m_FilterLists.ForEach([this, fs](EFilterKind kind, auto& list)
                                             { GridToFilters(*m_Grids[kind], list, fs); });
        return true;
    }
    // The filter rows of every grid (the rows with an output order): the empty filter row
    // after them takes a generated name of the moment.
    std::vector<std::vector<std::string>> Cells() const
    {
        std::vector<std::vector<std::string>> cells;
        for (const auto& grid : m_Grids)
            for (const int r : grid->OrderedRows())
            {
                cells.emplace_back();
                for (int c = 0; c < grid->GetCols(); ++c)
                    cells.back().push_back(grid->GetTextMatrix(r, c));
            }
        return cells;
    }
    std::vector<std::unique_ptr<CFilterGridTable>> m_Grids;
};
