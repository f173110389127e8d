// The view of the "Loud Speaker Phase Response" window: the phase in degrees of the raw
// response, of the modified response and of the prior modified response over a
// logarithmic frequency axis, with the degree and frequency scales, the "LF", "HF" and
// "1/2 Fs" markers, a coordinate readout and curve-name tooltips. No curve is edited
// here. The document tells the view by update hints which curves changed (2, 5, 6, 10,
// 12, 14 and 16; the others leave it as it is).
//
// Life: construct it on the document, then OnInitialUpdate, which publishes the view in
// the document's phase-view pointer (the destructor withdraws it).
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
#include "shell/views/GraphPointer.h"
#include "shell/views/SpeakerViewParts.h"

#include <functional>
#include <string>
#include <vector>

class CMorvaneDoc;
class QPrinter;

class CPhaseView : public CCanvasWidget, public IPhaseView
{
public:
    explicit CPhaseView(CMorvaneDoc& doc, QWidget* pParent = nullptr);
    ~CPhaseView() override;
    CPhaseView(const CPhaseView&) = delete;
    CPhaseView& operator=(const CPhaseView&) = delete;

    CMorvaneDoc& GetDocument() const { return m_Doc; }

    void OnInitialUpdate();
    void OnUpdate(IDocumentView* pSender, int nHint) override;
    void OnDraw(CDC* pDC) override;

    // Print and Print Preview are enabled while no calculation runs and the view has
    // been given a curve.
    bool OnUpdateFilePrint() const;
    bool OnUpdateFilePrintPreview() const { return OnUpdateFilePrint(); }
    void OnFilePrint();
    void OnFilePrintPreview();
    bool PrintTo(QPrinter& printer);

    // IDocumentView, IPhaseView.
    CDoubleRect GetDataWindow() const override { return m_DataWindow; }
    void SetDataWindow(const CDoubleRect& window) override { m_DataWindow = window; }
    CCurve* GetCurve(ECurve which) override;

    // The mouse, in client pixels: only the coordinate readout.
    void OnLButtonDown(CPoint point) override;
    void OnMouseMove(CPoint point) override;
    void OnRButtonDown(CPoint point) override;
    // Command 32795 "Turn off Display Coordinates Only".
    void OnTurnOffDisplayCoordinates() { m_Pointer.ClearReadout(); }
    void OnWindowPosChanging() { m_Pointer.OnWindowPosChanging(); }
    std::string GetToolTipText(CPoint) const override { return m_Pointer.ToolTipText(); }
    void OnTimer(unsigned nId) { m_Pointer.OnTimer(nId); }
    // True while the phase frame waits after a resize.
    void SetResizePending(std::function<bool()> pending)
    {
        m_Pointer.SetResizePending(std::move(pending));
    }

    // The curves in the order phase, modified, prior modified.
    const std::vector<CCurve*>& GetCurveArray() const { return m_CurveArray; }
    const CBasicGraph& GetGraph() const { return m_BasicGraph; }
    const CGraphPointer& GetPointer() const { return m_Pointer; }
    // The step of the degree scale's ticks and labels for the data window.
    double GetScaleStep() const;

    CCurveEdit m_CurveEdit;
    // On until hint 14 gives the view its phase curve.
    CMode m_NoCurvesMode;
    CCurve m_PhaseCurve;
    CMode m_PhaseCurveMode;
    CCurve m_ModifiedCurve;
    CMode m_ModifiedCurveMode;
    CBasicGraph m_BasicGraph;
    // {ymax, xmin, ymin, xmax}: x in log10 of Hz, y in degrees.
    CDoubleRect m_DataWindow;
    int m_nModifiedCount = 0;
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
    bool SetCurveFromMatrices(CCurve* pCurve, const mwMatrix& y, const CSpeakerCurveStyle& style);
    bool DrawCurve(CCurve* pCurve, CDC* pDC);
    // The degree scale with tick and label step dStep.
    bool InitVerticalScale(double dStep);
    bool InitHorizontalScale();
    // Fits the degree range to the curves (when the document's phase automatic scaling
    // is on) and sets the scales up again.
    bool AutoScale();
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    void ApplyHint(int nHint);
    void OnRawPhaseReplaced();
    void OnModifiedResponse();
    void OnModifiedResponseRebuilt();
    // Turns the modified and prior modes off and hides both curves.
    void HideModifiedCurves();
    void DrawGraph(CDC* pDC);

    CMorvaneDoc& m_Doc;
    std::vector<CCurve*> m_CurveArray;
    CGraphPointer m_Pointer;
};
