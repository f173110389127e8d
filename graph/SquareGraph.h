// The canvas of the compression plots: a square plot area, as wide as the canvas is
// high, at the right-hand end of the canvas.
#pragma once

#include "graph/BasicGraph.h"

class CSquareGraph : public CBasicGraph
{
public:
    CSquareGraph();
    bool Draw(CWnd* pWnd, CDC* pDC) override;

protected:
    void LayoutRegions() override;
};
