// The speaker document's raw response: opening a raw response file, saving the raw and
// the modified response as the views show them, the start-up response and edits of the
// raw curve.
#include "document/DocumentStrings.h"
#include "document/MorvaneDoc.h"
#include "document/MorvaneSettings.h"
#include "document/RawResponseFile.h"
#include "graph/Curve.h"
#include "graph/MorvaneUtilities.h"
#include "graph/ResourceString.h"
#include "matrix/matrix.h"

#include <algorithm>
#include <cmath>

namespace
{
// A column of the curve's x (y) values, the first n of them; empty when the curve has
// fewer points.
mwMatrix CurveColumn(const CCurve* pCurve, long n, bool bY, bool bPowerOfTen)
{
    if (!pCurve || n < 1 || pCurve->GetTotalPoints() < n || !pCurve->m_pDblPt)
        return empty();
    std::vector<double> values(std::size_t(n), 0.0);
    for (long i = 0; i < n; ++i)
    {
        const CDoublePoint& p = pCurve->m_pDblPt[i];
        const double v = bY ? p.y : p.x;
        values[std::size_t(i)] = bPowerOfTen ? std::pow(10.0, v) : v;
    }
    return mwMatrix(int(n), 1, values.data(), nullptr, 1);
}

// Degrees to radians and back, as matrix values.
mwMatrix Radians(const mwMatrix& degrees)
{
    return degrees * pi() / mwMatrix(180.0);
}

mwMatrix Degrees(const mwMatrix& radians)
{
    return radians * mwMatrix(180.0) / pi();
}

// The complex response x + iy of magnitudes and angles in radians.
mwMatrix PolarToComplex(const mwMatrix& angles, const mwMatrix& magnitudes)
{
    mwMatrix y;
    const mwMatrix x = pol2cart(&y, angles, magnitudes);
    return x + mwMatrix(0.0, 1.0) * y;
}

// 10^(dB / 20) element by element.
mwMatrix DbToLinearColumn(const mwMatrix& dB)
{
    return power(mwMatrix(10.0), dB / mwMatrix(20.0));
}
} // namespace

bool CMorvaneDoc::OpenRawResponseFile(std::string path)
{
    // The new response replaces the curves and every companion name: what is unsaved is
    // saved first, or the user keeps the design.
    if (!SaveUnsavedFiles(true))
        return false;
    CRawResponseFile file(&m_App.PhaseColumnMode());
    if (!file.OpenForRead(path))
    {
        if (!file.GetError().empty())
            m_App.ShowFileReadError(path, file.GetErrorLine(), file.GetError());
        return false;
    }
    mwMatrix frequencies, magnitudes, phases;
    file.Parse(&frequencies, &magnitudes, &phases);
    file.Close();
    const bool bPhaseColumn = file.HasPhaseColumn();

    // The new response is computed whole before the document takes it.
    if (frequencies.NumberOfElements() >= 2)
    {
        if (bPhaseColumn)
            PowConvertColumns(frequencies, magnitudes, phases);
        else
            PowConvertColumn(frequencies, magnitudes);
    }
    if (!bPhaseColumn)
        phases = mwMatrix(frequencies.Size(1), frequencies.Size(2), mwMatrix::kZeros);
    const mwMatrix angles = Radians(phases);
    const mwMatrix response = PolarToComplex(angles, DbToLinearColumn(magnitudes));
    const mwMatrix rawPhase = Degrees(unwrap(angles));
    const mwMatrix logFrequencies = log10(frequencies);
    const mwMatrix modifiedPhase = Degrees(unwrap(angle(response)));

    m_RawFile.SetName(path);
    m_App.SetDocumentPathName(path);
    m_RawFile.TurnOn();
    m_RawFile.m_ChangedMode.TurnOff();
    m_bRawResampledSinceRead = false;
    m_RawFrequencies = frequencies;
    SetFrequencyLimitsFromRaw();
    m_LogFrequencies = logFrequencies;
    m_RawMagnitudeDb = magnitudes;
    m_RawPhase = rawPhase;
    m_RawResponse = response;
    m_ModifiedResponse = response;
    m_ModifiedPhase = modifiedPhase;
    m_nRawPoints = m_RawFrequencies.NumberOfElements();

    ShowReplacedRawResponse();
    m_bCalculationIdle = 1;
    m_App.AddToRecentFileList(path);

    SetCompanionNames(path);
    if (m_pQZX2410Manager)
        m_pQZX2410Manager->SetDataFileNameFromRaw(path);
    m_CoefficientFile.Clear();
    m_DesiredCurveFile.Clear();
    m_ModifiedRawFile.Clear();
    m_RawSamplingState.Set();
    m_ResultsDrawnMode.TurnOff();
    m_FiltersDrawnMode.TurnOff();
    // Restart filters belong to the response they were applied to.
    m_RestartNumerators.RemoveAll();
    m_RestartDenominators.RemoveAll();
    return true;
}

