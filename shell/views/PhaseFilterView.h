// The view of the "Filter Phase Definitions" window: the phase response of every designed
// filter as a curve of its own, in degrees over a logarithmic frequency axis; inactive
// filters are drawn grey. A click picks a curve for the coordinate readout; there is no
// graphical editing. Besides the filter view's hints it fits its range at hint 12 (a
// filter marked active or inactive, settings applied).
//
// Life: construct it on the document, then OnInitialUpdate, which publishes the view as
// the document's filter phase view (the destructor withdraws it).
#pragma once

#include "shell/views/FilterCurveView.h"

class CPhaseFilterView : public CFilterCurveView, public IDocumentView
{
public:
    explicit CPhaseFilterView(CMorvaneDoc& doc, QWidget* pParent = nullptr);
    ~CPhaseFilterView() override;

    void OnInitialUpdate();

    // IDocumentView.
    void OnUpdate(IDocumentView* pSender, int nHint) override;
    CDoubleRect GetDataWindow() const override { return GetViewWindow(); }
    void SetDataWindow(const CDoubleRect& window) override { SetViewWindow(window); }

    // Removes and deletes the first curve of exactly that name and repaints; false when
    // there is none.
    bool RemoveFilterCurve(const std::string& name);
    // The first curve of exactly that name drawn in its colour (1) or grey (0), without a
    // repaint (the hint that follows repaints); false when there is none.
    bool MarkFilterCurve(const std::string& name, int nState);

protected:
    const CMode& AutoScalingMode() const override;
    const CMatrixPtrArray& ResponseList(int nHint) const override;
};
