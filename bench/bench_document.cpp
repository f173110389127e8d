// The whole calculation through the speaker document, on the same synthetic two-way
// speakers and settings as BM_FullCalculation: Calculate > Modified Response on a headless
// document (parameter matrix, the driver with its band search and tolerance tests, mvq83,
// calculated filters and their curves for the views after every pass, status texts), at
// most 20 filters. The difference to BM_FullCalculation is the document's own cost.
#include "bench/CalculationCases.h"
#include "bench/SpeakerModel.h"
#include "document/HeadlessAppServices.h"
#include "document/MorvaneDoc.h"
#include "document/MorvaneSettings.h"
#include "numerics/engine/BandError.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace
{
constexpr double kFs = 48000.0;
constexpr double kTolerance = 1.5;
constexpr int kMaxFilters = 20;

mwMatrix Column(std::vector<double> values)
{
    return mwMatrix(int(values.size()), 1, values.data(), nullptr, 1);
}

// A document holding the case's response as if it had been opened, with flat desired and
// tolerance curves over it.
void LoadCase(CMorvaneDoc& doc, int which)
{
    const std::vector<double> freq = bench::CaseGrid(which);
    const std::vector<numerics::Complex> response = bench::TwoWaySpeaker(freq, kFs);
    std::vector<double> re, im, db, logf;
    for (std::size_t i = 0; i < freq.size(); ++i)
    {
        re.push_back(response[i].real());
        im.push_back(response[i].imag());
        db.push_back(20.0 * std::log10(std::abs(response[i])));
        logf.push_back(std::log10(freq[i]));
    }
    const int n = int(freq.size());
    doc.m_nSamplingFrequency = int(kFs);
    doc.m_RawFrequencies = Column(freq);
    doc.m_RawResponse = mwMatrix(n, 1, re.data(), im.data(), 1);
    doc.m_RawMagnitudeDb = Column(db);
    doc.m_LogFrequencies = Column(logf);
    doc.m_ModifiedResponse = doc.m_RawMagnitudeDb;
    doc.m_nRawPoints = n;
    doc.m_nLowerFrequencyLimit = 20;
    doc.m_nHigherFrequencyLimit = 20000;
    doc.m_SingleOptParam = mwMatrix(0.001);
    doc.m_JointOptParam = mwMatrix(0.01);
    doc.m_DesiredResponse = Column(std::vector<double>(freq.size(), 0.0));
    doc.m_UpperTolerance = Column(std::vector<double>(freq.size(), kTolerance));
    doc.m_LowerTolerance = Column(std::vector<double>(freq.size(), -kTolerance));
    SetFilterLimitCount(doc.m_LimitNumberOfFilters, kMaxFilters);
    doc.m_LimitNumberOfFilters.TurnOn();
    doc.m_RawFile.TurnOn();
    doc.m_DesiredCurveFile.TurnOn();
    doc.m_bCalculationIdle = 1;
}

void BM_DocumentCalculation(benchmark::State& state)
{
    CHeadlessAppServices app;
    auto doc = std::make_unique<CMorvaneDoc>(app);
    doc->OnNewDocument();
    LoadCase(*doc, int(state.range(0)));
    double evaluations = 0;
    for (auto _ : state)
    {
        app.statusTexts.clear();
        const unsigned long long before = numerics::TrialEvaluationCount();
        doc->OnCalculateModifiedResponse();
        evaluations = double(numerics::TrialEvaluationCount() - before);
    }
    state.counters["evaluations"] = evaluations;
    state.counters["points"] = double(doc->m_nRawPoints);
    state.counters["filters"] = double(doc->m_CalculatedEQFilters.GetSize());
}
BENCHMARK(BM_DocumentCalculation)->Apply(bench::CalculationCases);
} // namespace
