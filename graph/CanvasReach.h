// Where a data value stands on a canvas, the one conversion every scale, curve, marker and
// annotation uses: the position is held to +-kCanvasReach, so that whatever drawing code adds
// to it afterwards (a marker's width, a text's size, a gap, an arrow) or takes between two
// positions stays inside the int range.
#pragma once

#include "framework/core/GdiTypes.h"
#include "graph/DoublePoint.h"

#include <span>
#include <vector>

// Far off any canvas a window can have (4000 units across, about 1.3e8 high for a window 1
// pixel wide and 32767 high, the most X11 gives a window): a held position stays off the
// canvas on the side it lies, and a held position plus or minus any size on the canvas stays
// inside the int range.
inline constexpr int kCanvasReach = 1 << 29;

// The canvas distance of v from lower in a window from lower to upper drawn over canvasSpan
// units at scale (CanvasScale of the same window and span): CanvasOffset, or, in a window too
// narrow for a finite scale (1e-310 to 2e-310), v's share of the window. 0 where that is no
// number (a value that is no number, a window without width).
double CanvasDistance(double v, double lower, double upper, double scale, double canvasSpan);
// trunc(at) held to +-kCanvasReach; 0 for not-a-number.
int CanvasPosition(double at);

// A polyline of canvas positions (not yet held) as the pieces of it that lie in the clip
// rectangle, in order: each segment is clipped in double, so that its visible part keeps
// its direction however far an end lies (holding both ends to the reach would bend it); a
// segment that leaves the rectangle ends its piece, one wholly outside it is left out. A
// point that is no number splits the polyline: the pieces before and after it stay apart.
// A polyline inside the rectangle is one piece of the same points; so is a single point
// inside it (one point between two that are no numbers included).
std::vector<std::vector<CPoint>> CanvasPieces(std::span<const CDoublePoint> at, const CRect& clip);
