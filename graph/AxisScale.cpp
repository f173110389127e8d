#include "graph/AxisScale.h"

#include "framework/core/DeviceContext.h"
#include "graph/BasicGraph.h"
#include "graph/CFormat.h"
#include "graph/Convert.h"
#include "graph/MorvaneUtilities.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <optional>

namespace
{
// More grid lines than a canvas 4000 units across can show apart.
constexpr double kMaxSteps = 10000.0;

// The number of steps over the window, in halves where its span would pass the largest
// double.
double StepsOver(const CAxisLayout& l, double step)
{
    const double span = l.upper - l.lower;
    return std::isfinite(span) ? span / step : (l.upper / 2.0 - l.lower / 2.0) / step * 2.0;
}

int StepCount(const CAxisLayout& l, double step)
{
    return int(std::min(std::trunc(StepsOver(l, step)), kMaxSteps));
}

// On a window of more steps than kMaxSteps / 10 (a range of 1e12 dB), the step is made 10,
// 100, ... times as long, until it spans the window in no more: the steps then reach over
// the whole window rather than stopping near its lower limit, and the labels and lines
// kept on a multiple of the step (1, 2, 5, 10, ... times) are those of the step given. No
// canvas keeps that many labels or lines apart: they are kept on a multiple of 10 steps or
// more anyway.
double StepOver(const CAxisLayout& l, double step)
{
    double longer = step;
    while (StepsOver(l, longer) > kMaxSteps / 10.0 && std::isfinite(longer * 10.0))
        longer *= 10.0;
    return longer;
}

// A window whose upper limit is not above its lower one is widened to one unit above the
// lower limit; where the unit is lost in rounding (a limit of 1e300), to the next double
// above it, or for the largest double, from the one below it.
void WidenEmptyWindow(double& lower, double& upper)
{
    upper = lower + 1.0;
    if (upper > lower)
        return;
    upper = std::nextafter(lower, INFINITY);
    if (std::isfinite(upper))
        return;
    upper = lower;
    lower = std::nextafter(lower, -INFINITY);
}

// The first multiple of the step at or above the value: of a step of a unit or more
// through the whole numbers (exact for any double), of a fraction of a unit (a finer step
// of a narrow window) through the quotient.
double StartAbove(double value, double step)
{
    if (step >= 1.0)
    {
        RoundUpToMultiple(std::trunc(step), &value);
        return value;
    }
    return std::ceil(value / step) * step + 0.0;
}

// The number of multiples of the step from lower up to, not including, upper: the lines
// a value axis can label, its top line standing at the top of the strip beside it.
double MultiplesBelow(const CAxisLayout& l, double step)
{
    if (StepsOver(l, step) > 4.0)
        return StepsOver(l, step);
    return std::ceil(l.upper / step) - std::ceil(l.lower / step);
}

// The next step below a step on 1, 2 and 5 times a power of ten.
double FinerNiceStep(double step)
{
    double decade = std::pow(10.0, std::floor(std::log10(step)));
    for (;;)
    {
        for (const double m : {5.0, 2.0, 1.0})
            if (m * decade < step * (1.0 - 1e-12))
                return m * decade;
        decade /= 10.0;
    }
}

// A window that holds fewer than nLeast multiples of the label step below its upper limit
// (80 to 90 dB stepped by 10, 0.25 to 0.75 dB by 1) is labelled on the coarsest step of 1,
// 2 and 5 times a power of ten that gives it nLeast; the grid lines follow the labels
// where their own step does not divide the finer one. A window whose step is the
// caller's keeps it.
void MakeStepsFiner(CAxisLayout& l, int nLeast)
{
    if (nLeast <= 0 || MultiplesBelow(l, l.labelStep) >= nLeast)
        return;
    // No step finer than the doubles near the limits can tell apart on a canvas (a
    // window narrower than the pages accept keeps its limits alone).
    const double least = std::max(
        CAxisScale::LeastSpan(std::max(std::fabs(l.lower), std::fabs(l.upper))) / 1000.0, DBL_MIN);
    double step = l.labelStep;
    // A step no longer than the window's nLeast + 1th part always gives nLeast.
    while (MultiplesBelow(l, step) < nLeast)
    {
        const double finer = FinerNiceStep(step);
        if (!(finer >= least))
            break;
        step = finer;
    }
    if (MultiplesBelow(l, step) < nLeast)
        return;
    if (!(step < l.labelStep))
        return;
    l.labelStep = step;
    if (l.lineStep > step || std::fmod(step, l.lineStep) != 0.0)
        l.lineStep = step;
}

// True when the two labels lie closer than nGap along the axis (or overlap).
bool TooClose(const CAxisLabel& a, const CAxisLabel& b, int nGap)
{
    return std::max(a.nLow, b.nLow) - std::min(a.nHigh, b.nHigh) < nGap;
}

bool TooCloseToAny(const CAxisLabel& label, const std::vector<const CAxisLabel*>& others, int nGap)
{
    return std::any_of(others.begin(), others.end(),
                       [&](const CAxisLabel* pOther) { return TooClose(label, *pOther, nGap); });
}

// Whether v lies on a multiple of nMultiple steps. In double: a step of a window beyond
// the range of the integers (1e300 dB) is still a whole number of steps.
bool OnMultiple(double v, double step, long long nMultiple)
{
    return std::fmod(std::round(v / step), double(nMultiple)) == 0.0;
}

// The stepped labels on multiples of nMultiple steps, along the axis from low to high.
std::vector<const CAxisLabel*> SteppedOn(const std::vector<CAxisLabel>& labels, double labelStep,
                                         long long nMultiple)
{
    std::vector<const CAxisLabel*> stepped;
    for (const CAxisLabel& label : labels)
        if (!label.bLimit && OnMultiple(label.value, labelStep, nMultiple))
            stepped.push_back(&label);
    std::sort(stepped.begin(), stepped.end(),
              [](const CAxisLabel* a, const CAxisLabel* b) { return a->nLow < b->nLow; });
    return stepped;
}

bool KeepApart(const std::vector<const CAxisLabel*>& sorted, int nGap)
{
    for (std::size_t i = 1; i < sorted.size(); ++i)
        if (TooClose(*sorted[i - 1], *sorted[i], nGap))
            return false;
    return true;
}

// The finest multiple of a step (1, 2, 5 times a power of ten) that fits; none when no
// multiple up to kLargestMultiple does.
constexpr long long kLargestMultiple = 1000000000000LL;
std::optional<long long> FinestMultiple(const std::function<bool(long long)>& fits)
{
    for (long long decade = 1; decade <= kLargestMultiple; decade *= 10)
        for (const long long m : {decade, 2 * decade, 5 * decade})
            if (fits(m))
                return m;
    return std::nullopt;
}

// The stepped labels on multiples of nMultiple steps that no limit label comes near.
std::vector<const CAxisLabel*> ClearOfLimits(std::vector<const CAxisLabel*> stepped,
                                             const std::vector<const CAxisLabel*>& limits, int nGap)
{
    std::erase_if(stepped,
                  [&](const CAxisLabel* pLabel) { return TooCloseToAny(*pLabel, limits, nGap); });
    return stepped;
}

// The stepped labels an axis keeps: those of the finest multiple of the label step whose
// stepped labels keep apart and leave one or more clear of the limit labels. Where no
// multiple does (four steps too close together, none on a multiple of 5), the one clear of
// the limit labels nearest the middle of the axis: an axis with steps keeps a value to read.
std::vector<const CAxisLabel*> SteppedKept(const std::vector<CAxisLabel>& labels, double labelStep,
                                           const std::vector<const CAxisLabel*>& limits, int nGap)
{
    const std::optional<long long> nMultiple = FinestMultiple(
        [&](long long m)
        {
            const std::vector<const CAxisLabel*> stepped = SteppedOn(labels, labelStep, m);
            return KeepApart(stepped, nGap) && !ClearOfLimits(stepped, limits, nGap).empty();
        });
    if (nMultiple)
        return ClearOfLimits(SteppedOn(labels, labelStep, *nMultiple), limits, nGap);
    const std::vector<const CAxisLabel*> clear =
        ClearOfLimits(SteppedOn(labels, labelStep, 1), limits, nGap);
    if (clear.empty())
        return clear;
    // The middle of the values labelled, in halves so that it stays finite; of two equally
    // near, the lower one. (Labels moved in from the ends of a short axis can stand in one
    // place: their values still tell where they belong.)
    const auto [lowest, highest] = std::minmax_element(labels.begin(), labels.end(),
                                                       [](const CAxisLabel& a, const CAxisLabel& b)
                                                       { return a.value < b.value; });
    const double middle = lowest->value / 2.0 + highest->value / 2.0;
    const auto distance = [&](const CAxisLabel* p) { return std::fabs(p->value - middle); };
    return {*std::min_element(clear.begin(), clear.end(),
                              [&](const CAxisLabel* a, const CAxisLabel* b) {
                                  return distance(a) < distance(b) ||
                                         (distance(a) == distance(b) && a->value < b->value);
                              })};
}

// The coarsest multiple of the step (1, 2, 5 times a power of ten) that v lies on.
long long Coarseness(double v, double step)
{
    long long coarsest = 1;
    FinestMultiple(
        [&](long long m)
        {
            if (OnMultiple(v, step, m))
                coarsest = m;
            return false;
        });
    return coarsest;
}

// Adds to the stepped labels kept any other stepped label that comes near none of them nor
// of the limit labels, those on coarser multiples first: where a label at an end of the axis
// has no room at its line, the multiple kept leaves room before that end, and labels kept
// on 50 steps, 20 being too close, can leave room for those on 25 between them. A label
// that has room is not left out.
void AddStepsWhereClear(const std::vector<CAxisLabel>& labels, double labelStep,
                        const std::vector<const CAxisLabel*>& limits,
                        std::vector<const CAxisLabel*>& kept, int nGap)
{
    std::vector<std::pair<long long, const CAxisLabel*>> others;
    for (const CAxisLabel& label : labels)
        if (!label.bLimit && std::find(kept.begin(), kept.end(), &label) == kept.end())
            others.push_back({Coarseness(label.value, labelStep), &label});
    std::stable_sort(others.begin(), others.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [coarseness, pLabel] : others)
        if (!TooCloseToAny(*pLabel, limits, nGap) && !TooCloseToAny(*pLabel, kept, nGap))
            kept.push_back(pLabel);
}

// The fewest significant digits (up to 17, which read back as the same double) that show
// the value within dTolerance, in the C notation.
std::string SignificantText(double value, double dTolerance)
{
    // Fewer digits than about log10(value / tolerance) show the value that closely only
    // where the next ones are 0, and %g leaves those off anyway.
    const double estimate = std::floor(std::log10(std::fabs(value) / dTolerance)) - 1.0;
    const int first = estimate >= 1.0 ? int(std::min(estimate, 17.0)) : 1;
    std::string text;
    for (int digits = first; digits <= 17; ++digits)
    {
        text = FormatC("%.*g", digits, value);
        if (std::fabs(WholeDoubleOrNaN(text) - value) <= dTolerance)
            break;
    }
    return text;
}

double StepAt(double start, int i, double step)
{
    const double offset = i * step;
    return std::isfinite(offset) ? start + offset : (start / 2.0 + i * (step / 2.0)) * 2.0;
}
} // namespace

