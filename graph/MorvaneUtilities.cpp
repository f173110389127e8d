#include "graph/MorvaneUtilities.h"

#include "framework/core/DeviceContext.h"
#include "framework/core/Services.h"
#include "graph/Assert.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

int ShowMessage(const char* text)
{
    return Services::MessageBox().Show(text ? text : "");
}

int ShowMessage(const std::string& text)
{
    return Services::MessageBox().Show(text);
}

bool ReplaceNonPositiveValues(std::span<double> values)
{
    const auto firstPositive =
        std::find_if(values.begin(), values.end(), [](double v) { return v > 0.0; });
    if (firstPositive == values.end())
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    // A leading run takes the first positive value; every later run the mean of its two
    // neighbours, or, at the end, the last positive value.
    std::fill(values.begin(), firstPositive, *firstPositive);
    double lastPositive = *firstPositive;
    for (auto it = firstPositive; it != values.end(); ++it)
    {
        if (*it > 0.0)
        {
            lastPositive = *it;
            continue;
        }
        const auto next = std::find_if(it, values.end(), [](double v) { return v > 0.0; });
        const double fill = next == values.end() ? lastPositive : (lastPositive + *next) / 2.0;
        std::fill(it, next, fill);
        if (next == values.end())
            break;
        it = next;
        lastPositive = *next;
    }
    return true;
}

double ComplexMagnitude(double re, double im)
{
    return std::sqrt(re * re + im * im);
}

double DbToLinear(double dB)
{
    return std::pow(10.0, dB / 20.0);
}

bool FillPointArray(CDoublePoint* points, double value, int n)
{
    if (!MORVANE_CHECK(points))
        return false;
    for (int i = 0; i < n; ++i)
        points[i] = {value, value};
    return true;
}

int RoundToInt(double value)
{
    if (std::isnan(value))
        return 0;
    const double a = std::fabs(value);
    double i = std::trunc(a);
    if (i + 0.5 <= a)
        i += 1.0;
    const double r = std::copysign(i, value);
    return int(std::clamp(r, double(INT_MIN), double(INT_MAX)));
}

namespace
{
// The rounded value and its remainder by n with the sign of the value; false for n <= 0.
bool RoundAndRemainder(double n, const double* value, double& r, double& m)
{
    if (!MORVANE_CHECK(n > 0.0 && value))
        return false;
    r = std::isnan(*value) ? 0.0 : std::round(*value);
    m = std::isfinite(r) ? std::fmod(r, n) : 0.0;
    return true;
}
} // namespace

// Adding 0.0 turns a -0.0 (a small negative value rounded) into 0.0.
bool RoundUpToMultiple(double n, double* value)
{
    double r, m;
    if (!RoundAndRemainder(n, value, r, m))
        return false;
    *value = (m == 0.0 ? r : (r < 0.0 ? r - m : r + n - m)) + 0.0;
    return true;
}

bool RoundDownToMultiple(double n, double* value)
{
    double r, m;
    if (!RoundAndRemainder(n, value, r, m))
        return false;
    *value = (m == 0.0 ? r : (r >= 0.0 ? r - m : r - n - m)) + 0.0;
    return true;
}

double CanvasScale(double lower, double upper, double canvasSpan)
{
    const double span = upper - lower;
    if (std::isfinite(span))
        return canvasSpan / span;
    return canvasSpan / 2.0 / (upper / 2.0 - lower / 2.0);
}

double CanvasOffset(double v, double lower, double scale)
{
    const double d = v - lower;
    if (std::isfinite(d))
        return d * scale;
    return (v / 2.0 - lower / 2.0) * (2.0 * scale);
}

int GetCenteredTextX(CDC* pDC, const std::string& text, int left, int right)
{
    if (!MORVANE_CHECK(pDC))
        return left;
    const long long w = pDC->GetTextExtent(text).cx;
    const long long span = (long long)right - left;
    if (span <= w)
        return left;
    return int(left + (span - w) / 2);
}

bool NormalizeRectangle(void*, CRect* rect)
{
    if (!MORVANE_CHECK(rect))
        return false;
    if (rect->left > rect->right)
        std::swap(rect->left, rect->right);
    if (rect->top > rect->bottom)
        std::swap(rect->top, rect->bottom);
    return true;
}

std::uint16_t SmallestNonZeroWord(const std::vector<std::uint16_t>& words)
{
    const bool nLength = !words.empty();
    MORVANE_CHECK(nLength);
    std::uint16_t smallest = 0xFFFF;
    for (std::uint16_t w : words)
        if (w != 0 && w < smallest)
            smallest = w;
    return smallest;
}
