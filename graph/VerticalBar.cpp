#include "graph/VerticalBar.h"

#include "framework/core/DeviceContext.h"
#include "graph/Assert.h"
#include "graph/CFormat.h"
#include "graph/WideDashedLine.h"

#include <algorithm>

bool CVerticalBar::Init(const CGraphRegion* pRegion, int x, const std::string& label, double value,
                        const CPoint* pTextPosition, int dashed, int nLineWidth, COLORREF color,
                        const CRect* pBoxSize, int nBoxPlacement, int nDashLength, int nGapLength)
{
    if (dashed != 0 && dashed != 1)
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    if (!MORVANE_CHECK(pRegion && pTextPosition && pBoxSize))
        return false;
    m_Region = *pRegion;
    m_nX = x;
    m_strLabel = label;
    m_dValue = value;
    m_TextPosition = *pTextPosition;
    m_nDashed = dashed;
    m_nLineWidth = nLineWidth;
    m_Color = color;
    m_BoxSize = *pBoxSize;
    m_nBoxPlacement = nBoxPlacement;
    m_nDashLength = nDashLength;
    m_nGapLength = nGapLength;
    const CRect& r = m_Region.m_Rect;
    m_LinePoints[0] = {x, r.top};
    m_LinePoints[1] = {x, r.bottom};

    const int w = m_BoxSize.right - m_BoxSize.left;
    const int h = m_BoxSize.top - m_BoxSize.bottom;
    int left = x - w / 2, right = x + w / 2;
    if (nBoxPlacement == kBoxesLeft)
        left = x - w, right = x;
    else if (nBoxPlacement == kBoxesRight)
        left = x, right = x + w;
    m_TopBox = {left, r.top, right, r.top - h};
    m_BottomBox = {left, r.bottom + h, right, r.bottom};
    m_bInitialized = true;
    return true;
}

std::string CVerticalBar::Text(const std::string& label, double value)
{
    return label + " " + FormatC("%.lf", value);
}

bool CVerticalBar::Draw(CDC* pDC) const
{
    if (!pDC || !m_bInitialized)
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    // A marker outside the plot's width (a frequency beyond the window, its position held to
    // the canvas reach) has no line and no boxes: they would cross the label strips or run
    // off the canvas. Its text stays in the strip under the plot.
    const CRect& plot = m_Region.m_Rect;
    const int plotLeft = std::min(plot.left, plot.right);
    const int plotRight = std::max(plot.left, plot.right);
    if (m_nX >= plotLeft && m_nX <= plotRight)
    {
        DrawLine(pDC);
        for (CRect box : {m_TopBox, m_BottomBox})
        {
            // A box beside a line at the plot's edge ends there.
            box.left = std::clamp(box.left, plotLeft, plotRight);
            box.right = std::clamp(box.right, plotLeft, plotRight);
            pDC->FillSolidRect(box, m_Color);
        }
    }
    pDC->SetTextAlign(TA_LEFT | TA_TOP);
    pDC->TextOut(m_TextPosition.x, m_TextPosition.y, GetText());
    return true;
}

void CVerticalBar::DrawLine(CDC* pDC) const
{
    if (m_nDashed == 0)
    {
        CPen pen(PS_SOLID, m_nLineWidth, m_Color);
        const CPen old = pDC->SelectObject(pen);
        pDC->Polyline(m_LinePoints, 2);
        pDC->SelectObject(old);
        pen.DeleteObject();
    }
    else
    {
        const CWideDashedLine line(m_LinePoints, 2, m_nLineWidth, m_nDashLength, m_nGapLength,
                                   m_Color, 1);
        line.Draw(pDC);
    }
}

bool CVerticalBar::SetTextPosition(const CPoint* pPosition)
{
    if (!m_bInitialized || !pPosition)
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    m_TextPosition = *pPosition;
    return true;
}