int CAxisLayout::ToCanvas(double v, int origin) const
{
    return CanvasPosition(CanvasDistance(v, lower, upper, scale, canvasSpan) + origin);
}

double CAxisLayout::Span() const
{
    return std::min(upper - lower, DBL_MAX);
}

double CAxisLayout::Line(int i) const
{
    return StepAt(lineStart, i, lineStep);
}

double CAxisLayout::Label(int i) const
{
    return StepAt(labelStart, i, labelStep);
}

CAxisScale::CAxisScale() : m_LabelArea(CRect{0, 100, 100, 0}), m_LineArea(CRect{0, 100, 100, 0}) {}

bool CAxisScale::SetRects(const CGraphRegion& labelArea, const CGraphRegion& lineArea)
{
    m_LabelArea = labelArea;
    m_LineArea = lineArea;
    return true;
}

void CAxisScale::SetTextScale(double dScale, int nLeastHeight)
{
    m_dTextScale = std::isfinite(dScale) && dScale > 0.0 ? dScale : 1.0;
    m_nLeastFontHeight = std::max(nLeastHeight, 0);
}

CAxisLayout CAxisScale::ComputeLayout(double lower, double upper, double lineStep, double labelStep,
                                      int canvasSpan, bool bSpecialLimits, int nLeastLabels)
{
    CAxisLayout l;
    l.lower = std::isfinite(lower) ? lower : 0.0;
    if (std::isfinite(upper) && upper > l.lower)
        l.upper = upper;
    else
        WidenEmptyWindow(l.lower, l.upper);
    l.lineStep = StepOver(l, lineStep >= 1.0 && std::isfinite(lineStep) ? lineStep : 1.0);
    l.labelStep = StepOver(l, labelStep >= 1.0 && std::isfinite(labelStep) ? labelStep : 1.0);
    MakeStepsFiner(l, nLeastLabels);
    const double firstOffset = bSpecialLimits ? 1.0 : 0.0;
    l.lineStart = StartAbove(l.lower + firstOffset * l.lineStep, l.lineStep);
    l.labelStart = StartAbove(l.lower + firstOffset * l.labelStep, l.labelStep);
    l.lineCount = StepCount(l, l.lineStep) + 1;
    l.labelCount = StepCount(l, l.labelStep) + (bSpecialLimits ? 0 : 1);
    l.scale = CanvasScale(l.lower, l.upper, canvasSpan);
    l.canvasSpan = canvasSpan;
    return l;
}

