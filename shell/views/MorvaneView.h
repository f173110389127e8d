// The view of the "Loud Speaker Response" window: the raw (measured), desired, upper and
// lower bound, modified and prior modified responses of the speaker document, in dB over
// a logarithmic frequency axis, with the dB and frequency scales, the "LF", "HF" and
// "1/2 Fs" frequency markers and a coordinate readout. The view holds drawable copies of
// the curves; the document holds the values and tells the view by update hints which
// curves changed (1, 2, 5, 6, 7, 8, 10 and 16; the others leave the curves as they are).
//
// Life: construct it on the document, then OnInitialUpdate, which publishes the view in
// the document's response-view pointer (the destructor withdraws it). The view draws
// through the device-context interface, so the same OnDraw serves the screen, the
// printer and tests.
#pragma once

#include "document/DocumentServices.h"
#include "framework/ui/CanvasWidget.h"
#include "graph/BasicGraph.h"
#include "graph/CoordDisplay.h"
#include "graph/Curve.h"
#include "graph/CurveEdit.h"
#include "graph/HorizontalScale.h"
#include "graph/Mode.h"
#include "graph/VerticalBar.h"
#include "graph/VerticalScale.h"
#include "graph/ViewFont.h"
#include "matrix/dblmtrx.h"
#include "shell/views/GraphPointer.h"
#include "shell/views/SpeakerViewParts.h"

#include <functional>
#include <string>
#include <vector>

class CMorvaneDoc;
class QPrinter;

class CMorvaneView : public CCanvasWidget, public IResponseView
{
public:
    using CCurveStyle = CSpeakerCurveStyle;

    explicit CMorvaneView(CMorvaneDoc& doc, QWidget* pParent = nullptr);
    ~CMorvaneView() override;
    CMorvaneView(const CMorvaneView&) = delete;
    CMorvaneView& operator=(const CMorvaneView&) = delete;

    CMorvaneDoc& GetDocument() const { return m_Doc; }

    // Framework overrides.
    void OnInitialUpdate();
    void OnUpdate(IDocumentView* pSender, int nHint) override;
    // Draws the view on any device context: the client area on the screen, the whole page
    // on a printer.
    void OnDraw(CDC* pDC) override;

    // Printing. Print and Print Preview are enabled while no calculation runs and the view
    // has been given a curve. Print asks for the printer; both draw the view on the page.
    bool OnUpdateFilePrint() const;
    bool OnUpdateFilePrintPreview() const { return OnUpdateFilePrint(); }
    void OnFilePrint();
    void OnFilePrintPreview();
    // Draws the view on the printer's page; false when the printer cannot be painted on.
    bool PrintTo(QPrinter& printer);

    // IDocumentView, IResponseView.
    CDoubleRect GetDataWindow() const override { return m_DataWindow; }
    void SetDataWindow(const CDoubleRect& window) override { m_DataWindow = window; }
    CCurve* GetCurve(ECurve which) override;
    CRect GetPlotArea() const override { return m_BasicGraph.m_PlotRegion.m_Rect; }
    bool AreDesiredCurvesShown() const override { return m_bDesiredCurvesShown; }
    bool IsNewCurveModeOn() const override;
    int GetNewCurveMasterPointCount() const override;
    bool BuildNewCurve() override;
    void EndNewCurveMode() override;
    void StartReplaceCurveSection() override;

    // Operations of the master-point pages: the curve recreated on the raw curve's
    // frequency grid (x the log frequencies, y the raw magnitudes) and drawn.
    bool SetDesiredResponseCurve();
    bool SetUpperBoundCurve();
    bool SetLowerBoundCurve();

    // The curves in the order raw, desired, upper bound, lower bound, modified, prior
    // modified (the order decides ties in the nearest-curve search).
    const std::vector<CCurve*>& GetCurveArray() const { return m_CurveArray; }
    const CBasicGraph& GetGraph() const { return m_BasicGraph; }
    int GetModifiedCount() const { return m_nModifiedCount; }

