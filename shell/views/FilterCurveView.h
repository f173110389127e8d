// What the two filter views share: one curve per designed filter (its magnitude in dB or
// its phase in degrees over log10 of the frequency), taken from the document's per-filter
// lists while an update hint is being handled (the document frees them right after), the
// automatic fit of the value range, the drawing and the coordinate readout that follows a
// curve. The view owns its curves.
//
// Update hints: 5 and 9 empty the view; 11 (additive restart from a coefficient file),
// 13 (a calculation pass), 15 (additive restart from device data) and 17 (Draw Filters)
// empty it and load the matching list. Every hint ends a curve readout being followed.
#pragma once

#include "document/DocumentServices.h"
#include "framework/ui/PrintableCanvas.h"
#include "graph/BasicGraph.h"
#include "graph/CoordDisplay.h"
#include "graph/Curve.h"
#include "graph/CurveEdit.h"
#include "graph/HorizontalScale.h"
#include "graph/Mode.h"
#include "graph/VerticalScale.h"
#include "graph/ViewFont.h"
#include "graph/ui/ToolTipTimer.h"
#include "matrix/dblmtrx.h"

#include <functional>
#include <string>
#include <vector>

class CMatrixPtrArray;
class CMorvaneDoc;

// The colour of palette entry n of the application's 14 named colours; entries from 14 on
// repeat the table from its start.
COLORREF PaletteIndexColor(int n);

class CFilterCurveView : public CPrintableCanvas
{
public:
    // What tells the magnitude view from the phase view.
    struct CViewTraits
    {
        const char* pValueUnit;     // "db" or "Deg": axis title and readout unit
        double dGridStep;           // dashed grid line every so many units
        double dLabelStep;          // value label every so many units
        double dAutoMargin;         // added to the curves' extent before rounding
        int nAutoMultiple;          // the automatic range's multiple
        bool bCapAutoRange;         // clamp to the document's scaling bounds
        bool bRescaleFrequencyAxis; // set the frequency scale up again after a fit
    };

    CFilterCurveView(CMorvaneDoc& doc, const CViewTraits& traits, QWidget* pParent);
    ~CFilterCurveView() override;
    CFilterCurveView(const CFilterCurveView&) = delete;
    CFilterCurveView& operator=(const CFilterCurveView&) = delete;

    CMorvaneDoc& GetDocument() const { return m_Doc; }

    // Empties the view: no curve, printing disabled; with automatic scaling the range
    // becomes -15..+15 until curves are loaded. Always TRUE.
    bool RebuildFilterCurves();
    void OnDraw(CDC* pDC) override;

    // Print and Print Preview (the window's commands, CPrintableCanvas): enabled while no
    // calculation runs and the view has been loaded (also with an empty list: the axes are
    // printed alone).
    bool OnUpdateFilePrint() const override;

    // The filter curves in list order (later curves are drawn over earlier ones).
    const std::vector<CCurve*>& GetCurves() const { return m_Curves; }
    int GetCurveState() const { return m_nCurveState; }
    const CBasicGraph& GetGraph() const { return m_BasicGraph; }
    CDoubleRect GetViewWindow() const { return m_DataWindow; }
    void SetViewWindow(const CDoubleRect& window) { m_DataWindow = window; }
    // The first curve of exactly that name; null when there is none.
    CCurve* FindCurve(const std::string& name) const;

    // Coordinate readout: the right button and command 32795 end it.
    void OnTurnOffDisplayCoordinates();
    // The tooltip: the name of the curve under the pointer, at most 79 characters; none
    // without curves or while the crosshair follows the pointer. A text starts the timer
    // that takes the tip away once the pointer moves.
    std::string GetToolTipText(CPoint pixel) const override;
    // The tooltip timer's message (id 1).
    void OnTimer(unsigned nId);
    bool IsToolTipTimerRunning() const { return m_ToolTipTimer.IsRunning(); }

    // True while the view's frame runs its resize timer: the crosshair then stays put.
    // Set by the frame's owner; without it the frame never counts as resizing.
    std::function<bool()> m_IsFrameResizing;

    CCurveEdit m_CurveEdit;
    CCoordDisplay m_CoordDisplay;
    double m_dPickDistance = 50.0; // canvas units

protected:
    // Sets the view up from the settings' range of this view (Hz and dB or degrees).
    void InitializeView(const CDoubleRect& settingsRange);
    // The shared part of OnUpdate: the readout reset, the hint's curves, the repaint.
    void HandleHint(int nHint);
    // The document's automatic-scaling mode of this view.
    virtual const CMode& AutoScalingMode() const = 0;
    // The per-filter list of a hint (magnitudes or phases).
    virtual const CMatrixPtrArray& ResponseList(int nHint) const = 0;
    bool AutoScale();
    // Removes and deletes a curve of the list; false when it is not in it.
    bool EraseCurve(CCurve* pCurve);
    // The curve under a client pixel within the pick distance, or null.
    CCurve* HitCurve(CPoint pixel) const;
    // Coordinate pick and freeze of a left click; follows the pointer on a move.
    void PickOrFreeze(CPoint pixel);
    void FollowPointer(CPoint pixel);
    // Arms the readout again and repaints so that it is switched off.
    void ResetCoordinates();
    void RepaintNow(bool bErase);
    bool IsFrameResizing() const { return m_IsFrameResizing && m_IsFrameResizing(); }

    // Without curves a click does nothing; else it picks or freezes the readout.
    void OnLButtonDown(CPoint pixel) override;
    void OnMouseMove(CPoint pixel) override;
    void OnRButtonDown(CPoint pixel) override;
    void resizeEvent(QResizeEvent* pEvent) override;

    CMorvaneDoc& m_Doc;
    std::vector<CCurve*> m_Curves;
    CPoint m_LastMousePoint;
    // Started where a tooltip text is given.
    mutable CToolTipTimer m_ToolTipTimer;

private:
    bool AddFilterCurve(const mwMatrix& x, const mwMatrix& y, COLORREF color,
                        const std::string& name, bool bColored);
    void LoadList(int nHint);
    void ResetModes();
    bool InitVerticalScale();
    bool InitHorizontalScale();
    void DrawReadout(CDC* pDC);
    // The readout's point on the followed curve at the data x of a pixel.
    bool PlaceOnFollowedCurve(CPoint pixel);
    void DeleteCurves();

    const CViewTraits m_Traits;
    CDoubleRect m_DataWindow;
    CBasicGraph m_BasicGraph;
    CVerticalScale m_VerticalScale;
    CHorizontalScale m_HorizontalScale;
    CViewFont m_ViewFont;
    int m_nFontSize = 90;
    int m_nCurveState = 1; // 1 no filter curves, 2 loaded
};
