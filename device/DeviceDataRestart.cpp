#include "device/DeviceDataRestart.h"

#include "document/MorvaneDoc.h"
#include "document/ResponseCurves.h"
#include "graph/MorvaneUtilities.h"
#include "matrix/matrix.h"
#include "numerics/freqz.h"

#include <vector>

bool RestartFromDeviceCoefficients(CMorvaneDoc& doc, const CMatrixPtrArray& listA,
                                   const CMatrixPtrArray& listB)
{
    // The document's curves stay as they are while a calculation works on them.
    if (doc.IsCalculationCommandActive())
        return true;
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
        doc.m_ModifiedResponse = MagnitudeDb(response);
        // Like the restart from a coefficient file, the sections stay applied for the
        // next calculation and go into the coefficient file written after it.
        doc.KeepRestartFilters(listB, listA);
        for (const mwMatrix& h : sections)
        {
            doc.m_RestartPhases.Add(PhaseDegrees(h));
            doc.m_RestartMagnitudes.Add(MagnitudeDb(h));
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