double CAxisScale::LeastSpan(double dLargest)
{
    const double largest = std::fabs(dLargest);
    const double spacing = std::nextafter(largest, INFINITY) - largest;
    return std::pow(10.0, std::ceil(std::log10(CBasicGraph::kCanvasWidth * spacing)));
}

void CAxisScale::Setup(const CGraphRegion& labelArea, const CGraphRegion& lineArea, int nTitles,
                       const std::string* pTitles, const CDoubleRect& window, double lineStep,
                       double labelStep, int nLabelOffset, int nTitleSpacing, bool bLogarithmic,
                       int nPenWidth, int nPenStyle, COLORREF textColor)
{
    m_LabelArea = labelArea;
    m_LineArea = lineArea;
    m_Titles.assign(pTitles, pTitles + std::max(nTitles, 0));
    m_DataWindow = window;
    m_dLineStep = lineStep;
    m_dLabelStep = labelStep;
    m_nLabelOffset = nLabelOffset;
    m_nTitleSpacing = nTitleSpacing;
    m_bLogarithmic = bLogarithmic;
    m_nPenWidth = nPenWidth;
    m_nPenStyle = nPenStyle;
    m_TextColor = textColor;
    m_bInitialized = true;
}

COLORREF CAxisScale::BeginDraw(CDC* pDC, const CDoubleRect& window, double lower, double upper,
                               int canvasSpan, bool bSpecialLimits, unsigned textAlign)
{
    m_DataWindow = window;
    m_Layout = ComputeLayout(lower, upper, m_dLineStep, m_dLabelStep, canvasSpan, bSpecialLimits,
                             m_nLeastLabels);
    m_nLineCount = m_Layout.lineCount;
    m_nLabelCount = m_Layout.labelCount;
    m_dScale = m_Layout.scale;
    const COLORREF oldColor = pDC->SetTextColor(m_TextColor);
    pDC->SetTextAlign(textAlign);
    return oldColor;
}

