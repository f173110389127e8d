#include "graph/SquareGraph.h"

#include <algorithm>

CSquareGraph::CSquareGraph(int nBorder)
{
    m_nBorder = nBorder;
    LayoutRegions();
}

void CSquareGraph::SetLeftStripWidth(int nWidth)
{
    m_nLeftStripWidth = std::max(nWidth, 0);
    LayoutRegions();
}

void CSquareGraph::LayoutRegions()
{
    const int W = m_nWidth, H = m_nHeight, B = m_nBorder;
    const int left = HasStripMeasure() ? std::max(GetStrips().nLeftWidth, 0) : m_nLeftStripWidth;
    // The plot's width S: the canvas's height, or less where the left strip needs it, but
    // never so little that the plot has no height above the strip under it.
    const int S = std::max(std::min(H, W - left), std::min(H, 2 * B));
    m_LeftRegion.m_Rect = {0, H, W - S, 0};
    m_RightRegion.m_Rect = {W - S, H, W, 0};
    m_TopRegion.m_Rect = {0, H, W, H - B};
    m_BottomRegion.m_Rect = {W - S, B, W, 0};
    m_PlotRegion.m_Rect = {W - S, S, W, B};
    m_PlotOrigin = {W - S, B};
}
