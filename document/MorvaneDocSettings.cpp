// The speaker document's Settings command: the values the settings sheet shows and takes
// back, and the copy of the document's settings into the application's.
#include "document/MorvaneDoc.h"
#include "document/MorvaneSettings.h"
#include "graph/MorvaneUtilities.h"

#include <array>
#include <cmath>

namespace
{
struct CViewGroup
{
    IDocumentView* pView;
    CMode* pAutomaticScaling;
    CDoubleRect* pApplicationRange; // Hz
};

// The four views in the sheet's order: speaker response, speaker phase, filter, filter
// phase, each with the document's scaling mode and the application's range.
std::array<CViewGroup, 4> ViewGroups(CMorvaneDoc& doc)
{
    CMorvaneSettings& settings = doc.App().Settings();
    return {
        CViewGroup{doc.m_pResponseView, &doc.m_SpeakerAutomaticScaling, &settings.m_SpeakerRange},
        CViewGroup{doc.m_pPhaseView, &doc.m_PhaseAutomaticScaling, &settings.m_PhaseRange},
        CViewGroup{doc.m_pFilterView, &doc.m_FilterAutomaticScaling, &settings.m_FilterRange},
        CViewGroup{doc.m_pPhaseFilterView, &doc.m_PhaseFilterAutomaticScaling,
                   &settings.m_PhaseFilterRange}};
}
} // namespace

void CMorvaneDoc::FillSettingsSheet(CSettingsSheetValues& values) const
{
    values.dSamplingFrequency = m_nSamplingFrequency;
    values.dLowerFrequencyLimit = m_nLowerFrequencyLimit;
    values.dHigherFrequencyLimit = m_nHigherFrequencyLimit;
    values.dUpperTolerance = m_dUpperToleranceDb;
    values.dLowerTolerance = m_dLowerToleranceDb;
    values.bLimitNumberOfFilters = m_LimitNumberOfFilters.IsOn() != 0;
    values.nMaximumNumberOfFilters = GetFilterLimitCount(m_LimitNumberOfFilters);
    values.dSingleOptParam = double(m_SingleOptParam);
    values.dJointOptParam = double(m_JointOptParam);
    // The groups are only read here.
    const std::array<CViewGroup, 4> groups = ViewGroups(const_cast<CMorvaneDoc&>(*this));
    for (int i = 0; i < 4; ++i)
    {
        const CViewGroup& g = groups[std::size_t(i)];
        CSettingsSheetValues::CViewRange& range = values.views[i];
        if (g.pView)
        {
            const CDoubleRect window = g.pView->GetDataWindow();
            range.dLowerFrequency = std::pow(10.0, window.left);
            range.dUpperFrequency = std::pow(10.0, window.right);
            range.dLowerValue = window.bottom;
            range.dUpperValue = window.top;
        }
        else
        {
            range.dLowerFrequency = g.pApplicationRange->left;
            range.dUpperFrequency = g.pApplicationRange->right;
            range.dLowerValue = g.pApplicationRange->bottom;
            range.dUpperValue = g.pApplicationRange->top;
        }
        range.bAutomaticScaling = g.pAutomaticScaling->IsOn() != 0;
    }
}

void CMorvaneDoc::TakeSettingsSheet(const CSettingsSheetValues& values)
{
    m_nSamplingFrequency = TruncToInt(values.dSamplingFrequency);
    m_nLowerFrequencyLimit = TruncToInt(values.dLowerFrequencyLimit);
    m_nHigherFrequencyLimit = TruncToInt(values.dHigherFrequencyLimit);
    CapHigherFrequencyLimit();
    m_dUpperToleranceDb = values.dUpperTolerance;
    m_dLowerToleranceDb = values.dLowerTolerance;
    SetFilterLimitCount(m_LimitNumberOfFilters, values.nMaximumNumberOfFilters);
    m_LimitNumberOfFilters.SetState(values.bLimitNumberOfFilters ? 1 : 0);
    m_SingleOptParam = mwMatrix(values.dSingleOptParam);
    m_JointOptParam = mwMatrix(values.dJointOptParam);
    const std::array<CViewGroup, 4> groups = ViewGroups(*this);
    for (int i = 0; i < 4; ++i)
    {
        const CViewGroup& g = groups[std::size_t(i)];
        const CSettingsSheetValues::CViewRange& range = values.views[i];
        g.pAutomaticScaling->SetState(range.bAutomaticScaling ? 1 : 0);
        if (!g.pView)
            continue;
        CDoubleRect window = g.pView->GetDataWindow();
        // A frequency at or below 0 Hz has no place on the logarithmic axis: kept as it was.
        if (range.dLowerFrequency > 0.0)
            window.left = std::log10(range.dLowerFrequency);
        if (range.dUpperFrequency > 0.0)
            window.right = std::log10(range.dUpperFrequency);
        window.bottom = range.dLowerValue;
        window.top = range.dUpperValue;
        g.pView->SetDataWindow(window);
    }
}

void CMorvaneDoc::OnViewSettings()
{
    CSettingsSheetValues values;
    FillSettingsSheet(values);
    if (!m_App.EditSettings(values))
        return;
    TakeSettingsSheet(values);
    ApplySettings();
    UpdateAllViews(nullptr, kHintSettingsApplied);
}

void CMorvaneDoc::ApplySettings()
{
    CMorvaneSettings& settings = m_App.Settings();
    settings.m_dSingleOptParam = double(m_SingleOptParam);
    settings.m_dJointOptParam = double(m_JointOptParam);
    settings.m_nLowerFrequencyLimit = m_nLowerFrequencyLimit;
    settings.m_nHigherFrequencyLimit = m_nHigherFrequencyLimit;
    settings.m_dUpperTolerance = m_dUpperToleranceDb;
    settings.m_dLowerTolerance = m_dLowerToleranceDb;
    settings.m_nSamplingFrequency = m_nSamplingFrequency;
    settings.m_LimitNumberOfFilters = m_LimitNumberOfFilters;
    settings.m_SpeakerAutomaticScaling.SetState(m_SpeakerAutomaticScaling.GetState());
    settings.m_PhaseAutomaticScaling.SetState(m_PhaseAutomaticScaling.GetState());
    settings.m_FilterAutomaticScaling.SetState(m_FilterAutomaticScaling.GetState());
    settings.m_PhaseFilterAutomaticScaling.SetState(m_PhaseFilterAutomaticScaling.GetState());
    const std::array<CViewGroup, 4> groups = ViewGroups(*this);
    for (const CViewGroup& g : groups)
    {
        if (!g.pView)
            continue;
        const CDoubleRect window = g.pView->GetDataWindow();
        *g.pApplicationRange = {window.top, std::pow(10.0, window.left), window.bottom,
                                std::pow(10.0, window.right)};
    }
}