void CAxisScale::EndDraw(CDC* pDC, COLORREF oldColor)
{
    pDC->SetTextColor(oldColor);
    pDC->SetTextAlign(TA_LEFT | TA_BASELINE);
}

void CAxisScale::DrawCenteredTitles(CDC* pDC) const
{
    for (std::size_t i = 0; i < m_Titles.size(); ++i)
    {
        const int x =
            GetCenteredTextX(pDC, m_Titles[i], m_LabelArea.m_Rect.left, m_LabelArea.m_Rect.right);
        const int y = m_LineArea.m_Rect.bottom - int(i + 1) * TitleSpacing();
        pDC->TextOut(x, y, m_Titles[i]);
    }
}

CFont CAxisScale::FitFontToWidth(CDC* pDC, const std::vector<std::string>& texts, int nWidth,
                                 int nLeastHeight)
{
    std::vector<CFittedText> fitted;
    for (const std::string& text : texts)
        fitted.push_back({text, nWidth});
    return FitFontToWidths(pDC, fitted, nLeastHeight);
}

CFont CAxisScale::FitFontToWidths(CDC* pDC, const std::vector<CFittedText>& texts, int nLeastHeight)
{
    const CFont current = pDC->GetCurrentFont();
    // The proportion the font must shrink by for the text that needs it most; 1 when all
    // fit. A text without room (width 0 or less) cannot be made to fit and is left out.
    const auto needed = [&]
    {
        double factor = 1.0;
        for (const CFittedText& t : texts)
        {
            const int n = pDC->GetTextExtent(t.text).cx;
            if (t.nWidth > 0 && n > t.nWidth)
                factor = std::min(factor, double(t.nWidth) / n);
        }
        return factor;
    };
    // The stock font has no height to scale. A display rounds a font to whole pixels, so
    // that a font made smaller in proportion can still come out a little too wide: it is
    // measured again.
    for (int attempt = 0; attempt < 4; ++attempt)
    {
        const double factor = needed();
        if (factor >= 1.0 || !SelectSmallerFont(pDC, factor, nLeastHeight))
            break;
    }
    return current;
}

