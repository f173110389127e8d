#include "graph/BasicGraph.h"

#include "framework/core/DeviceContext.h"
#include "framework/core/Window.h"
#include "graph/Assert.h"
#include "graph/MorvaneUtilities.h"

#include <algorithm>
#include <cmath>

CBasicGraph::CBasicGraph()
{
    // Here, not in the initializer list: the extent is declared before the sizes it is
    // made of, which would still be uninitialized there.
    m_WindowExtent = {m_nWidth, m_nHeight};
    for (CGraphRegion* region :
         {&m_LeftRegion, &m_RightRegion, &m_TopRegion, &m_BottomRegion, &m_PlotRegion})
    {
        region->m_nPenWidth = m_nRegionPenWidth;
        region->m_bPen = true;
    }
    m_RightRegion.m_bVisible = false;
    m_TopRegion.m_bVisible = false;
    LayoutRegions();
}

void CBasicGraph::LayoutRegions()
{
    const int W = m_nWidth, H = m_nHeight, B = m_nBorder;
    // Without a measure the strips are the border.
    const int L = m_StripMeasure ? m_Strips.nLeftWidth : B;
    const int D = m_StripMeasure ? m_Strips.nBottomHeight : B;
    m_LeftRegion.m_Rect = {0, H, L, 0};
    m_RightRegion.m_Rect = {W - B, H, W, 0};
    m_TopRegion.m_Rect = {0, H, W, H - B};
    m_BottomRegion.m_Rect = {L, D, W, 0};
    m_PlotRegion.m_Rect = {L, H, W, D};
    m_PlotOrigin = {L, D};
}

bool CBasicGraph::PrepareDevice(CWnd* pWnd, CDC* pDC)
{
    if (!MORVANE_CHECK(pDC))
        return false;
    CRect rect;
    if (pDC->GetDeviceCaps(TECHNOLOGY) == DT_RASDISPLAY)
    {
        if (!MORVANE_CHECK(pWnd))
            return false;
        rect = pWnd->GetClientRect();
        m_nDeviceWidth = rect.Width();
        m_nDeviceHeight = rect.Height();
    }
    else
    {
        pDC->RemoveClipRegion();
        m_nDeviceHeight = pDC->GetDeviceCaps(VERTRES);
        m_nDeviceWidth = pDC->GetDeviceCaps(HORZRES);
        rect = {0, 0, m_nDeviceWidth, m_nDeviceHeight};
    }
    // A minimised window has no area: its aspect ratio means nothing, so the canvas keeps
    // the height it had.
    if (m_nDeviceWidth > 0 && m_nDeviceHeight > 0)
        m_nHeight = TruncToInt(m_nWidth / (double(m_nDeviceWidth) / double(m_nDeviceHeight)));
    m_nHeight = std::max(m_nHeight, 1);
    m_WindowExtent = {m_nWidth, m_nHeight};

    pDC->SetMapMode(MM_ISOTROPIC);
    pDC->SetWindowExt(m_WindowExtent);
    pDC->SetWindowOrg({0, 0});
    pDC->SetViewportOrg({0, rect.Height()});
    pDC->SetViewportExt({rect.Width(), -rect.Height()});
    pDC->SetBkMode(TRANSPARENT);

    m_WindowExtent = {m_nWidth, m_nHeight};
    LayoutRegions();
    return true;
}

bool CBasicGraph::Draw(CWnd* pWnd, CDC* pDC)
{
    if (PrepareDevice(pWnd, pDC) && m_StripMeasure)
    {
        m_Strips = m_StripMeasure(pDC);
        m_nBorder = m_Strips.nBorder;
        LayoutRegions();
    }
    return true;
}

bool CBasicGraph::DrawRegions(CDC* pDC)
{
    for (const CGraphRegion* region :
         {&m_RightRegion, &m_TopRegion, &m_LeftRegion, &m_BottomRegion, &m_PlotRegion})
        region->Draw(pDC);
    return true;
}

void CBasicGraph::DeviceToLogical(CPoint* pPoint) const
{
    if (!MORVANE_CHECK(pPoint))
        return;
    if (m_nDeviceWidth <= 0 || m_nDeviceHeight <= 0)
    {
        *pPoint = {0, 0};
        return;
    }
    const double x = double(pPoint->x) * m_nWidth / m_nDeviceWidth;
    const double y = double(m_nDeviceHeight - double(pPoint->y)) * m_nHeight / m_nDeviceHeight;
    *pPoint = {RoundToInt(x), RoundToInt(y)};
}

namespace
{
// lo + (hi - lo) * (v - from) / (to - from); lo for an area without extent.
double Interpolate(double lo, double hi, int v, int from, int to)
{
    if (to == from)
        return lo;
    return lo + (hi - lo) * (double(v) - from) / (double(to) - from);
}
} // namespace

double CBasicGraph::PixelToData(int x, int y, CPoint* pPoint, bool bY) const
{
    if (!MORVANE_CHECK(m_pClipRect) || !MORVANE_CHECK(pPoint))
        return 0.0;
    const CRect& area = m_PlotRegion.m_Rect;
    *pPoint = {x, y};
    DeviceToLogical(pPoint);
    int& v = bY ? pPoint->y : pPoint->x;
    const int from = bY ? area.bottom : area.left;
    const int to = bY ? area.top : area.right;
    v = std::clamp(v, std::min(from, to), std::max(from, to));
    return bY ? Interpolate(m_pClipRect->bottom, m_pClipRect->top, v, from, to)
              : Interpolate(m_pClipRect->left, m_pClipRect->right, v, from, to);
}

bool CBasicGraph::SetClipRect(const CDoubleRect* pClipRect)
{
    if (!MORVANE_CHECK(pClipRect))
        return false;
    m_pClipRect = pClipRect;
    return true;
}

CDoubleRect CBasicGraph::GetClipRect() const
{
    return m_pClipRect ? *m_pClipRect : CDoubleRect{};
}
