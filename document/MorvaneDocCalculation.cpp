// The calculation commands: preparing the parameter matrix from the EQ filters, running
// the driver with its stop and error handling, and Stop Calculation.
#include "document/CalculateFilters.h"
#include "document/DocumentStrings.h"
#include "document/MemoryBudget.h"
#include "document/MorvaneDoc.h"
#include "document/ResponseCurves.h"
#include "graph/MorvaneUtilities.h"
#include "graph/ResourceString.h"
#include "matrix/matrix.h"
#include "numerics/CheckUserAbort.h"
#include "numerics/UserAbortException.h"

#include <vector>

namespace
{
constexpr unsigned kStoppedByUserText = 142;
constexpr unsigned kEndedText = 143;
constexpr int kParameterColumns = 8;
} // namespace

bool CMorvaneDoc::PrepareCalculation()
{
    std::vector<const CDigEQFilter*> modifiable;
    CDigEQFilterArray& filters = m_FilterLists.m_EQFilters;
    for (int i = 0; i < filters.GetSize(); ++i)
    {
        const CDigEQFilter* pFilter = filters.GetAt(i);
        if (pFilter->m_ActiveMode.IsOn() && pFilter->m_ModifiableMode.IsOn())
            modifiable.push_back(pFilter);
    }
    m_nFilters = 0;
    const int rows = int(modifiable.size());
    if (rows == 0)
    {
        m_EQParameters = empty();
        return false;
    }
    // Column-major: element (r, c) at r + c * rows; columns 5 to 8 stay 0.
    std::vector<double> values(std::size_t(rows * kParameterColumns), 0.0);
    for (int r = 0; r < rows; ++r)
    {
        const CDigEQFilter* pFilter = modifiable[std::size_t(r)];
        values[std::size_t(r)] = 1.0;
        values[std::size_t(r + rows)] = pFilter->GetGain();
        values[std::size_t(r + 2 * rows)] = pFilter->GetBandwidth();
        values[std::size_t(r + 3 * rows)] = pFilter->GetCenterFrequency();
    }
    m_EQParameters = mwMatrix(rows, kParameterColumns, values.data(), nullptr, 1);
    // The optimizer walks exactly the rows built, so the count is theirs, not that of
    // every EQ filter in the list.
    m_nFilters = rows;
    return true;
}

bool CMorvaneDoc::RunCalculation()
{
    try
    {
        m_bCalculationRunning = 1;
        g_nUserAbort = 0;
        m_bCalculationIdle = 0;
        UpdateAllViews(nullptr, kHintCalculationStarts);
        // The phase of the fixed filters is not kept: the results bring their own.
        mwMatrix fixedResponse = RestartedRawResponse();
        mwMatrix fixedPhase;
        ComputeFixedFilterResponse(fixedResponse, fixedPhase);
        const mwMatrix result = CalculateFilters(*this, m_nFilters, m_EQParameters, fixedResponse);
        // The views and files take the modified response in dB.
        m_ModifiedResponse = MagnitudeDb(result);
        m_bCalculationIdle = 1;
        return true;
    }
    catch (const CUserAbortException& e)
    {
        m_bCalculationRunning = 0;
        // A quit ends the calculation as aborted; the quit message is already re-posted
        // and closes the program, so nothing is shown.
        if (e.Code() != 0)
            return false;
        ShowMessage(e.what());
        g_nUserAbort = 0;
        m_App.SetStatusText(CResourceString(kStoppedByUserText));
        return false;
    }
    catch (const mwException& e)
    {
        ShowMessage(e.Message() ? e.Message() : "");
        EndFailedCalculation();
        return false;
    }
    catch (...)
    {
        // Memory ran out or another failure: the command entry tells the user which
        // command it stopped. The document keeps the response it had before the
        // calculation, and ends as after a matrix error, so that it can be saved.
        EndFailedCalculation();
        throw;
    }
}

void CMorvaneDoc::EndFailedCalculation()
{
    m_bCalculationRunning = 0;
    // The status bar must not go on saying which filter is being calculated.
    m_App.SetStatusText(CResourceString(kEndedText));
}

void CMorvaneDoc::RunCalculationCommand(bool bPause)
{
    if (m_bInCalculationCommand)
        return;
    // Whatever leaves the calculation (a return or an exception no handler takes), the
    // document ends idle with the commands enabled again.
    struct CCommandScope
    {
        CMorvaneDoc& doc;
        ~CCommandScope()
        {
            doc.m_bCalculationRunning = 0;
            doc.m_bCalculationIdle = 1;
            doc.m_bPauseRequested = 0;
            doc.m_bInCalculationCommand = false;
        }
    };
    m_bInCalculationCommand = true;
    m_bPauseRequested = bPause ? 1 : 0;
    m_bCalculationIdle = 0;
    const CCommandScope scope{*this};
    // The filters the grids hold now take part; an active one that cannot be designed
    // would turn the response into noise.
    m_App.UpdateFiltersFromGrids();
    if (!CheckGridFilterDesigns(true))
        return;
    if (!FitsInMemory(kCalculationBytesPerPoint, m_nRawPoints, IDS_CALCULATION_NO_MEMORY))
        return;
    PrepareCalculation();
    RunCalculation();
}

void CMorvaneDoc::OnCalculateModifiedResponse()
{
    RunCalculationCommand(false);
}

void CMorvaneDoc::OnCalculateModifiedResponseAndPause()
{
    RunCalculationCommand(true);
}

void CMorvaneDoc::OnCalculateStop()
{
    g_nUserAbort = 1;
    m_bCalculationRunning = 0;
    // While the stopped calculation unwinds to its next cancellation point the document
    // is not idle: the command sets the flag once RunCalculation has returned.
    if (!m_bInCalculationCommand)
        m_bCalculationIdle = 1;
}

CCommandState CMorvaneDoc::OnUpdateCalculateModifiedResponse() const
{
    return {m_bCalculationIdle != 0 && !m_bInCalculationCommand && m_DesiredCurveFile.IsOn() != 0,
            false};
}

CCommandState CMorvaneDoc::OnUpdateCalculateModifiedResponseAndPause() const
{
    return OnUpdateCalculateModifiedResponse();
}

CCommandState CMorvaneDoc::OnUpdateCalculateStop() const
{
    return {m_bCalculationRunning != 0, false};
}
