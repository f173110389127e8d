#include "graph/VerticalScale.h"

#include "framework/core/DeviceContext.h"
#include "graph/Assert.h"
#include "graph/CFormat.h"
#include "graph/Convert.h"
#include "graph/WideDashedLine.h"

bool CVerticalScale::Init(CGraphRegion labelArea, CGraphRegion lineArea, int nTitles,
                          const std::string* pTitles, CDoubleRect window, double lineStep,
                          double labelStep, int nLabelOffset, int nTitleSpacing, bool bLogarithmic,
                          int nPenWidth, int nPenStyle, COLORREF textColor)
{
    if (!pTitles)
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    Setup(labelArea, lineArea, nTitles, pTitles, window, lineStep, labelStep, nLabelOffset,
          nTitleSpacing, bLogarithmic, nPenWidth, nPenStyle, textColor);
    return true;
}

bool CVerticalScale::Draw(CDC* pDC, const CDoubleRect* pWindow)
{
    if (!m_bInitialized || !pDC || !pWindow)
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    return DrawAxis(pDC, *pWindow, false);
}

bool CVerticalScale::DrawAxis(CDC* pDC, const CDoubleRect& window, bool bSpecialLimits)
{
    const CRect& area = m_LineArea.m_Rect;
    const COLORREF oldColor =
        BeginDraw(pDC, window, window.bottom, window.top, area.top - area.bottom, bSpecialLimits,
                  TA_RIGHT | TA_BASELINE);
    const int labelX = area.left - m_nLabelOffset;
    if (bSpecialLimits)
        pDC->TextOut(labelX, area.bottom, DoubleToShortString(m_Layout.lower));
    for (int i = 0; i < m_Layout.labelCount; ++i)
    {
        const double v = m_Layout.labelStart + i * m_Layout.labelStep;
        pDC->TextOut(labelX, m_Layout.ToCanvas(v, area.bottom), FormatC("%.0f", v));
    }

    CWideDashedLine line;
    for (int i = 0; i < m_Layout.lineCount; ++i)
    {
        const int y = m_Layout.ToCanvas(m_Layout.lineStart + i * m_Layout.lineStep, area.bottom);
        const CPoint points[2] = {{area.left, y}, {area.right, y}};
        line.Set(points, 2, m_nPenWidth, kDashLength, kGapLength, 0, 1);
        line.Draw(pDC);
    }

    pDC->SetTextAlign(TA_LEFT | TA_TOP);
    DrawCenteredTitles(pDC);
    EndDraw(pDC, oldColor);
    return true;
}
