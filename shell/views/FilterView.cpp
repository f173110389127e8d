// The filter view: the magnitude curves and the graphical edit modes.
#include "shell/views/FilterView.h"

#include "document/MorvaneDoc.h"
#include "document/MorvaneSettings.h"
#include "filters/FilterKinds.h"
#include "shell/views/PhaseFilterView.h"

#include <algorithm>

namespace
{
// Grid every 5 dB, labels every 10 dB; the automatic range is the curves' extent plus
// 2 dB, rounded outward to multiples of 5 dB and kept within the document's bounds.
constexpr CFilterCurveView::CViewTraits kMagnitudeTraits{"db", 5.0, 10.0, 2.0, 5, true, false};
} // namespace

CFilterView::CFilterView(CMorvaneDoc& doc, QWidget* pParent)
    : CFilterCurveView(doc, kMagnitudeTraits, pParent),
      m_Confirm([](EConfirmMark kind, const std::string& name)
                { return CConfirmMarkDlg(kind, name).DoModal() == 1; })
{
}

CFilterView::~CFilterView()
{
    if (m_Doc.m_pFilterView == this)
        m_Doc.m_pFilterView = nullptr;
}

void CFilterView::OnInitialUpdate()
{
    m_Doc.m_pFilterView = this;
    InitializeView(m_Doc.App().Settings().m_FilterRange);
    m_MarkFixedMode.TurnOff();
    m_MarkModifiableMode.TurnOff();
    m_EditModes.RemoveAll();
    for (CMode* pMode :
         {&m_MarkFixedMode, &m_MarkModifiableMode, &m_MarkActiveMode, &m_MarkInactiveMode,
          static_cast<CMode*>(&m_CurveEdit.m_DeleteFiltersMode)})
        m_EditModes.Add(pMode);
    m_EditModes.TurnOffAll();
}

void CFilterView::OnUpdate(IDocumentView*, int nHint)
{
    HandleHint(nHint);
}

const CMode& CFilterView::AutoScalingMode() const
{
    return m_Doc.m_FilterAutomaticScaling;
}

const CMatrixPtrArray& CFilterView::ResponseList(int nHint) const
{
    switch (nHint)
    {
    case kHintDeviceRestartFilters:
        return m_Doc.m_RestartMagnitudes;
    case kHintDrawFilters:
        return m_Doc.m_DrawnMagnitudes;
    default:
        // The restart from a coefficient file and a calculation pass.
        return m_Doc.m_ResultMagnitudes;
    }
}

CMode& CFilterView::GetEditMode(EEditMode which)
{
    switch (which)
    {
    case kMarkActive:
        return m_MarkActiveMode;
    case kMarkInactive:
        return m_MarkInactiveMode;
    case kMarkModifiable:
        return m_MarkModifiableMode;
    case kMarkFixed:
        return m_MarkFixedMode;
    case kDeleteFilters:
        break;
    }
    return m_CurveEdit.m_DeleteFiltersMode;
}

void CFilterView::OnEditModeChanged()
{
    ResetCoordinates();
}

bool CFilterView::HasEQFilterCurve() const
{
    return std::any_of(m_Curves.begin(), m_Curves.end(),
                       [](const CCurve* pCurve) { return IsEQLabel(pCurve->GetName()); });
}

bool CFilterView::DeleteFilterCurve(CCurve* pCurve)
{
    if (std::find(m_Curves.begin(), m_Curves.end(), pCurve) == m_Curves.end())
        return false;
    const std::string name = pCurve->GetName();
    if (!m_EditActions.deleteFilter || !m_EditActions.deleteFilter(name))
        return false;
    if (auto* pPhaseView = dynamic_cast<CPhaseFilterView*>(m_Doc.m_pPhaseFilterView))
        pPhaseView->RemoveFilterCurve(name);
    EraseCurve(pCurve);
    m_Doc.m_ParameterFile.MarkNewContent();
    Invalidate(true);
    return true;
}

