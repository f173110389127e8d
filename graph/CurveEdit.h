// The mouse interaction object of a graph view: it finds the curve nearest to the
// pointer, keeps the coordinate display's crosshair on the curve being followed, carries
// the tooltip that names the curve under the pointer, and lets the user draw a new section
// of a curve free-hand and merge it into that curve. Its modes sequence the view's clicks,
// moves and repaints; the view's handlers drive them.
//
// Drawing a section is a small state machine apart from any drawing: BeginNewCurve enters
// the drawing state; the button press picks the curve being edited, moves add points up to
// the capacity, the release completes and merges the section; EndNewCurve goes back to
// normal. Events outside their step return FALSE and change nothing.
//
// Also the static curve operations used when curves are copied between views and
// documents and when a curve file is opened.
#pragma once

#include "framework/core/GdiTypes.h"
#include "framework/core/Window.h"
#include "graph/DoublePoint.h"
#include "graph/DoubleRect.h"
#include "graph/Mode.h"
#include "graph/NewCurveMode.h"
#include "graph/NotifyingMode.h"

#include <memory>
#include <string>
#include <vector>

class CBasicGraph;
class CCoordDisplay;
class CCurve;
class CDC;

class CCurveEdit
{
public:
    enum State : int
    {
        kNormal = 1,
        kDrawing = 3,
    };

    CCurveEdit() = default;
    ~CCurveEdit();
    CCurveEdit(const CCurveEdit&) = delete;
    CCurveEdit& operator=(const CCurveEdit&) = delete;

    // Stores the pointers and, for a view, creates its tooltip with the view's own text
    // (GetToolTipText) and activates it. FALSE, with nothing stored, when the canvas, the
    // curve array or the display is null.
    bool Initialize(CBasicGraph* pBasicGraph, std::vector<CCurve*>* pCurveArray,
                    CCoordDisplay* pCoord, CWnd* pView);
    // Among the curves, the one nearest to a client pixel: hidden curves count as
    // infinitely far, the first of equals wins (the first curve when all are hidden). Null
    // without curves.
    CCurve* FindNearestCurve(int x, int y) const;
    // Moves the active display's crosshair onto the followed curve.
    bool UpdateFollowPoint(CCoordDisplay* pCoord);

    // Drawing a section.
    bool BeginNewCurve(long nCapacity, int nLineWidth, int nPenStyle, COLORREF color,
                       int nCreateValue1, int nCreateValue2);
    bool OnLButtonDown(CPoint pixel);
    bool OnMouseMove(CPoint pixel);
    bool OnLButtonUp(CPoint pixel, const CRect* pPlotArea, const CDoubleRect* pWindow);
    bool DrawTemporaryCurve(CDC* pDC);
    bool EndNewCurve();
    bool IsNewCurveComplete() const { return m_nState == kDrawing && m_bDone; }
    CCurve* GetCurveBeingEdited() const { return m_pCurveBeingEdited; }
    int GetState() const { return m_nState; }
    int GetPointsDrawn() const { return m_nPointsDrawn; }
    const CCurve* GetTemporaryCurve() const { return m_pTemporaryCurve.get(); }

    // Merges a section (data points, x ascending) into a curve: a section starting left of
    // the curve's first point sets that point's y to the section's first y, one ending
    // right of its last point sets the last y; every point of the curve from the first at
    // or after the section's start to the last at or before its end takes the section's y
    // at its x. x values never change; an empty range changes nothing more.
    static bool MergeSection(const CCurve* pSection, CCurve* pEdited);

    // TRUE on a raster display when the pixel at the plot area's left-bottom corner is
    // black or cannot be read (the plot is on the screen); FALSE otherwise.
    bool IsPlotCornerBlack(CDC* pDC) const;
    // The union of the extents of the curves whose points are valid (hidden ones too); a
    // bound that no curve set is 0.
    CDoubleRect GetCurvesExtent() const;
    // Reverses the first nLength points in place.
    static bool ReversePoints(CPoint* pPt, long nLength);

    // Both curves have the same number of points and exactly equal x at every index.
    static bool HaveSameX(const CCurve* pA, const CCurve* pB);
    // The destination becomes a visible copy of the source (points, data window, line
    // width, master points and their mode) with pen style 0, the given colour, kind, tag
    // and name and create values 1 and 0; its points are valid, its extent computed and
    // its points clipped; canvas points wait for the next layout.
    static bool CopyCurve(const CCurve* pSource, CCurve* pDest, COLORREF color, int nKind, int nTag,
                          const std::string& strName);
    // Replaces the destination's master points by copies of the source's; FALSE when the
    // source has none (the destination is then left without master points).
    static bool CopyMasterPoints(const CCurve* pSource, CCurve* pDest);
    // The destination gets the grid's x values, point count, line width and data window,
    // the source's colour, kind, tag and master points, and at every x the source's y
    // (the source's end values beyond its range).
    static bool ResampleCurve(const CCurve* pGrid, const CCurve* pSource, CCurve* pDest,
                              const std::string& strName);

    CBasicGraph* pBasicGraph = nullptr;
    std::vector<CCurve*>* pCurveArray = nullptr;
    CCoordDisplay* pCoord = nullptr;
    CCurve* m_pCurveBeingFollowed = nullptr;
    CMode m_FollowingMode;
    CMode m_ReadyToFollowMode;
    // On while following: on deactivates the tooltip, off activates it.
    CNotifyingMode m_TooltipsOffMode;
    CMode m_CrosshairOnlyMode;
    CMode m_WindowMovedMode;
    CMode m_ClearCoordinatesMode;
    CNewCurveMode m_NewCurveMode;
    std::unique_ptr<IToolTip> m_ToolTip;
    CMode m_InitializedMode;
    CMode m_DeleteFiltersMode;
    CWnd* pView = nullptr;

private:
    // The canvas point of a client pixel.
    CPoint ToCanvas(CPoint pixel) const;
    bool StorePoint(CPoint pixel);
    bool MergeTemporaryCurve(long m, const CRect* pPlotArea, const CDoubleRect* pWindow);

    int m_nState = kNormal;
    CCurve* m_pCurveBeingEdited = nullptr;
    std::unique_ptr<CCurve> m_pTemporaryCurve;
    long m_nPointsDrawn = 0;
    bool m_bDone = false;
    CPoint m_LastPixel;
};
