// The view of the "Filter Definitions" window: the magnitude response of every designed
// filter as a curve of its own, in dB over a logarithmic frequency axis; inactive filters
// are drawn grey. Its five graphical edit modes (at most one on) make a click on a curve
// delete the filter or mark it modifiable, fixed, active or inactive; without one, a
// click picks a curve for the coordinate readout.
//
// Life: construct it on the document, then OnInitialUpdate, which publishes the view as
// the document's filter view (the destructor withdraws it).
#pragma once

#include "graph/ModeArray.h"
#include "shell/views/FilterCurveView.h"

class CFilterView : public CFilterCurveView, public IFilterView
{
public:
    explicit CFilterView(CMorvaneDoc& doc, QWidget* pParent = nullptr);
    ~CFilterView() override;

    void OnInitialUpdate();

    // IDocumentView, IFilterView.
    void OnUpdate(IDocumentView* pSender, int nHint) override;
    CDoubleRect GetDataWindow() const override { return GetViewWindow(); }
    void SetDataWindow(const CDoubleRect& window) override { SetViewWindow(window); }
    void RebuildFilterCurves() override { CFilterCurveView::RebuildFilterCurves(); }
    CMode& GetEditMode(EEditMode which) override;
    CModeArray& GetEditModeSet() override { return m_EditModes; }
    // Ends the coordinate readout and repaints at once.
    void OnEditModeChanged() override;

    // At least one curve carries a peaking EQ filter's label.
    bool HasEQFilterCurve() const;

    CModeArray m_EditModes;
    CMode m_MarkFixedMode;
    CMode m_MarkModifiableMode;
    CMode m_MarkActiveMode;
    CMode m_MarkInactiveMode;

protected:
    const CMode& AutoScalingMode() const override;
    const CMatrixPtrArray& ResponseList(int nHint) const override;
};
