#include "graph/SquareGraph.h"

CSquareGraph::CSquareGraph(int nBorder)
{
    m_nBorder = nBorder;
    LayoutRegions();
}

bool CSquareGraph::Draw(CWnd* pWnd, CDC* pDC)
{
    PrepareDevice(pWnd, pDC);
    return true;
}

void CSquareGraph::LayoutRegions()
{
    const int W = m_nWidth, H = m_nHeight, B = m_nBorder;
    m_LeftRegion.m_Rect = {0, H, W - H, 0};
    m_RightRegion.m_Rect = {W - H, H, W, 0};
    m_TopRegion.m_Rect = {0, H, W, H - B};
    m_BottomRegion.m_Rect = {W - H, B, W, 0};
    m_PlotRegion.m_Rect = {W - H, H, W, B};
    m_PlotOrigin = {W - H, B};
}
