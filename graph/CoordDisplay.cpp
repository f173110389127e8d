#include "graph/CoordDisplay.h"

#include "framework/core/DeviceContext.h"
#include "graph/CFormat.h"
#include "graph/Restore.h"

#include <cmath>

namespace
{
std::string ValueText(double v, int logarithmic, const std::string& unit)
{
    return FormatC("%.1f", logarithmic == 1 ? std::pow(10.0, v) : v) + unit;
}
} // namespace

bool CCoordDisplay::SetOff(CDC*)
{
    m_nState = kOff;
    return true;
}

bool CCoordDisplay::SetStarting()
{
    if (m_nDrawn != kNothingToErase)
        m_nState = kStarting;
    return true;
}

void CCoordDisplay::SetTracking()
{
    if (m_nDrawn != kNothingToErase)
        m_nState = kTracking;
}

std::string CCoordDisplay::XText() const
{
    return ValueText(m_DataPoint.x, m_bXLogarithmic, m_strXUnit);
}

std::string CCoordDisplay::YText() const
{
    return ValueText(m_DataPoint.y, m_bYLogarithmic, m_strYUnit);
}

void CCoordDisplay::DrawText(CDC* pDC) const
{
    const CBrush white(0xFFFFFF);
    CBrushRestorer brush(pDC, &white);
    pDC->Rectangle(m_TextRect.left, m_TextRect.top, m_TextRect.right, m_TextRect.bottom);
    pDC->SetTextAlign(TA_LEFT | TA_TOP);
    const int h = pDC->GetTextExtent(m_strTitle).cy;
    const int x = m_TextRect.left + 4;
    pDC->TextOut(x, m_TextRect.top, m_strTitle);
    pDC->TextOut(x, m_TextRect.top - int(0.8 * h), XText());
    pDC->TextOut(x, m_TextRect.top - int(1.6 * h), YText());
    pDC->SetTextAlign(TA_BOTTOM);
    brush.Restore();
}

void CCoordDisplay::DrawCrosshair(CDC* pDC, const CPoint& p)
{
    const CPoint across[2] = {{p.x - kCrosshairHalf, p.y}, {p.x + kCrosshairHalf, p.y}};
    const CPoint up[2] = {{p.x, p.y - kCrosshairHalf}, {p.x, p.y + kCrosshairHalf}};
    pDC->Polyline(across, 2);
    pDC->Polyline(up, 2);
}

bool CCoordDisplay::Draw(CDC* pDC)
{
    if (m_nState == kOff || !pDC)
        return false;
    const CPen black(PS_SOLID, 0, 0);
    const CPen oldPen = pDC->SelectObject(black);
    int oldRop = 0;
    if (m_nDrawn == kRepainted)
    {
        DrawText(pDC);
        oldRop = pDC->SetROP2(R2_NOT);
        DrawCrosshair(pDC, m_CrosshairPoint);
        m_nState = kTracking;
        m_Remembered = m_CrosshairPoint;
        m_nDrawn = kCrosshairShown;
    }
    else
    {
        if (m_nState == kStarting || m_nState == kTracking || m_nDrawn == kNothingToErase)
            DrawText(pDC);
        oldRop = pDC->SetROP2(R2_NOT);
        if (m_nState == kTracking && m_nDrawn == kCrosshairShown)
        {
            DrawCrosshair(pDC, m_Remembered);
            DrawCrosshair(pDC, m_CrosshairPoint);
            m_Remembered = m_CrosshairPoint;
        }
        else if (m_nState == kStarting || m_nDrawn == kNothingToErase)
        {
            DrawCrosshair(pDC, m_CrosshairPoint);
            m_nState = kTracking;
            m_Remembered = m_CrosshairPoint;
        }
        if (m_nDrawn == kNothingToErase)
            m_nDrawn = kCrosshairShown;
    }
    pDC->SetROP2(oldRop);
    pDC->SelectObject(oldPen);
    return true;
}
