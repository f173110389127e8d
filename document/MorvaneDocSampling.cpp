// Log sampling and smoothing of the raw response (both replace it and redraw the windows
// as if a new response had been opened), and copying calculated filters into the grid.
#include "document/DocumentStrings.h"
#include "document/MemoryBudget.h"
#include "document/MorvaneDoc.h"
#include "document/ResponseCurves.h"
#include "filters/FilterKinds.h"
#include "graph/MatrixUtilities.h"
#include "graph/MorvaneUtilities.h"
#include "matrix/matrix.h"
#include "numerics/logsamp.h"
#include "numerics/smooth.h"

#include <algorithm>
#include <memory>

void CMorvaneDoc::OnEditLogSampleRawCurve()
{
    // The raw response and the calculated filters stay as they are while a calculation
    // works on them (its cancellation points run other commands).
    if (m_bInCalculationCommand)
        return;
    long nPoints = kDefaultLogSamplePoints;
    if (!m_App.AskLogSamplePoints(nPoints) || !IsLogSamplePointCount(nPoints))
        return;
    // A count the memory cannot hold would end the program with everything unsaved.
    if (!FitsInMemory(kLogSampleBytesPerPoint, nPoints, IDS_LOG_SAMPLE_NO_MEMORY))
        return;
    mwMatrix frequencies, response;
    try
    {
        response = logsamp(&frequencies, m_RawResponse, m_RawFrequencies, double(nPoints));
    }
    catch (const mwException& e)
    {
        // A response that cannot be resampled (a single point) stays as it is.
        ShowMessage(e.Message() ? e.Message() : "");
        return;
    }
    // Every curve of the new response is made before the document takes any, so that
    // memory running out on the way leaves the response as it was.
    const mwMatrix phase = PhaseDegrees(response);
    const mwMatrix magnitudeDb = MagnitudeDb(response);
    const mwMatrix logFrequencies = log10(frequencies);
    m_RawResponse = response;
    m_RawFrequencies = frequencies;
    m_RawPhase = phase;
    m_RawMagnitudeDb = magnitudeDb;
    m_nRawPoints = m_RawFrequencies.NumberOfElements();
    m_LogFrequencies = logFrequencies;
    SetFrequencyLimitsFromRaw();
    m_RawSamplingState.Acknowledge();
    m_bRawResampledSinceRead = true;
    ShowReplacedRawResponse();
    m_bCalculationIdle = 1;
    m_DesiredCurveFile.Clear();
    m_ModifiedRawFile.MarkNewContent();
    m_ResultsDrawnMode.TurnOff();
    m_FiltersDrawnMode.TurnOff();
}

void CMorvaneDoc::OnEditSmoothRawCurve()
{
    if (m_bInCalculationCommand)
        return;
    m_RawResponse = smooth(m_RawResponse);
    m_RawPhase = PhaseDegrees(m_RawResponse);
    m_RawMagnitudeDb = MagnitudeDb(m_RawResponse);
    m_RawSamplingState.Acknowledge();
    m_bRawResampledSinceRead = true;
    ShowReplacedRawResponse();
    m_bCalculationIdle = 1;
    m_ModifiedRawFile.MarkNewContent();
    m_ResultsDrawnMode.TurnOff();
    m_FiltersDrawnMode.TurnOff();
}

CCommandState CMorvaneDoc::OnUpdateEditLogSampleRawCurve() const
{
    return {!m_bInCalculationCommand && m_RawFile.IsOn() != 0 && m_DesiredCurveFile.IsOn() == 0 &&
                m_RawSamplingState.IsPending(),
            false};
}

void CMorvaneDoc::OnEditCopyGeneratedFiltersToGrid()
{
    if (m_bInCalculationCommand)
        return;
    m_App.OpenFilterEditor();
    m_App.EQGridToFilters();
    CDigEQFilterArray& grid = m_FilterLists.m_EQFilters;
    CDigEQFilterArray& calculated = m_CalculatedEQFilters;
    int next = 1;
    for (int i = 0; i < grid.GetSize(); ++i)
        next = std::max(next, NextFilterNumber(grid.GetAt(i)->GetLabelNumber()));
    while (!calculated.IsEmpty())
    {
        std::unique_ptr<CDigEQFilter> pFilter = calculated.Detach(0);
        pFilter->SetLabelNumber(next);
        next = NextFilterNumber(next);
        pFilter->SetOutputOrder(m_App.TakeNextEQOutputOrder());
        grid.Add(std::move(pFilter));
    }
    m_App.EQFiltersToGrid();
    m_FiltersInGridMode.TurnOn();
    m_ParameterFile.m_ChangedMode.TurnOn();
    OnViewDrawFilters();
}

CCommandState CMorvaneDoc::OnUpdateEditSmoothRawCurve() const
{
    const bool bDesiredShown = m_pResponseView && m_pResponseView->AreDesiredCurvesShown();
    return {!m_bInCalculationCommand && m_RawFile.IsOn() != 0 &&
                m_RawSamplingState.IsAcknowledged() && !bDesiredShown,
            false};
}

CCommandState CMorvaneDoc::OnUpdateEditCopyGeneratedFiltersToGrid() const
{
    return {!m_bInCalculationCommand && !m_CalculatedEQFilters.IsEmpty(), false};
}
