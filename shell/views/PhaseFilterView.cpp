// The filter phase view: the phase curves of the designed filters.
#include "shell/views/PhaseFilterView.h"

#include "document/MorvaneDoc.h"
#include "document/MorvaneSettings.h"

namespace
{
// Grid and labels every 30 degrees; the automatic range is the curves' extent plus 5
// degrees, rounded outward to multiples of 10 degrees, without bounds.
constexpr CFilterCurveView::CViewTraits kPhaseTraits{"Deg", 30.0, 30.0, 5.0, 10, false, true};
} // namespace

CPhaseFilterView::CPhaseFilterView(CMorvaneDoc& doc, QWidget* pParent)
    : CFilterCurveView(doc, kPhaseTraits, pParent)
{
}

CPhaseFilterView::~CPhaseFilterView()
{
    if (m_Doc.m_pPhaseFilterView == this)
        m_Doc.m_pPhaseFilterView = nullptr;
}

void CPhaseFilterView::OnInitialUpdate()
{
    m_Doc.m_pPhaseFilterView = this;
    InitializeView(m_Doc.App().Settings().m_PhaseFilterRange);
}

void CPhaseFilterView::OnUpdate(IDocumentView*, int nHint)
{
    HandleHint(nHint);
    if (nHint == kHintSettingsApplied)
        AutoScale();
}

const CMode& CPhaseFilterView::AutoScalingMode() const
{
    return m_Doc.m_PhaseFilterAutomaticScaling;
}

const CMatrixPtrArray& CPhaseFilterView::ResponseList(int nHint) const
{
    switch (nHint)
    {
    case kHintDeviceRestartFilters:
        return m_Doc.m_RestartPhases;
    case kHintDrawFilters:
        return m_Doc.m_DrawnPhases;
    default:
        return m_Doc.m_ResultPhases;
    }
}

bool CPhaseFilterView::RemoveFilterCurve(const std::string& name)
{
    if (!EraseCurve(FindCurve(name)))
        return false;
    Invalidate(true);
    return true;
}

bool CPhaseFilterView::MarkFilterCurve(const std::string& name, int nState)
{
    CCurve* pCurve = FindCurve(name);
    if (!pCurve)
        return false;
    pCurve->m_ActiveMode.SetState(nState ? 1 : 0);
    return true;
}
