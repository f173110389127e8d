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
#include "shell/dialogs/ConfirmMarkDlg.h"
#include "shell/views/FilterCurveView.h"

#include <functional>
#include <string>

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

    // What a graphical edit asks of the document, by the filter's label; each answers
    // whether the document changed the filter. Unset, an edit is refused.
    struct CFilterEditActions
    {
        std::function<bool(const std::string&)> deleteFilter;
        std::function<bool(const std::string&)> setModifiable;
        std::function<bool(const std::string&)> setFixed;
        std::function<bool(const std::string&, bool)> setActive;
    };
    CFilterEditActions m_EditActions;
    // The confirmation of a mark with the filter's name: true for OK. The modal dialog
    // unless replaced.
    std::function<bool(EConfirmMark, const std::string&)> m_Confirm;

    // Graphical edits of one curve of the view; each returns the document's answer and,
    // when it is true, marks the filter parameter file as changed. Deleting removes the
    // curve here and the filter's phase curve; marking active or inactive colours the
    // curve or greys it at once, whatever the answer.
    bool DeleteFilterCurve(CCurve* pCurve);
    bool MarkModifiable(CCurve* pCurve);
    bool MarkFixed(CCurve* pCurve);
    bool MarkActive(CCurve* pCurve);
    bool MarkInactive(CCurve* pCurve);
    // The pointer shape of the edit mode that is on; the cross without one.
    Qt::CursorShape EditCursor() const;

    CModeArray m_EditModes;
    CMode m_MarkFixedMode;
    CMode m_MarkModifiableMode;
    CMode m_MarkActiveMode;
    CMode m_MarkInactiveMode;

protected:
    const CMode& AutoScalingMode() const override;
    const CMatrixPtrArray& ResponseList(int nHint) const override;
    // With an edit mode on, a click on a curve edits its filter; otherwise it picks or
    // freezes the readout.
    void OnLButtonDown(CPoint pixel) override;
    void OnMouseMove(CPoint pixel) override;

private:
    bool Mark(CCurve* pCurve, const std::function<bool(const std::string&)>& action);
    // Runs the edit of the mode that is on; false when no mode applies to the click.
    bool EditAt(CPoint pixel);
};