void CMorvaneDoc::SetFrequencyLimitsFromRaw()
{
    // The limits obey the settings' own rules whatever band was measured: within the range
    // the settings sheet accepts, the higher at most half the sampling frequency and the
    // lower not above the higher.
    m_nLowerFrequencyLimit =
        CMorvaneSettings::ClampFrequencyLimit(TruncToInt(double(min(m_RawFrequencies))));
    m_nHigherFrequencyLimit =
        CMorvaneSettings::ClampFrequencyLimit(TruncToInt(double(max(m_RawFrequencies))));
    CapHigherFrequencyLimit();
    m_nLowerFrequencyLimit = std::min(m_nLowerFrequencyLimit, m_nHigherFrequencyLimit);
}

void CMorvaneDoc::ShowReplacedRawResponse()
{
    m_App.ShowResponseWindow();
    m_App.ShowFilterWindow();
    RefreshFilterView();
    UpdateAllViews(m_pFilterView, kHintRawResponseReplaced);
    UpdateAllViews(m_pResponseView, kHintRebuildFilterCurves);
    UpdateAllViews(m_pResponseView, kHintRawPhaseChanged);
    m_App.ActivateResponseWindow();
}

void CMorvaneDoc::RefreshFilterView()
{
    if (m_pFilterView)
        m_pFilterView->RebuildFilterCurves();
}

bool CMorvaneDoc::WriteShownResponse(CRawResponseFile& file, bool bModified)
{
    const CCurve* pRaw =
        m_pResponseView ? m_pResponseView->GetCurve(IResponseView::kRawCurve) : nullptr;
    const long n = pRaw ? pRaw->GetTotalPoints() : 0;
    const CCurve* pMagnitude =
        bModified ? m_pResponseView->GetCurve(IResponseView::kModifiedCurve) : pRaw;
    const CCurve* pPhase = m_pPhaseView
                               ? m_pPhaseView->GetCurve(bModified ? IPhaseView::kModifiedCurve
                                                                  : IPhaseView::kPhaseCurve)
                               : nullptr;
    // Without a phase view the response is written with a phase of 0 degrees.
    const mwMatrix phases =
        pPhase ? CurveColumn(pPhase, n, true, false) : mwMatrix(int(n), 1, mwMatrix::kZeros);
    const mwMatrix magnitudes = CurveColumn(pMagnitude, n, true, false);
    // Curves of another length than the raw curve are not written.
    if (n < 1 || magnitudes.NumberOfElements() != n || phases.NumberOfElements() != n)
        return false;
    return file.Write(CurveColumn(pRaw, n, false, true), magnitudes, phases);
}

bool CMorvaneDoc::SaveShownResponse(std::string& path, bool bModified)
{
    CRawResponseFile file(&m_App.PhaseColumnMode());
    // Save As offers the raw response's own name; the modified response's dialog opens
    // without one.
    if (!file.OpenForWrite(path, bModified ? std::string() : m_RawFile.GetName()))
        return false;
    if (!WriteShownResponse(file, bModified))
    {
        // The file names a point it refused; curves of another length say nothing.
        const std::string error = file.GetError().empty()
                                      ? std::string(CResourceString(IDS_RAW_CURVES_DIFFER))
                                      : file.GetError();
        file.Close();
        ReportSaveFailure(error);
        return false;
    }
    if (!file.Close())
    {
        ReportSaveFailure(file.GetError());
        return false;
    }
    return true;
}

