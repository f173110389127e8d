// Filter application: the composite response of the fixed or the active grid filters,
// the calculated EQ filters with their per-filter curves for the views, Draw Filters, the
// coefficients for the coefficient file and the filter view's graphical edit modes.
#include "document/GridListOrder.h"
#include "document/MorvaneDoc.h"
#include "document/ResponseCurves.h"
#include "filters/FilterDesignCheck.h"
#include "graph/Assert.h"
#include "graph/ModeArray.h"
#include "graph/MorvaneUtilities.h"
#include "matrix/matrix.h"
#include "numerics/freqz.h"

#include <memory>

mwMatrix CMorvaneDoc::FilterResponse(const mwMatrix& b, const mwMatrix& a) const
{
    return freqz(static_cast<mwMatrix*>(nullptr), b, a, m_RawFrequencies,
                 mwMatrix(double(m_nSamplingFrequency)));
}

mwMatrix CMorvaneDoc::AddFilterCurves(const mwMatrix& b, const mwMatrix& a,
                                      CMatrixPtrArray& magnitudes, CMatrixPtrArray& phases) const
{
    const mwMatrix h = FilterResponse(b, a);
    phases.Add(PhaseDegrees(h));
    magnitudes.Add(MagnitudeDb(h));
    return h;
}

template <class Collect>
bool CMorvaneDoc::ApplyGridFilters(mwMatrix& response, mwMatrix& phase, Collect collect)
{
    try
    {
        m_ResultMagnitudes.RemoveAll();
        CMatrixPtrArray listA, listB;
        ForEachGridList(m_FilterLists, [&](auto& list) { collect(list, listA, listB); });
        if (listA.IsEmpty())
            return true;
        mwMatrix result = response;
        for (int i = 0; i < listA.GetSize(); ++i)
        {
            const mwMatrix h = FilterResponse(listB.GetAt(i), listA.GetAt(i));
            m_ResultMagnitudes.Add(h);
            result = times(result, h);
        }
        phase = PhaseDegrees(result);
        mwMatrix magnitude = abs(result);
        ReplaceNonPositiveValues(magnitude);
        response = magnitude;
        m_ResultMagnitudes.RemoveAll();
    }
    catch (const mwException& e)
    {
        m_ResultMagnitudes.RemoveAll();
        ShowMessage(e.Message() ? e.Message() : "");
    }
    return true;
}

bool CMorvaneDoc::ComputeFixedFilterResponse(mwMatrix& response, mwMatrix& phase)
{
    if (!m_App.UpdateFiltersFromGrids())
        return false;
    return ApplyGridFilters(response, phase,
                            [](auto& list, CMatrixPtrArray& a, CMatrixPtrArray& b)
                            { list.GetFixedCoefficients(a, b); });
}

bool CMorvaneDoc::ComputeActiveFilterResponse(mwMatrix& response, mwMatrix& phase, bool bReadGrids)
{
    if (bReadGrids && !m_App.UpdateFiltersFromGrids())
        return false;
    return ApplyGridFilters(response, phase,
                            [](auto& list, CMatrixPtrArray& a, CMatrixPtrArray& b)
                            { list.GetActiveCoefficients(a, b); });
}

bool CMorvaneDoc::CreateEQFiltersFromResults()
{
    CDigEQFilterArray& calculated = m_CalculatedEQFilters;
    calculated.RemoveAll();
    const int rows = m_EQParameters.NumberOfElements() == 0 ? 0 : m_EQParameters.Size(1);
    for (int r = 1; r <= rows; ++r)
    {
        CDigEQFilterParams params;
        params.m_Gain = mwMatrix(double(m_EQParameters(r, 2)));
        params.m_Bandwidth = mwMatrix(double(m_EQParameters(r, 3)));
        params.m_CenterFrequency = mwMatrix(double(m_EQParameters(r, 4)));
        params.m_SampleRate = mwMatrix(double(m_nSamplingFrequency));
        CDigEQFilter* pDigEQFilter = calculated.Add(std::make_unique<CDigEQFilter>());
        MORVANE_CHECK(pDigEQFilter);
        pDigEQFilter->SetParameters(params);
        pDigEQFilter->SetLabelNumber(calculated.GetSize() - 1 + 100);
        pDigEQFilter->m_ActiveMode.SetState(1);
        pDigEQFilter->m_ModifiableMode.SetState(0);
    }
    return true;
}

void CMorvaneDoc::LoadCalculationResults()
{
    try
    {
        m_ResultMagnitudes.RemoveAll();
        m_ResultPhases.RemoveAll();
        m_DrawnLabels.clear();
        CreateEQFiltersFromResults();
        mwMatrix modified = RestartedRawResponse();
        mwMatrix fixedPhase;
        ComputeFixedFilterResponse(modified, fixedPhase);
        for (int i = 0; i < m_CalculatedEQFilters.GetSize(); ++i)
        {
            CDigEQFilter* pFilter = m_CalculatedEQFilters.GetAt(i);
            pFilter->Calculate();
            m_DrawnLabels.push_back(pFilter->GetLabel());
            modified = times(modified, AddFilterCurves(*pFilter->GetB(), *pFilter->GetA(),
                                                       m_ResultMagnitudes, m_ResultPhases));
        }
        m_WorkingResponse = modified;
        m_ModifiedPhase = PhaseDegrees(modified);
        m_ModifiedResponse = MagnitudeDb(modified);
        m_FiltersDrawnMode.TurnOff();
        m_ResultsDrawnMode.TurnOn();
        UpdateAllViews(m_pResponseView, kHintCalculationResults);
    }
    catch (const mwException& e)
    {
        ShowMessage(e.Message() ? e.Message() : "");
    }
    m_ResultMagnitudes.RemoveAll();
    m_ResultPhases.RemoveAll();
}