    // The mouse (MorvaneViewMouse.cpp), in client pixels: the coordinate readout,
    // master points of a new desired curve, free-hand replacement of a curve section.
    void OnLButtonDown(CPoint point) override;
    void OnMouseMove(CPoint point) override;
    void OnLButtonUp(CPoint point) override;
    void OnRButtonDown(CPoint point) override;
    // Command 32795 "Turn off Display Coordinates Only".
    void OnTurnOffDisplayCoordinates();
    // The window changed size: the next paint is a full one.
    void OnWindowPosChanging();
    // The name of the curve under the pointer (within 50 canvas units), or empty.
    std::string GetToolTipText(CPoint) const override;
    void OnTimer(unsigned nId) { m_Pointer.OnTimer(nId); }
    // True while the response frame waits after a resize.
    void SetResizePending(std::function<bool()> pending)
    {
        m_Pointer.SetResizePending(std::move(pending));
    }
    const CGraphPointer& GetPointer() const { return m_Pointer; }

    // The editor and the readout; the mouse handlers drive them.
    CCurveEdit m_CurveEdit;
    // On until the view is given its first curve: clicks are ignored, printing disabled.
    CMode m_NoCurvesMode;
    CCurve m_RawCurve;
    CMode m_RawCurveMode;
    CCurve m_DesiredCurve;
    CMode m_DesiredCurveMode;
    CCurve m_UpperBoundCurve;
    CMode m_UpperBoundCurveMode;
    CCurve m_LowerBoundCurve;
    CMode m_LowerBoundCurveMode;
    CCurve m_ModifiedCurve;
    CMode m_ModifiedCurveMode;
    CBasicGraph m_BasicGraph;
    // {ymax, xmin, ymin, xmax}: x in log10 of Hz, y in dB.
    CDoubleRect m_DataWindow;
    // Modified responses received since the last calculation start.
    int m_nModifiedCount = 0;
    // Anchors of the marker labels, canvas units.
    CPoint m_LabelPositions[3] = {{543, 120}, {2879, 120}, {3463, 120}};
    CCurve m_PriorModifiedCurve;
    CMode m_PriorModifiedCurveMode;
    CVerticalScale m_VerticalScale;
    CHorizontalScale m_HorizontalScale;
    CViewFont m_ViewFont;
    int m_nFontSize = 90; // canvas units
    CCoordDisplay m_CoordDisplay;
    CVerticalBar m_LowFreqBar;
    CVerticalBar m_HighFreqBar;
    CVerticalBar m_HalfFsBar;

protected:
    // Curve set-up from the document's matrices: x(i), y(i) by linear index; y must have
    // as many elements as x. The edit form names the curve "Curve", shows it only when
    // bVisible and lays it out at once.
    bool SetCurveFromMatrices(CCurve* pCurve, mwMatrix x, mwMatrix y, COLORREF color, int nKind,
                              int nTag, const std::string& name);
    bool SetEditCurveFromMatrices(CCurve* pCurve, mwMatrix x, mwMatrix y, COLORREF color, int nKind,
                                  int nTag, bool bVisible);
    bool DrawCurve(CCurve* pCurve, CDC* pDC);
    bool InitVerticalScale();
    bool InitHorizontalScale();
    bool DrawVerticalScale(CDC* pDC);
    bool DrawHorizontalScale(CDC* pDC);
    // Fits the dB range to the curves (when the document's automatic scaling is on) and
    // sets the scales up again.
    bool AutoScale();
    bool DrawFrequencyMarkers(CDC* pDC);
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    void ApplyHint(int nHint);
    void OnRawResponseReplaced();
    void OnModifiedResponse();
    void OnModifiedResponseRebuilt();
    void OnNewDesiredCurveStarted();
    void OnNewDesiredCurveBuilt();
    void OnDesiredCurvesRead();
    // Every update stops following a curve and arms the readout.
    void ResetEditor();
    // Hides the desired, bound, modified and prior curves and turns their modes off.
    void HideDerivedCurves();
    bool SetCurveFromStyle(CCurve* pCurve, const mwMatrix& y, const CCurveStyle& style);
    bool SetRawGridCurve(CCurve* pCurve, CMode& mode, const CCurveStyle& style);
    bool SetModifiedFromDocument();
    // Draws the whole graph: regions, scales, then each curve whose mode is on.
    void DrawGraph(CDC* pDC);
    // A completed free-hand edit: the edited curve's values back into the document by
    // its kind.
    void ReturnEditedCurve(const CCurve& curve);

    CMorvaneDoc& m_Doc;
    std::vector<CCurve*> m_CurveArray;
    bool m_bDesiredCurvesShown = false;
    CGraphPointer m_Pointer;
};
