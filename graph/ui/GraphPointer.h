// What the pointer does in a graph view (the speaker, filter and design views): the
// coordinate readout that follows a curve under a crosshair, the curve-name tooltips, and
// the paint bookkeeping that lets a pointer movement redraw only the readout.
//
// The readout's life: armed -> first left click: following the curve nearest to the
// click (crosshair moves with the pointer, tooltips off) -> second left click: frozen and
// armed again; a right click or ClearReadout clears it and arms it. The editor's modes
// carry the state: m_FollowingMode (a curve is picked: following or frozen),
// m_ReadyToFollowMode (the next click picks), m_TooltipsOffMode (the crosshair follows the
// pointer; on deactivates the tooltips), m_CrosshairOnlyMode (the next paint may draw only
// the readout and the free-hand path).
//
// A view paints with: BeginPaint (true: draw nothing but what EndPaint draws), its graph
// unless BeginPaint said so, then EndPaint.
#pragma once

#include "framework/core/GdiTypes.h"
#include "graph/ui/ToolTipTimer.h"

#include <functional>
#include <string>
#include <vector>

class CBasicGraph;
class CCanvasWidget;
class CCoordDisplay;
class CCurve;
class CCurveEdit;
class CDC;
class CMode;
class CViewFont;

// Places a graph view's coordinate read-out box in the top right corner of the plot area.
void PlaceReadoutBox(CCoordDisplay& display, const CBasicGraph& graph);

class CGraphPointer
{
public:
    // The parts of the view that the pointer works on; all live as long as the view.
    struct CParts
    {
        CCanvasWidget* pView;
        CCurveEdit* pEdit;
        CCoordDisplay* pCoord;
        CBasicGraph* pGraph;
        std::vector<CCurve*>* pCurves;
    };

    static constexpr unsigned kToolTipTimerId = CToolTipTimer::kId;
    // A tooltip names a curve within this canvas distance of the pointer.
    static constexpr double kToolTipDistance = 50.0;

    explicit CGraphPointer(const CParts& parts);
    CGraphPointer(const CGraphPointer&) = delete;
    CGraphPointer& operator=(const CGraphPointer&) = delete;

    // True while the view's frame waits after a resize: the readout does not follow the
    // pointer then. Unset: never.
    void SetResizePending(std::function<bool()> pending) { m_ResizePending = std::move(pending); }

    // A left click for the readout: picks the nearest curve when armed, freezes the
    // readout when following. False when it did neither.
    bool OnLButtonDown(CPoint pixel);
    // Remembers the pointer and, while following, moves the crosshair along the curve.
    // True when it moved the readout.
    bool OnMouseMove(CPoint pixel);
    void RememberPointer(CPoint pixel) { m_LastMousePoint = pixel; }
    // Right click and "Turn off Display Coordinates Only": the readout goes off at once.
    void ClearReadout();
    // The window changed size: the next paint is a full one and no crosshair is left.
    void OnWindowPosChanging();
    // Every update of the view stops following a curve and arms the readout.
    void ResetModes();

    // The name of the curve near the pointer (the tooltip's text), or empty; a text starts
    // the timer that takes the tip away once the pointer moves.
    std::string ToolTipText() const;
    void OnTimer(unsigned nId);

    bool BeginPaint(CDC* pDC);
    void EndPaint(CDC* pDC, bool bFullPaint);
    // The whole paint of a view that draws nothing else: the canvas on the device, the
    // view's font selected, the readout box placed, drawGraph unless only the readout is
    // to be redrawn, then the readout.
    void Paint(CDC* pDC, CViewFont& viewFont, const std::function<void(CDC*)>& drawGraph);

    // Paints the view at once (invalidate, then paint), erasing it first when bErase.
    void RepaintNow(bool bErase);

    CPoint GetLastMousePoint() const { return m_LastMousePoint; }
    CPoint GetToolTipPoint() const { return m_ToolTipTimer.GetTipPoint(); }
    bool IsToolTipTimerRunning() const { return m_ToolTipTimer.IsRunning(); }

private:
    // Puts the readout on the followed curve at the pointer's x (clamped to the plot); a
    // straight-line curve (CCurveLine) at its point under the pointer.
    void FollowTo(CPoint pixel);
    CCurve* NearestCurve(CPoint pixel, double* pDistance) const;

    CParts m_Parts;
    std::function<bool()> m_ResizePending;
    CPoint m_LastMousePoint{0, 0};
    // Started where a tooltip text is given.
    mutable CToolTipTimer m_ToolTipTimer;
};
