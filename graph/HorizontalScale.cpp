#include "graph/HorizontalScale.h"

#include "framework/core/DeviceContext.h"
#include "graph/Assert.h"
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

std::string CHorizontalScale::LabelText(double v, ELabelText kind) const
{
    const double value = m_bLogarithmic ? std::pow(10.0, v) : v;
    const double tolerance = m_Layout.Span() / 10.0;
    std::string text;
    switch (kind)
    {
    case ELabelText::Step:
        // Apart from the next step: within a tenth of a step (of its decades).
        text = StepText(value, m_bLogarithmic
                                   ? value * (1.0 - std::pow(10.0, -m_Layout.labelStep / 10.0))
                                   : m_Layout.labelStep / 10.0);
        break;
    case ELabelText::SpecialLimit:
        text = DoubleToShortString(value);
        break;
    case ELabelText::Limit:
        // On a logarithmic axis within a tenth of the window's decades.
        text = LimitText(value, m_bLogarithmic ? value * (1.0 - std::pow(10.0, -tolerance))
                                               : tolerance);
        break;
    }
    // 10 to a value beyond about 308 is no double ("inf", or 0 below -308), and where the
    // decades are finer than the doubles (a window of 1e-300 decades) 10 to the upper limit
    // reads back as 10 to the lower one: such texts would stand at the wrong place.
    if (m_bLogarithmic && !(std::fabs(std::log10(StringToDouble(text)) - v) <= tolerance))
        return {};
    return text;
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
    // A value without a true text is not labelled.
    int height = 0;
    const auto add = [&](double v, const std::string& text, bool bLimit, int x)
    {
        if (text.empty())
            return;
        const CSize extent = pDC->GetTextExtent(text);
        x = std::max(std::min(x, right - extent.cx), left);
        labels.push_back({v, text, bLimit, {x, labelY}, x, x + extent.cx});
        height = std::max(height, int(extent.cy));
    };
    add(m_Layout.lower,
        LabelText(m_Layout.lower, bSpecialLimits ? ELabelText::SpecialLimit : ELabelText::Limit),
        true, area.left);
    for (int i = 0; i < m_Layout.labelCount; ++i)
    {
        const double v = m_Layout.Label(i);
        if (IsInWindow(v))
            add(v, LabelText(v, ELabelText::Step), IsWindowLimit(v),
                m_Layout.ToCanvas(v, area.left));
    }
    // A window narrower than two steps is labelled at its upper limit as well, so that its
    // range can be read.
    const bool bStepOnLower =
        labels.size() == 2 && std::fabs(labels.back().value - m_Layout.lower) <= Tolerance();
    if (!bSpecialLimits && (labels.size() < 2 || bStepOnLower))
        add(m_Layout.upper, LabelText(m_Layout.upper, ELabelText::Limit), true, right);
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
        const double v = m_Layout.Line(i);
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
    // Only the ticks inside the window: the others would be drawn beside the plot. A
    // decade beyond the range of the doubles (10 to the 1e12) has none: its multiples are
    // no numbers, and would fall on its own line.
    for (const double m : m_Multipliers)
    {
        const double value = std::pow(10.0, d) * m;
        if (!std::isfinite(value) || value <= 0.0)
            continue;
        const double v = SafeLog10(value);
        if (IsInWindow(v))
            DrawGridLine(pDC, v);
    }
    return true;
}
