#include "graph/VerticalScale.h"

#include "framework/core/DeviceContext.h"
#include "graph/Assert.h"
#include "graph/Convert.h"
#include "graph/WideDashedLine.h"

#include <algorithm>
#include <optional>
#include <vector>

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

std::vector<CAxisLabel> CVerticalScale::Labels(bool bSpecialLimits) const
{
    // With special limits the lower limit itself, then the steps. A step past the upper
    // limit has no place on the axis: its label would lie above the plot, off the view.
    std::vector<CAxisLabel> labels;
    if (bSpecialLimits)
        labels.push_back({m_Layout.lower, DoubleToShortString(m_Layout.lower), true, {}, 0, 0});
    for (int i = 0; i < m_Layout.labelCount; ++i)
    {
        const double v = m_Layout.Label(i);
        if (IsInWindow(v))
            labels.push_back(
                {v, StepText(v, m_Layout.labelStep / 10.0), IsWindowLimit(v), {}, 0, 0});
    }
    // The window's limits are labelled as well where no step lies on them, so that its
    // range can be read (a window narrower than two steps has no other labels): each
    // within a tenth of the window of its value.
    const double tolerance = m_Layout.Span() / 10.0;
    if (labels.empty() || labels.front().value > m_Layout.lower + Tolerance())
        labels.insert(labels.begin(),
                      {m_Layout.lower, LimitText(m_Layout.lower, tolerance), true, {}, 0, 0});
    if (labels.back().value < m_Layout.upper - Tolerance())
        labels.push_back({m_Layout.upper, LimitText(m_Layout.upper, tolerance), true, {}, 0, 0});
    return labels;
}

std::vector<double> CVerticalScale::GridLines() const
{
    // A step past the upper limit (the count of steps starts from the lower limit, one
    // step below the first line of special limits) has no grid line: it would lie above
    // the plot.
    std::vector<double> lines;
    for (int i = 0; i < m_Layout.lineCount; ++i)
    {
        const double v = m_Layout.Line(i);
        if (IsInWindow(v) && IsLineDrawn(v))
            lines.push_back(v);
    }
    return lines;
}

int CVerticalScale::WidestLabel(CDC* pDC, const CDoubleRect& window)
{
    if (!m_bInitialized || !pDC)
        return 0;
    // The texts do not depend on the span the axis is drawn over.
    m_Layout = ComputeLayout(window.bottom, window.top, m_dLineStep, m_dLabelStep, 1, false,
                             m_nLeastLabels);
    int widest = 0;
    for (const CAxisLabel& label : Labels(false))
        widest = std::max(widest, pDC->GetTextExtent(label.text).cx);
    return widest;
}

int CVerticalScale::StripWidthFor(CDC* pDC, const CDoubleRect& window)
{
    return WidestLabel(pDC, window) + LabelOffset() + std::max(m_LabelArea.m_nPenWidth, 0);
}

bool CVerticalScale::DrawAxis(CDC* pDC, const CDoubleRect& window, bool bSpecialLimits)
{
    const CRect& area = m_LineArea.m_Rect;
    const COLORREF oldColor = BeginDraw(pDC, window, window.bottom, window.top,
                                        area.top - area.bottom, bSpecialLimits, TA_RIGHT | TA_TOP);
    // Right-aligned left of the plot, centred on their grid lines, and inside the strip
    // clear of its frame line; a font too wide for the strip (minus signs of four-digit
    // degrees) is made smaller.
    const std::vector<CAxisLabel> labels = Labels(bSpecialLimits);
    const CRect& strip = m_LabelArea.m_Rect;
    const int frame = std::max(m_LabelArea.m_nPenWidth, 0);
    const int labelX = area.left - LabelOffset();
    std::vector<std::string> texts;
    for (const CAxisLabel& label : labels)
        texts.push_back(label.text);
    const CFont oldFont =
        FitFontToWidth(pDC, texts, labelX - strip.left - frame, m_nLeastFontHeight);
    const std::vector<double> lines = GridLines();
    m_nLabelsLeft = labelX;
    for (const CAxisLabel& label : FitLabelsToHeight(pDC, labels, lines, labelX))
    {
        m_nLabelsLeft = std::min(m_nLabelsLeft, labelX - pDC->GetTextExtent(label.text).cx);
        pDC->TextOut(label.anchor.x, label.anchor.y, label.text);
    }
    pDC->SelectObject(oldFont);

    CWideDashedLine line;
    for (const double v : lines)
    {
        const int y = m_Layout.ToCanvas(v, area.bottom);
        const CPoint points[2] = {{area.left, y}, {area.right, y}};
        line.Set(points, 2, m_nPenWidth, kDashLength, kGapLength, 0, 1);
        line.Draw(pDC);
    }

    pDC->SetTextAlign(TA_LEFT | TA_TOP);
    DrawCenteredTitles(pDC);
    EndDraw(pDC, oldColor);
    return true;
}

