// The filter view: the magnitude curves and the graphical edit modes.
#include "shell/views/FilterView.h"

#include "document/MorvaneDoc.h"
#include "document/MorvaneSettings.h"
#include "filters/FilterKinds.h"

#include <algorithm>

namespace
{
// Grid every 5 dB, labels every 10 dB; the automatic range is the curves' extent plus
// 2 dB, rounded outward to multiples of 5 dB and kept within the document's bounds.
constexpr CFilterCurveView::CViewTraits kMagnitudeTraits{"db", 5.0, 10.0, 2.0, 5, true, false};
} // namespace

CFilterView::CFilterView(CMorvaneDoc& doc, QWidget* pParent)
    : CFilterCurveView(doc, kMagnitudeTraits, pParent)
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