bool CMorvaneDoc::SaveRawResponseTo(std::string& path)
{
    if (m_RawFile.IsOff() || !m_pResponseView)
        return false;
    // The file the response was read from keeps the measurement until the user agrees
    // to replace it with the resampled curve.
    const bool bMeasurementFile = !path.empty() && path == m_RawFile.GetName();
    if (bMeasurementFile && m_bRawResampledSinceRead &&
        !m_App.AskQuestion(CResourceString(IDS_REPLACE_MEASUREMENT) + "\n\n" + path))
        return false;
    if (!SaveShownResponse(path, false))
        return false;
    // The record's file (the callers keep path in it) now holds the response shown.
    m_bRawResampledSinceRead = false;
    m_RawFile.m_ChangedMode.TurnOff();
    return true;
}

void CMorvaneDoc::OnFileSaveRawResponse()
{
    std::string path = m_RawFile.GetName();
    SaveRawResponseTo(path);
}

void CMorvaneDoc::OnFileSaveAsRawResponse()
{
    if (m_RawFile.IsOff() || !m_pResponseView)
        return;
    std::string path;
    if (!SaveShownResponse(path, false))
        return;
    m_RawFile.SetName(path);
    m_bRawResampledSinceRead = false;
    m_RawFile.m_ChangedMode.TurnOff();
    m_App.SetDocumentPathName(path);
    m_App.AddToRecentFileList(path);
    SetCompanionNames(path);
}

bool CMorvaneDoc::IsModifiedCurveShown() const
{
    const CCurve* pCurve =
        m_pResponseView ? m_pResponseView->GetCurve(IResponseView::kModifiedCurve) : nullptr;
    return pCurve && pCurve->GetClippedCount() > 0 && pCurve->IsVisible();
}

void CMorvaneDoc::OnFileSaveAsModifiedResponse()
{
    if (!IsModifiedCurveShown())
        return;
    std::string path;
    if (!SaveShownResponse(path, true))
        return;
    m_ModifiedRawFile.SetName(path);
    m_ModifiedRawFile.m_ChangedMode.TurnOff();
}

CCommandState CMorvaneDoc::OnUpdateFileSaveRawResponse() const
{
    return {m_RawFile.IsOn() != 0, false};
}

CCommandState CMorvaneDoc::OnUpdateFileSaveAsRawResponse() const
{
    return {m_RawFile.IsOn() != 0, false};
}

CCommandState CMorvaneDoc::OnUpdateFileSaveAsModifiedResponse() const
{
    return {m_ModifiedRawFile.IsOn() != 0 && IsModifiedCurveShown(), false};
}

bool CMorvaneDoc::CreateDefaultResponse()
{
    constexpr int kPoints = 10000;
    constexpr double kStepHz = 2.5;
    std::vector<double> frequencies(kPoints);
    for (int i = 0; i < kPoints; ++i)
        frequencies[std::size_t(i)] = (i + 1) * kStepHz;
    m_RawFrequencies = mwMatrix(kPoints, 1, frequencies.data(), nullptr, 1);
    m_RawMagnitudeDb = mwMatrix(kPoints, 1, mwMatrix::kZeros);
    m_RawResponse = DbToLinearColumn(m_RawMagnitudeDb);
    m_nRawPoints = m_RawFrequencies.NumberOfElements();
    m_LogFrequencies = log10(m_RawFrequencies);
    CapHigherFrequencyLimit();
    m_RawPhase = mwMatrix(kPoints, 1, mwMatrix::kZeros);
    UpdateAllViews(m_pFilterView, kHintRawResponseReplaced);
    UpdateAllViews(m_pResponseView, kHintRawPhaseChanged);
    return true;
}

bool CMorvaneDoc::ComputeCurvePoint(const CCurve& curve, mwMatrix& result)
{
    const long n = curve.GetTotalPoints();
    if (n < 1 || n != m_RawPhase.NumberOfElements())
        return false;
    const mwMatrix magnitudes = CurveColumn(&curve, n, true, false);
    result = PolarToComplex(Radians(m_RawPhase), DbToLinearColumn(magnitudes));
    return true;
}
