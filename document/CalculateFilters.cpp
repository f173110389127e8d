#include "document/CalculateFilters.h"

#include "document/DocumentStrings.h"
#include "document/MemoryBudget.h"
#include "document/MorvaneDoc.h"
#include "document/MorvaneSettings.h"
#include "graph/MorvaneUtilities.h"
#include "graph/ResourceString.h"
#include "matrix/matrix.h"
#include "numerics/CheckUserAbort.h"
#include "numerics/engine/OptimizerMemory.h"
#include "numerics/mvq83.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <functional>
#include <vector>

namespace
{
constexpr unsigned kStoppedText = 143;
constexpr unsigned kCompletedText = 144;
constexpr unsigned kLimitReachedText = 165;
constexpr unsigned kWithinToleranceText = 227;
constexpr unsigned kNoBandText = 5150;
constexpr int kDisplayCoordinatesOff = 32795;

std::vector<double> RealValues(const mwMatrix& m)
{
    std::vector<double> v(std::size_t(m.NumberOfElements()));
    if (!v.empty())
        m.CopyRealTo(v.data());
    return v;
}

double CountBandPoints(const mwMatrix& response, const CCalculationBand& band,
                       const mwMatrix& curve, const std::function<bool(double, double)>& outside)
{
    const std::vector<double> magnitude = RealValues(abs(response));
    const std::vector<double> limit = RealValues(curve);
    const int last = band.n - band.jHigh + 1;
    if (int(magnitude.size()) < last || int(limit.size()) < last)
        throw mwException("The response and the tolerance curves differ in length.");
    double count = 0.0;
    for (int i = band.iLow + 1; i <= last; ++i)
        if (outside(20.0 * std::log10(magnitude[std::size_t(i - 1)]), limit[std::size_t(i - 1)]))
            count += 1.0;
    return count;
}

void SetCalculatingText(CMorvaneDoc& doc, int nFilter)
{
    char text[64];
    std::snprintf(text, sizeof text, "Calculating Filter %d\n", nFilter);
    doc.App().SetStatusText(text);
}
} // namespace

bool FindCalculationBand(const mwMatrix& freq, int lowF, int highF, CCalculationBand& band)
{
    const std::vector<double> f = RealValues(freq);
    const int n = int(f.size());
    band = {n, 0, 1};
    if (n < 2)
        return false;
    auto distance = [&](int i, int limit) { return std::fabs(f[std::size_t(i - 1)] - limit); };
    int i = 1;
    while (i < n && distance(i + 1, lowF) < distance(i, lowF))
        ++i;
    int j = n;
    while (j > 1 && distance(j - 1, highF) < distance(j, highF))
        --j;
    band.iLow = i - 1;
    band.jHigh = std::max(n - j + 1, 1);
    // Without a frequency at or above lowF (at or below highF) the unbounded search would
    // run past the data; a band of a single point inside the data is a band.
    const auto [pLowest, pHighest] = std::minmax_element(f.begin(), f.end());
    return i <= j && *pHighest >= lowF && *pLowest <= highF;
}

double CountPointsAboveUpper(const mwMatrix& response, const CCalculationBand& band,
                             const mwMatrix& upper)
{
    return CountBandPoints(response, band, upper,
                           [](double db, double limit) { return db > limit; });
}

double CountPointsBelowLower(const mwMatrix& response, const CCalculationBand& band,
                             const mwMatrix& lower)
{
    return CountBandPoints(response, band, lower,
                           [](double db, double limit) { return db < limit; });
}

mwMatrix CalculateFilters(CMorvaneDoc& doc, int& nFilters, mwMatrix& parameters,
                          const mwMatrix& fixedResponse)
{
    IMorvaneAppServices& app = doc.App();
    CCalculationBand band;
    const bool bBand = FindCalculationBand(doc.m_RawFrequencies, doc.m_nLowerFrequencyLimit,
                                           doc.m_nHigherFrequencyLimit, band);
    // The phase is kept aside: the document's modified phase changes only with a
    // completed pass, or at the end when no pass was needed.
    mwMatrix startPhase = doc.m_ModifiedPhase;
    doc.m_WorkingResponse = doc.RestartedRawResponse();
    doc.ComputeActiveFilterResponse(doc.m_WorkingResponse, startPhase, true);
    if (!bBand)
    {
        const CResourceString text(kNoBandText);
        ShowMessage(text);
        app.SetStatusText(text);
        doc.m_ModifiedPhase = startPhase;
        doc.ClearCalculationRunning();
        return doc.m_WorkingResponse;
    }
    SetCalculatingText(doc, 1);
    // The optimizer keeps its working memory from pass to pass.
    const numerics::COptimizerMemory optimizerMemory;
    bool bFirstPass = true;
    bool bStopped = false;
    bool bLimitReached = false;
    while (CountPointsAboveUpper(doc.m_WorkingResponse, band, doc.m_UpperTolerance) > 0 ||
           CountPointsBelowLower(doc.m_WorkingResponse, band, doc.m_LowerTolerance) > 0)
    {
        mwMatrix count, working;
        parameters = mvq83(&count, &working, double(doc.m_nSamplingFrequency), double(band.iLow),
                           double(band.jHigh), doc.m_RawFrequencies, fixedResponse, parameters,
                           double(nFilters), double(band.n), doc.m_DesiredResponse,
                           doc.m_UpperTolerance, doc.m_LowerTolerance, doc.m_WorkingResponse,
                           doc.m_SingleOptParam, doc.m_JointOptParam);
        nFilters = int(double(count));
        doc.m_WorkingResponse = working;
        app.Beep();
        if (bFirstPass)
        {
            bFirstPass = false;
            if (!app.IsFrameVisible(ESpeakerFrame::Filter))
                app.ShowFrame(ESpeakerFrame::Filter, true);
            app.ActivateResponseWindow();
        }
        doc.LoadCalculationResults();
        doc.UpdateAllViews(doc.m_pFilterView, kHintCurvesChanged);
        doc.m_CoefficientFile.MarkNewContent();
        doc.m_ModifiedRawFile.MarkNewContent();
        if (!CheckUserAbort())
            break;
        // Read after each pass: the Settings command may change the limit while the
        // calculation pumps messages.
        if (doc.m_LimitNumberOfFilters.IsOn() &&
            nFilters >= GetFilterLimitCount(doc.m_LimitNumberOfFilters))
        {
            bLimitReached = true;
            break;
        }
        // The next filter's curves must fit as well.
        if (!doc.FitsInMemory(kCalculatedFilterBytesPerPoint, doc.m_nRawPoints,
                              IDS_NEXT_FILTER_NO_MEMORY))
        {
            bStopped = true;
            break;
        }
        if (doc.IsPauseRequested())
        {
            app.SendFrameCommand(ESpeakerFrame::Response, kDisplayCoordinatesOff);
            app.SendFrameCommand(ESpeakerFrame::Filter, kDisplayCoordinatesOff);
            if (!app.AskContinueCalculation(nFilters))
            {
                bStopped = true;
                break;
            }
        }
        SetCalculatingText(doc, nFilters + 1);
    }
    const unsigned end = bFirstPass      ? kWithinToleranceText
                         : bStopped      ? kStoppedText
                         : bLimitReached ? kLimitReachedText
                                         : kCompletedText;
    if (bFirstPass)
        doc.m_ModifiedPhase = startPhase;
    app.SetStatusText(CResourceString(end));
    doc.ClearCalculationRunning();
    return doc.m_WorkingResponse;
}
