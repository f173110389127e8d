// Client pixels of canvas points of a graph view, for tests that click on curves.
#pragma once

#include "graph/BasicGraph.h"
#include "graph/Curve.h"

#include <cmath>

// The client pixel of a canvas point, with the surface of the graph's last Draw.
inline CPoint CanvasToPixel(const CBasicGraph& graph, CPoint canvas)
{
    const double x = double(canvas.x) * graph.GetDeviceWidth() / graph.GetWidth();
    const double y =
        graph.GetDeviceHeight() - double(canvas.y) * graph.GetDeviceHeight() / graph.GetHeight();
    return {int(std::lround(x)), int(std::lround(y))};
}

// The client pixel of point i of a laid-out curve.
inline CPoint PixelOfPoint(const CBasicGraph& graph, const CCurve& curve, long i)
{
    return CanvasToPixel(graph, curve.DataToLogical(curve.m_pDblPt[i]));
}
