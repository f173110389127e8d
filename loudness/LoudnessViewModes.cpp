#include "loudness/LoudnessViewModes.h"

#include "graph/MorvaneUtilities.h"

#include <algorithm>
#include <cmath>

CLoudnessViewModes::CLoudnessViewModes(CMode& deleteMode) : m_DeleteCurveMode(deleteMode)
{
    m_GraphicalModes.Add(&m_SelectToEditMode);
    m_GraphicalModes.Add(&m_DeleteCurveMode);
    m_GraphicalModes.Add(&m_SelectToAddMode);
    m_GraphicalModes.TurnOffAll();
}

bool CLoudnessViewModes::IsModeCommand(int id)
{
    return id == ID_DELETE_FILTERS_GRAPHICALLY || id == ID_SELECT_FILTERS_TO_EDIT ||
           id == ID_SELECT_FILTER_TO_ADD;
}

CMode* CLoudnessViewModes::ModeOf(int id) const
{
    switch (id)
    {
    case ID_DELETE_FILTERS_GRAPHICALLY:
        return &m_DeleteCurveMode;
    case ID_SELECT_FILTERS_TO_EDIT:
        return const_cast<CMode*>(&m_SelectToEditMode);
    case ID_SELECT_FILTER_TO_ADD:
        return const_cast<CMode*>(&m_SelectToAddMode);
    default:
        return nullptr;
    }
}

CCommandState CLoudnessViewModes::GetState(int id, bool bHasCurves) const
{
    const CMode* pMode = ModeOf(id);
    if (!pMode || !bHasCurves)
        return {};
    return CCommandState{true, pMode->IsOn() != 0};
}

bool CLoudnessViewModes::Toggle(int id)
{
    CMode* pMode = ModeOf(id);
    if (!pMode)
        return false;
    if (pMode->IsOn())
    {
        pMode->TurnOff();
        return false;
    }
    m_GraphicalModes.TurnOnMode(pMode);
    return true;
}

CLoudnessViewModes::EPick CLoudnessViewModes::Active() const
{
    if (m_DeleteCurveMode.IsOn())
        return EPick::Delete;
    if (m_SelectToEditMode.IsOn())
        return EPick::Edit;
    if (m_SelectToAddMode.IsOn())
        return EPick::AddToDataFile;
    return EPick::Readout;
}

CLoudnessViewModes::EPick CLoudnessViewModes::OnHit()
{
    const EPick pick = Active();
    if (pick == EPick::Edit)
        m_SelectToEditMode.TurnOff();
    else if (pick == EPick::AddToDataFile)
        m_SelectToAddMode.TurnOff();
    return pick;
}

CLoudnessRange FitLoudnessRange(double dTop, double dBottom, double dMaxDb, double dMinDb)
{
    // Into the bounds before rounding: an infinite or undefined extent cannot be rounded.
    const auto bounded = [dMaxDb, dMinDb](double value, double dUndefined)
    { return std::isnan(value) ? dUndefined : std::clamp(value, dMinDb, dMaxDb); };
    double top = bounded(dTop, dMaxDb) + 2.0;
    double bottom = bounded(dBottom, dMinDb) - 2.0;
    RoundUpToMultiple(5, &top);
    RoundDownToMultiple(5, &bottom);
    top = std::min(top, dMaxDb);
    bottom = std::max(bottom, dMinDb);
    if (top <= bottom)
    {
        // Every curve at one bound: a band of 5 dB beside it.
        if (top >= dMaxDb)
            bottom = top - 5.0;
        else
            top = bottom + 5.0;
    }
    return {top, bottom};
}
