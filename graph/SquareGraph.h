// The canvas of the compression plots: a square plot area, as wide as the canvas is
// high, at the right-hand end of the canvas. The strip left of it holds the plot's legend
// and the output axis's values; on a canvas nearly as high as it is wide that strip would
// be too narrow for them, so the view can ask for a strip of at least a given width: the
// plot is then made smaller, in proportion, and stands on the strip under it as before,
// leaving room above it.
#pragma once

#include "graph/BasicGraph.h"

#include <functional>

class CSquareGraph : public CBasicGraph
{
public:
    // nBorder: the height of the strip under the plot (and the readout's measure), canvas
    // units; a plot with more under its input axis than values and titles asks for more
    // than the usual 220.
    explicit CSquareGraph(int nBorder = 220);
    // Maps the device context and lays the regions out, with the left strip as wide as
    // the measure asks on that device context (see SetLeftStripMeasure).
    bool Draw(CWnd* pWnd, CDC* pDC) override;

    // The width the strip left of the plot needs, canvas units, measured on the device
    // context of each draw once it is mapped (texts measure the same in canvas units at
    // any size, up to the rounding of the font to whole pixels). None: the strip is what
    // the square plot leaves.
    void SetLeftStripMeasure(std::function<int(CDC*)> measure) { m_LeftStripMeasure = measure; }
    // The least width of the left strip, canvas units (0: none).
    void SetLeftStripWidth(int nWidth);

protected:
    void LayoutRegions() override;

private:
    std::function<int(CDC*)> m_LeftStripMeasure;
    int m_nLeftStripWidth = 0;
};