bool CMorvaneDoc::CheckGridFilterDesigns(bool bActiveOnly)
{
    std::vector<std::string> faults;
    ForEachGridList(m_FilterLists,
                    [&](auto& list)
                    {
                        for (int i = 0; i < list.GetSize(); ++i)
                        {
                            auto* pFilter = list.GetAt(i);
                            if (bActiveOnly && pFilter->m_ActiveMode.IsOff())
                                continue;
                            if (std::string fault = FilterDesignFault(*pFilter); !fault.empty())
                                faults.push_back(std::move(fault));
                        }
                    });
    if (faults.empty())
        return true;
    ShowMessage(UndesignableFiltersMessage({}, faults));
    return false;
}

void CMorvaneDoc::OnViewDrawFilters()
{
    m_App.OpenFilterEditor();
    m_App.UpdateFiltersFromGrids();
    if (!CheckGridFilterDesigns(false))
        return;
    // The filters of an additive restart stay applied, as they are for the calculation.
    m_ModifiedResponse = RestartedRawResponse();
    try
    {
        m_DrawnMagnitudes.RemoveAll();
        m_DrawnPhases.RemoveAll();
        m_DrawnLabels.clear();
        m_DrawnActiveFlags.clear();
        ForEachGridList(m_FilterLists,
                        [&](auto& list)
                        {
                            for (int i = 0; i < list.GetSize(); ++i)
                            {
                                auto* pFilter = list.GetAt(i);
                                pFilter->Calculate();
                                m_DrawnLabels.push_back(pFilter->GetLabel());
                                m_DrawnActiveFlags.push_back(pFilter->m_ActiveMode.IsOn() ? 1u
                                                                                          : 0u);
                                AddFilterCurves(*pFilter->GetB(), *pFilter->GetA(),
                                                m_DrawnMagnitudes, m_DrawnPhases);
                            }
                        });
        m_FiltersDrawnMode.TurnOn();
        UpdateAllViews(m_pResponseView, kHintDrawFilters);
    }
    catch (const mwException& e)
    {
        ShowMessage(e.Message() ? e.Message() : "");
    }
    m_DrawnMagnitudes.RemoveAll();
    m_DrawnPhases.RemoveAll();
    ComputeActiveFilterResponse(m_ModifiedResponse, m_ModifiedPhase, false);
    // Without an active filter the response is still the complex raw response.
    m_ModifiedResponse = MagnitudeDb(m_ModifiedResponse);
    UpdateAllViews(m_pFilterView, kHintFiltersDrawnOrRestart);
    m_ModifiedRawFile.MarkNewContent();
}

CCommandState CMorvaneDoc::OnUpdateDrawFilters() const
{
    return {m_FiltersInGridMode.IsOn() != 0, false};
}

bool CMorvaneDoc::CollectGridFilters(std::vector<std::string>* faults)
{
    m_CoeffDenominators.RemoveAll();
    m_CoeffNumerators.RemoveAll();
    // After a list's active filters were designed: those that cannot be (FilterDesignFault).
    const auto findFaults = [faults](auto& list)
    {
        for (int i = 0; faults && i < list.GetSize(); ++i)
        {
            auto* pFilter = list.GetAt(i);
            if (!pFilter->m_ActiveMode.IsOn())
                continue;
            if (std::string fault = FilterDesignFault(*pFilter); !fault.empty())
                faults->push_back(std::move(fault));
        }
    };
    ForEachGridList(m_FilterLists,
                    [&](auto& list)
                    {
                        list.GetActiveCoefficients(m_CoeffDenominators, m_CoeffNumerators);
                        findFaults(list);
                    });
    // The filters of an additive restart and the calculated filters not yet copied into
    // the EQ grid are part of the design the modified response shows: without them a
    // saved coefficient file would lose them.
    for (int i = 0; i < m_RestartDenominators.GetSize(); ++i)
    {
        const mwMatrix& a = m_RestartDenominators.GetAt(i);
        const mwMatrix& b = m_RestartNumerators.GetAt(i);
        m_CoeffDenominators.Add(a);
        m_CoeffNumerators.Add(b);
        if (faults && (!HasFiniteCoefficients(a, b) || !HasFiniteResponse(a, b)))
            faults->push_back("filter " + std::to_string(i + 1) +
                              " of the additive restart: its coefficients give a response "
                              "that is not a finite number at every frequency.");
    }
    m_CalculatedEQFilters.GetActiveCoefficients(m_CoeffDenominators, m_CoeffNumerators);
    findFaults(m_CalculatedEQFilters);
    return !m_CoeffDenominators.IsEmpty();
}

void CMorvaneDoc::OnEditGraphicalMode(IFilterView::EEditMode mode)
{
    if (!m_pFilterView)
        return;
    CMode& editMode = m_pFilterView->GetEditMode(mode);
    if (editMode.IsOn())
    {
        editMode.TurnOff();
        return;
    }
    m_pFilterView->GetEditModeSet().TurnOnMode(&editMode);
    m_pFilterView->OnEditModeChanged();
}

CCommandState CMorvaneDoc::OnUpdateEditGraphicalMode(IFilterView::EEditMode mode)
{
    if (!m_pFilterView)
        return {};
    CMode& editMode = m_pFilterView->GetEditMode(mode);
    if (m_FiltersDrawnMode.IsOn())
        return {true, editMode.IsOn() != 0};
    editMode.TurnOff();
    return {};
}