bool CAxisScale::SelectSmallerFont(CDC* pDC, double dFactor, int nLeastHeight)
{
    const CFont current = pDC->GetCurrentFont();
    const int height = current.GetHeight();
    int smaller = TruncToInt(height * std::min(dFactor, 0.97));
    // Heights are negative (character heights) or positive (cell heights): the least is
    // kept with the sign of the font's.
    const int least = std::min(nLeastHeight, std::abs(height));
    if (std::abs(smaller) < least)
        smaller = height < 0 ? -least : least;
    if (height == 0 || smaller == 0 || smaller == height)
        return false;
    CFont font;
    font.CreateFont(smaller, current.GetWeight(), current.IsItalic(), current.GetFaceName(),
                    current.GetPitchAndFamily());
    pDC->SelectObject(font);
    return true;
}

std::vector<CAxisLabel> CAxisScale::ChooseLabels(const std::vector<CAxisLabel>& labels,
                                                 double labelStep, int nGap)
{
    const double step = labelStep >= 1.0 && std::isfinite(labelStep) ? labelStep : 1.0;
    std::vector<const CAxisLabel*> limits;
    for (const CAxisLabel& label : labels)
        if (label.bLimit && !TooCloseToAny(label, limits, nGap))
            limits.push_back(&label);
    std::vector<const CAxisLabel*> stepped = SteppedKept(labels, step, limits, nGap);
    AddStepsWhereClear(labels, step, limits, stepped, nGap);
    std::vector<CAxisLabel> chosen;
    for (const CAxisLabel& label : labels)
    {
        const std::vector<const CAxisLabel*>& kept = label.bLimit ? limits : stepped;
        if (std::find(kept.begin(), kept.end(), &label) != kept.end())
            chosen.push_back(label);
    }
    return chosen;
}

void CAxisScale::AddWhereClear(std::vector<CAxisLabel>& chosen, const CAxisLabel& label, int nGap)
{
    if (std::none_of(chosen.begin(), chosen.end(),
                     [&](const CAxisLabel& other) { return TooClose(label, other, nGap); }))
        chosen.push_back(label);
}

