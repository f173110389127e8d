#include "graph/HorizontalScale.h"

#include "framework/core/DeviceContext.h"
#include "graph/Assert.h"
#include "graph/CFormat.h"
#include "graph/Convert.h"

#include <algorithm>
#include <cmath>

double SafeLog10(double value)
{
    return value > 0.0 ? std::log10(value) : 0.0;
}

bool CHorizontalScale::Init(CGraphRegion labelArea, CGraphRegion lineArea, int nTitles,
                            const std::string* pTitles, CDoubleRect window, double lineStep,
                            double labelStep, int nLabelOffset, int nTitleSpacing,
                            bool bLogarithmic, int nPenWidth, int nPenStyle, COLORREF textColor,
                            int nMultipliers, const double* pMultipliers)
{
    if (!pTitles)
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    Setup(labelArea, lineArea, nTitles, pTitles, window, lineStep, labelStep, nLabelOffset,
          nTitleSpacing, bLogarithmic, nPenWidth, nPenStyle, textColor);
    if (pMultipliers)
        m_Multipliers.assign(pMultipliers, pMultipliers + std::max(nMultipliers, 0));
    else
        m_Multipliers = {2, 3, 4, 5, 6, 7, 8, 9};
    return true;
}

bool CHorizontalScale::Draw(CDC* pDC, CDoubleRect window)
{
    if (!m_bInitialized || !pDC)
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    return DrawAxis(pDC, window, false);
}

std::string CHorizontalScale::LabelText(double v, bool bShortForm) const
{
    const double shown = m_bLogarithmic ? std::pow(10.0, v) : v;
    return bShortForm ? DoubleToShortString(shown) : FormatC("%.0f", shown);
}

void CHorizontalScale::DrawGridLine(CDC* pDC, double v) const
{
    const int x = m_Layout.ToCanvas(v, m_LineArea.m_Rect.left);
    const CPoint line[2] = {{x, m_LineArea.m_Rect.top}, {x, m_LineArea.m_Rect.bottom}};
    pDC->Polyline(line, 2);
}

void CHorizontalScale::DrawLabels(CDC* pDC, bool bSpecialLimits) const
{
    const CRect& area = m_LineArea.m_Rect;
    const int labelY = m_LabelArea.m_Rect.top - LabelOffset();
    // The lower limit is labelled at the plot's left edge. A label starts at its grid
    // line, clear of the strip's frame line on the left; one that would run off the
    // strip's right end (the upper limit labelled) ends there instead, clear of the frame
    // line there. A step past the upper limit is not labelled: its label would lie off
    // the view.
    const int frame = std::max(m_LabelArea.m_nPenWidth, 0);
    const int left = std::min(m_LabelArea.m_Rect.left, m_LabelArea.m_Rect.right) + frame;
    const int right = std::max(m_LabelArea.m_Rect.left, m_LabelArea.m_Rect.right) - frame;
    std::vector<CAxisLabel> labels;
    const auto add = [&](double v, const std::string& text, bool bLimit, int x)
    {
        const CSize extent = pDC->GetTextExtent(text);
        x = std::max(std::min(x, right - extent.cx), left);
        labels.push_back({v, text, bLimit, {x, labelY}, x, x + extent.cx});
        return extent.cy;
    };
    int height = add(m_Layout.lower, LabelText(m_Layout.lower, bSpecialLimits), true, area.left);
    for (int i = 0; i < m_Layout.labelCount; ++i)
    {
        const double v = m_Layout.labelStart + i * m_Layout.labelStep;
        if (!IsInWindow(v))
            continue;
        const std::string text = LabelText(v, false);
        height = std::max(height, add(v, text, IsWindowLimit(v), m_Layout.ToCanvas(v, area.left)));
    }
    // A window narrower than two steps is labelled at its upper limit as well, so that its
    // range can be read.
    const bool bStepOnLower =
        labels.size() == 2 && std::fabs(labels.back().value - m_Layout.lower) <= Tolerance();
    if (!bSpecialLimits && (labels.size() < 2 || bStepOnLower))
    {
        const std::string text = LimitText(m_bLogarithmic ? std::pow(10.0, m_Layout.upper)
                                                          : m_Layout.upper);
        add(m_Layout.upper, text, true, right);
    }
    // A step on the lower limit is labelled once; labels a limit label would cover, or too
    // close to read apart, are left out. Labels side by side keep half their height apart.
    for (const CAxisLabel& label : ChooseLabels(labels, m_Layout.labelStep, height / 2))
        pDC->TextOut(label.anchor.x, label.anchor.y, label.text);
}

bool CHorizontalScale::DrawAxis(CDC* pDC, const CDoubleRect& window, bool bSpecialLimits)
{
    const CRect& area = m_LineArea.m_Rect;
    const COLORREF oldColor = BeginDraw(pDC, window, window.left, window.right,
                                        area.right - area.left, bSpecialLimits, TA_LEFT | TA_TOP);
    DrawLabels(pDC, bSpecialLimits);

    CPen thin(m_nPenStyle, m_nPenWidth, 0);
    CPen thick(m_nPenStyle, 2 * m_nPenWidth, 0);
    const CPen oldPen = pDC->SelectObject(thick);
    for (int i = 0; i < m_Layout.lineCount; ++i)
    {
        const double v = m_Layout.lineStart + i * m_Layout.lineStep;
        if (!IsLineDrawn(v))
            continue;
        // The first step can lie below the lower limit (the start is rounded first): its
        // line would stand in the label strip left of the plot, though the minor ticks of
        // its decade above the limit belong to the plot.
        pDC->SelectObject(m_bLogarithmic ? thick : thin);
        if (IsInWindow(v))
            DrawGridLine(pDC, v);
        if (m_bLogarithmic)
        {
            pDC->SelectObject(thin);
            DrawMinorTicks(pDC, v);
        }
    }
    pDC->SelectObject(oldPen);
    thin.DeleteObject();
    thick.DeleteObject();

    DrawTitles(pDC);
    EndDraw(pDC, oldColor);
    return true;
}

bool CHorizontalScale::DrawMinorTicks(CDC* pDC, double d)
{
    if (!m_bInitialized || m_Multipliers.empty() || !pDC)
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    // Only the ticks inside the window: the others would be drawn beside the plot.
    for (const double m : m_Multipliers)
    {
        const double v = SafeLog10(std::pow(10.0, d) * m);
        if (IsInWindow(v))
            DrawGridLine(pDC, v);
    }
    return true;
}
