// Additive restart: the filters of a coefficient file are applied to the raw response, so
// that the design goes on from the speaker as those filters already equalize it. They stay
// with the document as restart filters: the next calculation applies them as it applies
// fixed filters, and the coefficient file written afterwards includes them.
#include "document/FilterCoeffFile.h"
#include "document/MorvaneDoc.h"
#include "document/ResponseCurves.h"
#include "graph/MorvaneUtilities.h"
#include "matrix/matrix.h"

#include <algorithm>

namespace
{
void CopyRows(const CMatrixPtrArray& from, CMatrixPtrArray& to)
{
    to.RemoveAll();
    for (int i = 0; i < from.GetSize(); ++i)
        to.Add(from.GetAt(i));
}
} // namespace

bool CMorvaneDoc::OnFileOpenCoefficientsForAdditiveRestart(std::string path)
{
    m_CoeffDenominators.RemoveAll();
    m_CoeffNumerators.RemoveAll();
    FilterCoeffFile file(&m_App);
    if (!file.OpenForRead(path))
    {
        if (!file.GetError().empty())
            m_App.ShowFileReadError(path, 0, file.GetError());
        return false;
    }
    if (!file.Validate())
        return false;
    // The rows are read into local lists first, so that a file that ends early leaves
    // the document's lists empty rather than of different lengths.
    CMatrixPtrArray numerators, denominators;
    const int n = file.GetRowCount();
    bool bRead = file.SkipToNumeratorRows();
    for (int i = 0; bRead && i < n; ++i)
        bRead = file.ReadCoefficientRow(numerators);
    bRead = bRead && file.SkipToDenominatorRows();
    for (int i = 0; bRead && i < n; ++i)
        bRead = file.ReadCoefficientRow(denominators);
    file.Close();
    if (!bRead)
        return false;
    CopyRows(numerators, m_CoeffNumerators);
    CopyRows(denominators, m_CoeffDenominators);
    m_AdditiveRestartMode.TurnOn();
    return true;
}

void CMorvaneDoc::OnAdditiveRestartFromCoefficientFile()
{
    // The restart filters stay as they are while a calculation applies them.
    if (m_bInCalculationCommand)
        return;
    try
    {
        const int n = m_CoeffDenominators.GetSize();
        m_ResultMagnitudes.RemoveAll();
        m_ResultPhases.RemoveAll();
        m_DrawnLabels.clear();
        if (n <= 0)
            return;
        mwMatrix modified = m_RawResponse;
        for (int i = 0; i < n; ++i)
        {
            modified = times(modified, AddFilterCurves(m_CoeffNumerators.GetAt(i),
                                                       m_CoeffDenominators.GetAt(i),
                                                       m_ResultMagnitudes, m_ResultPhases));
        }
        // Taken only when every response was computed.
        m_ModifiedPhase = PhaseDegrees(modified);
        m_ModifiedResponse = MagnitudeDb(modified);
        KeepRestartFilters(m_CoeffNumerators, m_CoeffDenominators);
        UpdateAllViews(m_pFilterView, kHintFiltersDrawnOrRestart);
        UpdateAllViews(m_pResponseView, kHintRestartFilterViews);
        m_ModifiedRawFile.MarkNewContent();
    }
    catch (const mwException& e)
    {
        ShowMessage(e.Message() ? e.Message() : "");
    }
    m_ResultMagnitudes.RemoveAll();
    m_ResultPhases.RemoveAll();
}

void CMorvaneDoc::KeepRestartFilters(const CMatrixPtrArray& numerators,
                                     const CMatrixPtrArray& denominators)
{
    const int n = std::min(numerators.GetSize(), denominators.GetSize());
    m_RestartNumerators.RemoveAll();
    m_RestartDenominators.RemoveAll();
    for (int i = 0; i < n; ++i)
    {
        m_RestartNumerators.Add(numerators.GetAt(i));
        m_RestartDenominators.Add(denominators.GetAt(i));
    }
}

mwMatrix CMorvaneDoc::RestartedRawResponse() const
{
    mwMatrix response = m_RawResponse;
    for (int i = 0; i < m_RestartDenominators.GetSize(); ++i)
        response = times(
            response, FilterResponse(m_RestartNumerators.GetAt(i), m_RestartDenominators.GetAt(i)));
    return response;
}

CCommandState CMorvaneDoc::OnUpdateFileOpenCoefficientsForAdditiveRestart() const
{
    return {m_RawFile.IsOn() != 0, false};
}

CCommandState CMorvaneDoc::OnUpdateAdditiveRestartFromCoefficientFile() const
{
    return {!m_bInCalculationCommand && m_AdditiveRestartMode.IsOn() != 0, false};
}
