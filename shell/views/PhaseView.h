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
#include "shell/views/SpeakerView.h"

class CPhaseView : public CSpeakerView, public IPhaseView
{
public:
    explicit CPhaseView(CMorvaneDoc& doc, QWidget* pParent = nullptr);
    ~CPhaseView() override;
    CPhaseView(const CPhaseView&) = delete;
    CPhaseView& operator=(const CPhaseView&) = delete;

    void OnInitialUpdate();
    void OnUpdate(IDocumentView* pSender, int nHint) override;

    // IDocumentView, IPhaseView.
    CDoubleRect GetDataWindow() const override { return m_DataWindow; }
    void SetDataWindow(const CDoubleRect& window) override { m_DataWindow = window; }
    CCurve* GetCurve(ECurve which) override;

    // The mouse, in client pixels: only the coordinate readout.
    void OnLButtonDown(CPoint point) override;
    void OnMouseMove(CPoint point) override;

    // The step of the degree scale's ticks and labels for the data window: a tenth of
    // its height, out to tens.
    double GetScaleStep() const;

    // The curves, in the order phase, modified, prior modified in the curve array.
    CCurve m_PhaseCurve;
    CMode m_PhaseCurveMode;

protected:
    bool SetCurveFromMatrices(CCurve* pCurve, const mwMatrix& y, const CSpeakerCurveStyle& style);
    // The degree scale with tick and label step dStep.
    bool InitVerticalScale(double dStep);
    // Fits the degree range to the curves (when the document's phase automatic scaling
    // is on) and sets the scales up again.
    bool AutoScale() override;
    void DrawGraph(CDC* pDC) override;

private:
    void ApplyHint(int nHint);
    void OnRawPhaseReplaced();
    // Turns the modified and prior modes off and hides both curves.
    void HideModifiedCurves();
};
