// Free utility functions shared by the whole program: the message box, response
// clean-ups, rounding for device coordinates and axis limits, text centring. The text
// functions (StringUtility.h) and the matrix-valued ones (MatrixUtilities.h) are
// available through this header too.
#pragma once

#include "framework/core/GdiTypes.h"
#include "graph/DoublePoint.h"
#include "graph/MatrixUtilities.h"
#include "graph/StringUtility.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class CDC;

// Shows the text in a message box with only an OK button; returns the box's result.
// Also fit to serve as the matrix layer's print handler.
int ShowMessage(const char* text);
int ShowMessage(const std::string& text);

// Repairs the runs of values at or below 0 in a response before it goes to dB: an
// interior run takes the mean of the positive values on both sides, a leading or
// trailing run the one positive value next to it. False, with nothing changed, when no
// value is positive.
bool ReplaceNonPositiveValues(std::span<double> values);

double ComplexMagnitude(double re, double im);
// 10^(dB / 20).
double DbToLinear(double dB);
// Sets x and y of each of the n records to value; FALSE when points is null.
bool FillPointArray(CDoublePoint* points, double value, int n);

// Nearest int, halves away from zero; values beyond the int range give its ends and
// not-a-number gives 0.
int RoundToInt(double value);
// Toward zero, with the same treatment of the int range and not-a-number. Converting a
// double beyond the int range is undefined. A held value is no longer the number: what is
// shown as a number is computed in double. Canvas positions are held to the canvas reach
// instead (CanvasPosition, CanvasReach.h).
inline int TruncToInt(double value)
{
    if (std::isnan(value))
        return 0;
    return int(std::clamp(std::trunc(value), double(INT_MIN), double(INT_MAX)));
}
// Rounds the value to the nearest integer (halves away from zero), then up (down) to a
// multiple of n, in double: values beyond the int range keep their magnitude. n > 0; any
// other n is a failed check and leaves the value. Not-a-number becomes 0, an infinite
// value stays.
bool RoundUpToMultiple(double n, double* value);
bool RoundDownToMultiple(double n, double* value);
// Canvas units per data unit for a window from lower to upper drawn over canvasSpan units,
// and the canvas distance of v from lower at that scale. A window wider than the largest
// double (from -1e308 to 1e308) is measured in halves, so that its scale and its points
// stay true where its span would overflow; elsewhere both are the plain quotient and
// product.
double CanvasScale(double lower, double upper, double canvasSpan);
double CanvasOffset(double v, double lower, double scale);
// The x at which the text starts when centred between left and right; left when the
// text is at least as wide as the span.
int GetCenteredTextX(CDC* pDC, const std::string& text, int left, int right);
// Swaps the sides so that left <= right and top <= bottom; always TRUE.
bool NormalizeRectangle(void* unused, CRect* rect);
// The smallest element other than 0; 0xFFFF when there is none (an empty array is a
// failed check).
std::uint16_t SmallestNonZeroWord(const std::vector<std::uint16_t>& words);
