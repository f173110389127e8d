// The filter edit grid's rows over a plain table of texts: the grid without a screen,
// for headless runs and tests.
#pragma once

#include "filters/FilterGridRows.h"
#include "graph/GridCells.h"

class CFilterGridTable : public CPlainGrid<CFilterGridRows>
{
public:
    CFilterGridTable(unsigned uID, int kind) : CPlainGrid<CFilterGridRows>(uID, kind)
    {
        ResetCells(2, Info().m_nColumnCount);
    }
};
