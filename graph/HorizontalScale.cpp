#include "graph/HorizontalScale.h"

#include "framework/core/DeviceContext.h"
#include "graph/Assert.h"
#include "graph/Convert.h"

#include <algorithm>
#include <cmath>
#include <optional>

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
    if (m_bLogarithmic && !(std::fabs(std::log10(WholeDoubleOrNaN(text)) - v) <= tolerance))
        return {};
    return text;
}

void CHorizontalScale::DrawGridLine(CDC* pDC, double v) const
{
    const int x = m_Layout.ToCanvas(v, m_LineArea.m_Rect.left);
    const CPoint line[2] = {{x, m_LineArea.m_Rect.top}, {x, m_LineArea.m_Rect.bottom}};
    pDC->Polyline(line, 2);
}

std::vector<CHorizontalScale::CGridLine> CHorizontalScale::GridLines() const
{
    // The first step can lie below the lower limit (the start is rounded first): its line
    // would stand in the label strip left of the plot, though the minor ticks of its decade
    // above the limit belong to the plot.
    std::vector<CGridLine> lines;
    for (int i = 0; i < m_Layout.lineCount; ++i)
    {
        const double v = m_Layout.Line(i);
        if (!IsLineDrawn(v))
            continue;
        if (IsInWindow(v))
            lines.push_back({v, m_bLogarithmic});
        if (m_bLogarithmic)
            for (const double tick : MinorTicks(v))
                lines.push_back({tick, false});
    }
    return lines;
}

std::vector<double> CHorizontalScale::MinorTicks(double d) const
{
    // Only the ticks inside the window: the others would be drawn beside the plot. A
    // decade beyond the range of the doubles (10 to the 1e12) has none: its multiples are
    // no numbers, and would fall on its own line.
    std::vector<double> ticks;
    for (const double m : m_Multipliers)
    {
        const double value = std::pow(10.0, d) * m;
        if (!std::isfinite(value) || value <= 0.0)
            continue;
        const double v = SafeLog10(value);
        if (IsInWindow(v))
            ticks.push_back(v);
    }
    return ticks;
}

void CHorizontalScale::DrawLabels(CDC* pDC, bool bSpecialLimits,
                                  const std::vector<CGridLine>& lines) const
{
    const CRect& area = m_LineArea.m_Rect;
    const int labelY = m_LabelArea.m_Rect.top - LabelOffset();
    // A label starts at its grid line (the lower limit's at the plot's left edge); the
    // upper limit's ends at its line, the plot's right edge. Each is moved in clear of the
    // strip's frame line as far as PlaceAtLine lets it, and left out where that is not
    // enough (a step whose text would run off the strip's right end). A step past the
    // upper limit is not labelled: its label would lie off the view. In double: a place
    // beyond the int range stays out of the strip.
    const int frame = std::max(m_LabelArea.m_nPenWidth, 0);
    const double left = double(std::min(m_LabelArea.m_Rect.left, m_LabelArea.m_Rect.right)) + frame;
    const double right =
        double(std::max(m_LabelArea.m_Rect.left, m_LabelArea.m_Rect.right)) - frame;
    std::vector<double> values;
    for (const CGridLine& line : lines)
        values.push_back(line.v);
    const std::vector<double> places = LinePlaces(values, area.left, area.left, area.right);
    // A value without a true text is not labelled.
    int height = 0;
    const auto place =
        [&](double v, const std::string& text, bool bLimit, std::vector<CAxisLabel>& labels)
    {
        if (text.empty())
            return;
        const CSize extent = pDC->GetTextExtent(text);
        const double x = m_Layout.ToCanvas(v, area.left);
        const bool bUpperEnd = std::fabs(v - m_Layout.upper) <= Tolerance();
        const std::optional<double> low =
            PlaceAtLine(bUpperEnd ? x - extent.cx : x, extent.cx, x, left, right, frame, places);
        if (!low)
            return;
        const int start = int(*low);
        labels.push_back({v, text, bLimit, {start, labelY}, start, start + int(extent.cx)});
        height = std::max(height, int(extent.cy));
    };
    std::vector<CAxisLabel> labels;
    place(m_Layout.lower,
          LabelText(m_Layout.lower, bSpecialLimits ? ELabelText::SpecialLimit : ELabelText::Limit),
          true, labels);
    std::size_t nSteps = 0;
    bool bStepOnLower = false, bStepOnUpper = false;
    for (int i = 0; i < m_Layout.labelCount; ++i)
    {
        const double v = m_Layout.Label(i);
        if (!IsInWindow(v))
            continue;
        ++nSteps;
        bStepOnLower = bStepOnLower || std::fabs(v - m_Layout.lower) <= Tolerance();
        bStepOnUpper = bStepOnUpper || std::fabs(v - m_Layout.upper) <= Tolerance();
        place(v, LabelText(v, ELabelText::Step), IsWindowLimit(v), labels);
    }
    // A window narrower than two steps is labelled at its upper limit as well, so that its
    // range can be read. On a wider one the upper limit between steps (24000 Hz) gives way
    // to the steps' labels: it is labelled where it leaves them their room, as the last
    // decade is read more than the plot's edge.
    const bool bNarrow = !bSpecialLimits && (nSteps == 0 || (nSteps == 1 && bStepOnLower));
    std::vector<CAxisLabel> yielding;
    if (!bStepOnUpper)
        place(m_Layout.upper, LabelText(m_Layout.upper, ELabelText::Limit), true,
              bNarrow ? labels : yielding);
    // A step on the lower limit is labelled once; labels a limit label would cover, or too
    // close to read apart, are left out. Labels side by side keep half their height apart.
    std::vector<CAxisLabel> chosen = ChooseLabels(labels, m_Layout.labelStep, height / 2);
    for (const CAxisLabel& label : yielding)
        AddWhereClear(chosen, label, height / 2);
    for (const CAxisLabel& label : chosen)
        pDC->TextOut(label.anchor.x, label.anchor.y, label.text);
}

bool CHorizontalScale::DrawAxis(CDC* pDC, const CDoubleRect& window, bool bSpecialLimits)
{
    const COLORREF oldColor = BeginDraw(pDC, window, window.left, window.right,
                                        m_LineArea.m_Rect.right - m_LineArea.m_Rect.left,
                                        bSpecialLimits, TA_LEFT | TA_TOP);
    const std::vector<CGridLine> lines = GridLines();
    DrawLabels(pDC, bSpecialLimits, lines);

    // Decade lines of a logarithmic axis twice as wide as the others.
    CPen thin(m_nPenStyle, m_nPenWidth, 0);
    CPen thick(m_nPenStyle, 2 * m_nPenWidth, 0);
    const CPen oldPen = pDC->SelectObject(thick);
    for (const CGridLine& line : lines)
    {
        pDC->SelectObject(line.bThick ? thick : thin);
        DrawGridLine(pDC, line.v);
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
    for (const double v : MinorTicks(d))
        DrawGridLine(pDC, v);
    return true;
}
