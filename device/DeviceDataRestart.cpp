#include "device/DeviceDataRestart.h"

#include "document/MorvaneDoc.h"
#include "graph/MatrixUtilities.h"
#include "graph/MorvaneUtilities.h"
#include "matrix/matrix.h"
#include "numerics/freqz.h"

#include <vector>

namespace
{
mwMatrix PhaseDegrees(const mwMatrix& response)
{
    return unwrap(angle(response)) * mwMatrix(180.0) / pi();
}
} // namespace

bool RestartFromDeviceCoefficients(CMorvaneDoc& doc, const CMatrixPtrArray& listA,
                                   const CMatrixPtrArray& listB)
{
    doc.m_RestartMagnitudes.RemoveAll();
    doc.m_RestartPhases.RemoveAll();
    doc.m_DrawnLabels.clear();
    const int n = listA.GetSize() < listB.GetSize() ? listA.GetSize() : listB.GetSize();
    if (n == 0)
        return true;
    try
    {
        mwMatrix response = doc.m_RawResponse;
        std::vector<mwMatrix> sections;
        const mwMatrix fs(double(doc.m_nSamplingFrequency));
        for (int i = 0; i < n; ++i)
        {
            sections.push_back(
                freqz(nullptr, listB.GetAt(i), listA.GetAt(i), doc.m_RawFrequencies, fs));
            response = times(response, sections.back());
        }
        doc.m_ModifiedPhase = PhaseDegrees(response);
        doc.m_ModifiedResponse = LinearToDb(abs(response));
        for (const mwMatrix& h : sections)
        {
            doc.m_RestartPhases.Add(PhaseDegrees(h));
            mwMatrix magnitude = abs(h);
            ReplaceNonPositiveValues(magnitude);
            doc.m_RestartMagnitudes.Add(LinearToDb(magnitude));
        }
        doc.UpdateAllViews(nullptr, kHintDeviceRestartResponse);
        doc.UpdateAllViews(nullptr, kHintDeviceRestartFilters);
        doc.m_ModifiedRawFile.MarkNewContent();
        doc.m_RestartMagnitudes.RemoveAll();
        doc.m_RestartPhases.RemoveAll();
    }
    catch (const mwException& e)
    {
        ShowMessage(e.Message() ? e.Message() : "");
    }
    return true;
}