std::vector<CAxisLabel> CVerticalScale::ChosenLabels(CDC* pDC,
                                                     const std::vector<CAxisLabel>& labels,
                                                     const std::vector<double>& lines,
                                                     int labelX) const
{
    const std::vector<CAxisLabel> placed = PlaceLabels(pDC, labels, lines, labelX);
    // Labels a limit label would cover, or too close to read apart, are left out: lines of
    // labels keep a quarter of their height apart.
    int height = 0;
    for (const CAxisLabel& label : placed)
        height = std::max(height, label.nHigh - label.nLow);
    return ChooseLabels(placed, m_Layout.labelStep, height / 4);
}

std::vector<CAxisLabel> CVerticalScale::FitLabelsToHeight(CDC* pDC,
                                                          const std::vector<CAxisLabel>& labels,
                                                          const std::vector<double>& lines,
                                                          int labelX) const
{
    // The font grows with the view's width, not its height: on a wide, low view no two
    // labels of it fit beside the plot. Each lower font (by a sixth at a time) that keeps
    // more of them at their lines is kept, until two stand there or the least is reached.
    std::vector<CAxisLabel> best = ChosenLabels(pDC, labels, lines, labelX);
    CFont bestFont = pDC->GetCurrentFont();
    while (best.size() < kLeastLabels && SelectSmallerFont(pDC, 5.0 / 6.0, m_nLeastFontHeight))
    {
        std::vector<CAxisLabel> chosen = ChosenLabels(pDC, labels, lines, labelX);
        if (chosen.size() > best.size())
        {
            best = std::move(chosen);
            bestFont = pDC->GetCurrentFont();
        }
    }
    pDC->SelectObject(bestFont);
    return best;
}

std::vector<CAxisLabel> CVerticalScale::PlaceLabels(CDC* pDC, const std::vector<CAxisLabel>& labels,
                                                    const std::vector<double>& lines,
                                                    int labelX) const
{
    // Each centred on its line, or moved in as far as PlaceAtLine lets it: the top and
    // bottom values of a window whose limits lie at the strip's ends would stand beside
    // the next line, and are left out instead. In double: a place beyond the int range
    // stays out of the strip.
    const CRect& area = m_LineArea.m_Rect;
    const CRect& strip = m_LabelArea.m_Rect;
    const int frame = std::max(m_LabelArea.m_nPenWidth, 0);
    const double highest = double(std::max(strip.top, strip.bottom)) - frame;
    const double lowest = double(std::min(strip.top, strip.bottom)) + frame;
    const std::vector<double> places = LinePlaces(lines, area.bottom, area.bottom, area.top);
    std::vector<CAxisLabel> placed;
    for (CAxisLabel label : labels)
    {
        const int h = pDC->GetTextExtent(label.text).cy;
        const double y = m_Layout.ToCanvas(label.value, area.bottom);
        const std::optional<double> low =
            PlaceAtLine(y + h / 2 - h, h, y, lowest, highest, frame, places);
        if (!low)
            continue;
        label.nLow = int(*low);
        label.nHigh = label.nLow + h;
        label.anchor = {labelX, label.nHigh};
        placed.push_back(label);
    }
    return placed;
}
