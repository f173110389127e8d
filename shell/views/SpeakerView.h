// What the speaker response and phase views share: the canvas, the two scales, the "LF",
// "HF" and "1/2 Fs" markers, the coordinate readout with its crosshair, the curve-name
// tooltips, the paint that redraws only the readout after a pointer movement, and
// printing. A view adds its curves, its reaction to the document's update hints and the
// drawing of its graph.
#pragma once

#include "framework/ui/PrintableCanvas.h"
#include "graph/BasicGraph.h"
#include "graph/CoordDisplay.h"
#include "graph/Curve.h"
#include "graph/CurveEdit.h"
#include "graph/HorizontalScale.h"
#include "graph/Mode.h"
#include "graph/VerticalBar.h"
#include "graph/VerticalScale.h"
#include "graph/ViewFont.h"
#include "graph/ui/GraphPointer.h"
#include "shell/views/SpeakerViewParts.h"

#include <functional>
#include <string>
#include <vector>

class CMorvaneDoc;
class CSpeakerView : public CPrintableCanvas
{
public:
    CSpeakerView(CMorvaneDoc& doc, QWidget* pParent);
    CSpeakerView(const CSpeakerView&) = delete;
    CSpeakerView& operator=(const CSpeakerView&) = delete;

    CMorvaneDoc& GetDocument() const { return m_Doc; }

    // Draws the view on any device context: the client area on the screen, the whole
    // page on a printer.
    void OnDraw(CDC* pDC) override;

    // Print and Print Preview (the window's commands, CPrintableCanvas) are enabled while
    // no calculation runs and the view has been given a curve.
    bool OnUpdateFilePrint() const override;
    bool OnUpdateFilePrintPreview() const { return OnUpdateFilePrint(); }

    // The pointer, in client pixels. A right click clears the readout.
    void OnRButtonDown(CPoint point) override;
    // Command 32795 "Turn off Display Coordinates Only".
    void OnTurnOffDisplayCoordinates() { m_Pointer.ClearReadout(); }
    // The window changed size: the next paint is a full one.
    void OnWindowPosChanging() { m_Pointer.OnWindowPosChanging(); }
    // The name of the curve under the pointer (within 50 canvas units), or empty.
    std::string GetToolTipText(CPoint) const override { return m_Pointer.ToolTipText(); }
    void OnTimer(unsigned nId) { m_Pointer.OnTimer(nId); }
    // True while the view's frame waits after a resize.
    void SetResizePending(std::function<bool()> pending)
    {
        m_Pointer.SetResizePending(std::move(pending));
    }

    // The curves in their order of precedence in the nearest-curve search.
    const std::vector<CCurve*>& GetCurveArray() const { return m_CurveArray; }
    const CBasicGraph& GetGraph() const { return m_BasicGraph; }
    const CGraphPointer& GetPointer() const { return m_Pointer; }
    int GetModifiedCount() const { return m_nModifiedCount; }

    CCurveEdit m_CurveEdit;
    // On until the view is given its first curve: clicks are ignored, printing disabled.
    CMode m_NoCurvesMode;
    CBasicGraph m_BasicGraph;
    // {ymax, xmin, ymin, xmax}: x in log10 of Hz, y in dB or degrees.
    CDoubleRect m_DataWindow;
    // Modified responses received since the last calculation start.
    int m_nModifiedCount = 0;
    CVerticalScale m_VerticalScale;
    CHorizontalScale m_HorizontalScale;
    CViewFont m_ViewFont;
    int m_nFontSize = 90; // canvas units
    CCoordDisplay m_CoordDisplay;
    CVerticalBar m_LowFreqBar;
    CVerticalBar m_HighFreqBar;
    CVerticalBar m_HalfFsBar;
    // The modified response (red) and the one of the pass before it (yellow).
    CCurve m_ModifiedCurve;
    CMode m_ModifiedCurveMode;
    CCurve m_PriorModifiedCurve;
    CMode m_PriorModifiedCurveMode;

protected:
    // The common part of the initial update: the data window from a range in Hz, the
    // font, the curves (empty, with their styles, on the canvas), the editor and the
    // readout's texts (string ids of the title and the two units).
    void InitializeView(const CDoubleRect& rangeHz, const std::vector<CCurve*>& curves,
                        const std::vector<const CSpeakerCurveStyle*>& styles,
                        const unsigned (&readoutTexts)[3]);
    // Runs a hint's work; a matrix-layer error ends it with its message. The view is
    // repainted either way.
    void RunUpdate(const std::function<void()>& work);
    // The vertical range fitted to the curves: 5 beyond their extent, out to tens, within
    // the limits.
    void FitRangeToCurves(double dUpperLimit, double dLowerLimit);
    // Fits the range to the curves when the view's automatic scaling is on, and sets the
    // scales up again.
    virtual bool AutoScale() = 0;
    // A result of a calculation pass (y: the document's modified values): from the
    // second result since the calculation started on, the one before becomes the prior
    // curve and is shown under it; the first shows the prior curve as it was.
    void OnModifiedResult(const mwMatrix& y);
    // The modified curve rebuilt from the document without a prior one (filters drawn,
    // a restart).
    void OnModifiedRebuilt(const mwMatrix& y);

    // The graph of a full paint.
    virtual void DrawGraph(CDC* pDC) = 0;
    // A paint that replaces the usual one (true when it painted), and what a full paint
    // draws over the graph before the readout.
    virtual bool DrawInstead(CDC*) { return false; }
    virtual void DrawOverGraph(CDC*) {}

    // The strips for the view's texts on this draw's device context, the marker labels'
    // line included.
    CGraphStrips MeasureStrips(CDC* pDC);
    bool DrawCurve(CCurve* pCurve, CDC* pDC);
    bool InitHorizontalScale();
    bool DrawVerticalScale(CDC* pDC);
    bool DrawHorizontalScale(CDC* pDC);
    // The markers on the canvas of the curve that carries the frequency grid.
    bool DrawMarkersOn(const CCurve& grid, CDC* pDC);
    void resizeEvent(QResizeEvent* pEvent) override;

    CMorvaneDoc& m_Doc;
    std::vector<CCurve*> m_CurveArray;
    CGraphPointer m_Pointer;
};
