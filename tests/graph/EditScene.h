// The scene of the curve-editing tests: a canvas for 800 x 600 pixels (5 canvas units per
// pixel) showing data x 0..10 and y -10..10 in the plot area (220, 3000, 4000, 220), that
// is 378 canvas units per unit of x and 139 per unit of y, and a curve with y = 0 at
// x = 1, 2, ..., 9.
#pragma once

#include "graph/BasicGraph.h"
#include "graph/CoordDisplay.h"
#include "graph/Curve.h"
#include "graph/CurveEdit.h"
#include "graph/DoubleRect.h"

#include <cmath>
#include <string>
#include <vector>

constexpr CDoubleRect kEditWindow{10.0, 0.0, -10.0, 10.0};

inline void MakeFlatCurve(CCurve& curve, COLORREF color, const std::string& name)
{
    curve.Create(9, 2, PS_SOLID, color, 1, 0, 1, 0, true, true, name);
    for (int i = 0; i < 9; ++i)
        curve.m_pDblPt[i] = {i + 1.0, 0.0};
    curve.m_PointsAreValidMode.TurnOn();
}

// The client pixel of a data point, rounded to the pixel grid.
inline CPoint EditPixel(double x, double y)
{
    return {int(std::lround((220 + 378 * x) / 5)),
            int(std::lround(600 - (220 + 139 * (y + 10)) / 5))};
}

// The canvas, the curve and the editor of a view of the scene. AttachView is called once the
// view is fully built: the editor asks the view for its tooltip.
struct CEditScene
{
    CEditScene() = default;
    CEditScene(const CEditScene&) = delete;
    CEditScene& operator=(const CEditScene&) = delete;

    void AttachView(CWnd* pView, COLORREF color)
    {
        MakeFlatCurve(curve, color, "Raw Response Curve");
        curves.push_back(&curve);
        graph.SetClipRect(&dataWindow);
        edit.Initialize(&graph, &curves, &coord, pView);
    }

    CBasicGraph graph;
    CDoubleRect dataWindow = kEditWindow;
    CCurve curve;
    std::vector<CCurve*> curves;
    CCoordDisplay coord;
    CCurveEdit edit;
};
