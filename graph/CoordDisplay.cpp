#include "graph/CoordDisplay.h"

#include "framework/core/DeviceContext.h"
#include "graph/CFormat.h"
#include "graph/Restore.h"

#include <algorithm>
#include <cmath>

namespace
{
// Space between the text and the frame, canvas units: a fifth of a line and a little.
int TextPadding(int nLineHeight)
{
    return 4 + nLineHeight / 5;
}

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

CRect CCoordDisplay::TextBox(CDC* pDC) const
{
    const std::string lines[3] = {m_strTitle, XText(), YText()};
    int widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, pDC->GetTextExtent(line).cx);
    const int h = pDC->GetTextExtent(m_strTitle).cy;
    const int pad = TextPadding(h);
    // The box keeps its top right corner and grows left and down (y up) until the three
    // lines fit inside it with the padding all round: a long curve name as the title.
    CRect box = m_TextRect;
    const int down = box.top >= box.bottom ? 1 : -1;
    box.left = std::min(box.left, box.right - (widest + 2 * pad));
    if (down * (box.top - box.bottom) < 3 * h + 2 * pad)
        box.bottom = box.top - down * (3 * h + 2 * pad);
    return box;
}

void CCoordDisplay::DrawText(CDC* pDC)
{
    CRect box = TextBox(pDC);
    // After a readout-only paint the screen still shows the box drawn before: a box
    // grown for a longer title is covered whole.
    if (m_nDrawn == kCrosshairShown && m_bBoxShown)
        box = {std::min(box.left, m_DrawnBox.left), std::max(box.top, m_DrawnBox.top),
               std::max(box.right, m_DrawnBox.right), std::min(box.bottom, m_DrawnBox.bottom)};
    m_DrawnBox = box;
    m_bBoxShown = true;
    const CBrush white(0xFFFFFF);
    CBrushRestorer brush(pDC, &white);
    pDC->Rectangle(box.left, box.top, box.right, box.bottom);
    pDC->SetTextAlign(TA_LEFT | TA_TOP);
    const int h = pDC->GetTextExtent(m_strTitle).cy;
    const int pad = TextPadding(h);
    const int down = box.top >= box.bottom ? 1 : -1;
    const int x = box.left + pad;
    const int top = box.top - down * pad;
    pDC->TextOut(x, top, m_strTitle);
    pDC->TextOut(x, top - down * h, XText());
    pDC->TextOut(x, top - down * 2 * h, YText());
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
