// The canvas of the compression plots: a square plot area, as wide as the canvas is
// high, at the right-hand end of the canvas.
#pragma once

#include "graph/BasicGraph.h"

class CSquareGraph : public CBasicGraph
{
public:
    // nBorder: the height of the strip under the plot (and the readout's measure), canvas
    // units; a plot with more under its input axis than values and titles asks for more
    // than the usual 220.
    explicit CSquareGraph(int nBorder = 220);
    bool Draw(CWnd* pWnd, CDC* pDC) override;

protected:
    void LayoutRegions() override;
};
