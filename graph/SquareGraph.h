// The canvas of the compression plots: a square plot area, as wide as the canvas is
// high, at the right-hand end of the canvas. The strip left of it holds the plot's legend
// and the output axis's values; on a canvas nearly as high as it is wide that strip would
// be too narrow for them, so the view can ask for a strip of at least a given width: the
// plot is then made smaller, in proportion, and stands on the strip under it as before,
// leaving room above it.
#pragma once

#include "graph/BasicGraph.h"

class CSquareGraph : public CBasicGraph
{
public:
    // nBorder: the height of the strip under the plot (and the readout's measure), canvas
    // units; a plot with more under its input axis than values and titles asks for more
    // than the usual 220. A view whose texts grow on a small window measures the strips on
    // every draw (SetStripMeasure): the strip under the plot is then the measure's border
    // and the left strip at least the measure's left width.
    explicit CSquareGraph(int nBorder = CGraphStrips::kBorder);

    // The least width of the left strip, canvas units (0: none), where no measure gives it.
    void SetLeftStripWidth(int nWidth);

protected:
    void LayoutRegions() override;

private:
    int m_nLeftStripWidth = 0;
};
