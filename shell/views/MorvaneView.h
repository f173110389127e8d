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
#include "shell/views/SpeakerView.h"

#include <string>

class CMorvaneView : public CSpeakerView, public IResponseView
{
public:
    using CCurveStyle = CSpeakerCurveStyle;

    explicit CMorvaneView(CMorvaneDoc& doc, QWidget* pParent = nullptr);
    ~CMorvaneView() override;
    CMorvaneView(const CMorvaneView&) = delete;
    CMorvaneView& operator=(const CMorvaneView&) = delete;

    // Framework overrides.
    void OnInitialUpdate();
    void OnUpdate(IDocumentView* pSender, int nHint) override;

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
    CCurve* ResetCurveOnRawGrid(ECurve which) override;

    // Operations of the master-point pages: the curve recreated on the raw curve's
    // frequency grid (x the log frequencies, y the raw magnitudes) and drawn.
    bool SetDesiredResponseCurve();
    bool SetUpperBoundCurve();
    bool SetLowerBoundCurve();

    // The mouse (MorvaneViewMouse.cpp), in client pixels: the coordinate readout,
    // master points of a new desired curve, free-hand replacement of a curve section.
    void OnLButtonDown(CPoint point) override;
    void OnMouseMove(CPoint point) override;
    void OnLButtonUp(CPoint point) override;

    // The curves, in the order raw, desired, upper bound, lower bound, modified, prior
    // modified in the curve array (the order decides ties in the nearest-curve search).
    CCurve m_RawCurve;
    CMode m_RawCurveMode;
    CCurve m_DesiredCurve;
    CMode m_DesiredCurveMode;
    CCurve m_UpperBoundCurve;
    CMode m_UpperBoundCurveMode;
    CCurve m_LowerBoundCurve;
    CMode m_LowerBoundCurveMode;

protected:
    // Curve set-up from the document's matrices: x(i), y(i) by linear index; y must have
    // as many elements as x. The edit form names the curve "Curve", shows it only when
    // bVisible and lays it out at once.
    bool SetCurveFromMatrices(CCurve* pCurve, mwMatrix x, mwMatrix y, COLORREF color, int nKind,
                              int nTag, const std::string& name);
    bool SetEditCurveFromMatrices(CCurve* pCurve, mwMatrix x, mwMatrix y, COLORREF color, int nKind,
                                  int nTag, bool bVisible);
    bool InitVerticalScale();
    // Fits the dB range to the curves (when the document's automatic scaling is on) and
    // sets the scales up again.
    bool AutoScale() override;
    bool DrawFrequencyMarkers(CDC* pDC);
    void DrawGraph(CDC* pDC) override;
    // A click added a master point: only the master points are drawn.
    bool DrawInstead(CDC* pDC) override;
    // The master points of a new desired curve.
    void DrawOverGraph(CDC* pDC) override;

private:
    void ApplyHint(int nHint);
    void OnRawResponseReplaced();
    void OnNewDesiredCurveStarted();
    void OnNewDesiredCurveBuilt();
    void OnDesiredCurvesRead();
    // Every update stops following a curve and arms the readout.
    void ResetEditor();
    // Hides the desired, bound, modified and prior curves and turns their modes off.
    void HideDerivedCurves();
    bool SetCurveFromStyle(CCurve* pCurve, const mwMatrix& y, const CCurveStyle& style);
    bool SetRawGridCurve(CCurve* pCurve, CMode& mode, const CCurveStyle& style);
    // A completed free-hand edit: the edited curve's values back into the document by
    // its kind.
    void ReturnEditedCurve(const CCurve& curve);

    bool m_bDesiredCurvesShown = false;
};