std::string CAxisScale::StepText(double value, double dTolerance)
{
    // "%.0f" shows a whole number as it is up to 1e15; beyond, its digits stop being the
    // double's, and below 1 it would show 0.
    // A value a few rounding errors off a whole number (10 to the power 2, a sum of
    // fractional steps) is that number; a step of a fraction (85.5, 85.0000000002) is not.
    const double magnitude = std::fabs(value);
    const double rounding = 4.0 * (std::nextafter(magnitude, INFINITY) - magnitude);
    const bool bWhole = std::fabs(value - std::round(value)) <= std::max(dTolerance, rounding);
    if (magnitude == 0.0 || (magnitude >= 1.0 && magnitude < 1e15 && bWhole))
        return FormatC("%.0f", std::round(value) + 0.0);
    return SignificantText(value, dTolerance);
}

std::string CAxisScale::LimitText(double value, double dTolerance)
{
    if (!(std::fabs(value) < 1e15))
        return SignificantText(value, dTolerance);
    for (int decimals = 3; decimals <= 17; ++decimals)
    {
        // Rounded first, so that 10 to the log of 1100 shows as 1100; adding 0.0 turns a
        // rounded -0.0 into 0.0, which is written without a sign.
        const double scale = std::pow(10.0, decimals);
        std::string text = FormatC("%.*f", decimals, std::round(value * scale) / scale + 0.0);
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
        if (std::fabs(WholeDoubleOrNaN(text) - value) <= dTolerance)
            return text;
    }
    return SignificantText(value, dTolerance);
}

std::optional<double> CAxisScale::PlaceAtLine(double wanted, int nSize, double dLine, double from,
                                              double to, int nFrame,
                                              const std::vector<double>& lines)
{
    // The label's own line may lie a unit off its value's place (both are truncated).
    const auto own = std::lower_bound(lines.begin(), lines.end(), dLine - 1.0);
    if (own == lines.end() || *own > dLine + 1.0 || to - nSize < from)
        return std::nullopt;
    const double placed = std::clamp(wanted, from, to - nSize);
    const double move = placed - wanted;
    if (move == 0.0)
        return placed;
    double next = INFINITY;
    if (move > 0.0)
    {
        const auto it = std::upper_bound(lines.begin(), lines.end(), dLine + 1.0);
        if (it != lines.end())
            next = *it - dLine;
    }
    else if (own != lines.begin())
        next = dLine - *(own - 1);
    if (std::fabs(move) > std::max(double(nFrame), std::min(nSize / 2.0, next / 4.0)) ||
        2.0 * std::fabs(move) >= next)
        return std::nullopt;
    return placed;
}

std::vector<double> CAxisScale::LinePlaces(const std::vector<double>& values, int origin, int a,
                                           int b) const
{
    std::vector<double> places = {double(a), double(b)};
    for (const double v : values)
        places.push_back(m_Layout.ToCanvas(v, origin));
    std::sort(places.begin(), places.end());
    return places;
}

double CAxisScale::Tolerance() const
{
    // A step computed as start + i * step may miss a limit by a rounding error; on a
    // window narrower than a millionth, the limits themselves stay apart.
    const double span = m_Layout.Span();
    return std::min(1e-9 * std::max(1.0, span), span / 1000.0);
}

bool CAxisScale::IsLineDrawn(double v) const
{
    const double spacing = m_Layout.lineStep * std::fabs(m_Layout.scale);
    const long long nMultiple =
        FinestMultiple([&](long long m) { return spacing * double(m) >= kMinLineSpacing; })
            .value_or(kLargestMultiple);
    return OnMultiple(v, m_Layout.lineStep, nMultiple);
}

bool CAxisScale::IsWindowLimit(double v) const
{
    return std::fabs(v - m_Layout.lower) <= Tolerance() ||
           std::fabs(v - m_Layout.upper) <= Tolerance();
}

bool CAxisScale::IsInWindow(double v) const
{
    // A step past the largest double is infinite, and the upper limit's tolerance can be.
    return std::isfinite(v) && v >= m_Layout.lower - Tolerance() &&
           v <= m_Layout.upper + Tolerance();
}