bool CFilterView::Mark(CCurve* pCurve, const std::function<bool(const std::string&)>& action)
{
    if (!pCurve || !action || !action(pCurve->GetName()))
        return false;
    m_Doc.m_ParameterFile.MarkNewContent();
    return true;
}

bool CFilterView::MarkModifiable(CCurve* pCurve)
{
    return Mark(pCurve, m_EditActions.setModifiable);
}

bool CFilterView::MarkFixed(CCurve* pCurve)
{
    return Mark(pCurve, m_EditActions.setFixed);
}

bool CFilterView::MarkActive(CCurve* pCurve)
{
    if (pCurve)
        pCurve->m_ActiveMode.TurnOn();
    return Mark(pCurve, [this](const std::string& name)
                { return m_EditActions.setActive && m_EditActions.setActive(name, true); });
}

bool CFilterView::MarkInactive(CCurve* pCurve)
{
    if (pCurve)
        pCurve->m_ActiveMode.TurnOff();
    return Mark(pCurve, [this](const std::string& name)
                { return m_EditActions.setActive && m_EditActions.setActive(name, false); });
}

bool CFilterView::EditAt(CPoint pixel)
{
    if (m_CurveEdit.m_DeleteFiltersMode.IsOn())
    {
        if (CCurve* pCurve = HitCurve(pixel))
            DeleteFilterCurve(pCurve);
        return true;
    }
    const bool bHasEQ = HasEQFilterCurve();
    const struct
    {
        const CMode* pMode;
        bool bEQOnly;
        EConfirmMark dialog;
        bool (CFilterView::*mark)(CCurve*);
        bool bRepaint;
    } edits[] = {
        {&m_MarkModifiableMode, true, EConfirmMark::Modifiable, &CFilterView::MarkModifiable,
         false},
        {&m_MarkFixedMode, true, EConfirmMark::Fixed, &CFilterView::MarkFixed, false},
        {&m_MarkActiveMode, false, EConfirmMark::Active, &CFilterView::MarkActive, true},
        {&m_MarkInactiveMode, false, EConfirmMark::Inactive, &CFilterView::MarkInactive, true},
    };
    for (const auto& edit : edits)
    {
        // The EQ-only marks leave the click to the readout while no EQ filter is drawn.
        if (edit.pMode->IsOff() || (edit.bEQOnly && !bHasEQ))
            continue;
        CCurve* pCurve = HitCurve(pixel);
        if (pCurve && (!edit.bEQOnly || IsEQLabel(pCurve->GetName())) && m_Confirm &&
            m_Confirm(edit.dialog, pCurve->GetName()))
        {
            (this->*edit.mark)(pCurve);
            if (edit.bRepaint)
                RepaintNow(false);
        }
        return true;
    }
    return false;
}

void CFilterView::OnLButtonDown(CPoint pixel)
{
    if (m_Curves.empty())
        return;
    m_LastMousePoint = pixel;
    if (!EditAt(pixel))
        PickOrFreeze(pixel);
}

Qt::CursorShape CFilterView::EditCursor() const
{
    const struct
    {
        const CMode* pMode;
        Qt::CursorShape shape;
    } cursors[] = {
        {&m_CurveEdit.m_DeleteFiltersMode, Qt::ForbiddenCursor},
        {&m_MarkFixedMode, Qt::ClosedHandCursor},
        {&m_MarkModifiableMode, Qt::OpenHandCursor},
        {&m_MarkActiveMode, Qt::PointingHandCursor},
        {&m_MarkInactiveMode, Qt::WhatsThisCursor},
    };
    for (const auto& c : cursors)
        if (c.pMode->IsOn())
            return c.shape;
    return Qt::CrossCursor;
}

void CFilterView::OnMouseMove(CPoint pixel)
{
    setCursor(EditCursor());
    CFilterCurveView::OnMouseMove(pixel);
}
