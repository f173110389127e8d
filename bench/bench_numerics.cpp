// The optimizer as the speaker document drives it, on synthetic two-way speakers:
// mvq83 while any band point lies outside ±1.5 dB of a flat desired curve, the working
// response rebuilt from the parameter rows after each pass, at most 20 filters.
#include "bench/CalculationCases.h"
#include "bench/SpeakerModel.h"
#include "numerics/CheckUserAbort.h"
#include "numerics/engine/BandError.h"
#include "numerics/engine/Mvq83.h"
#include "numerics/engine/OneParameter.h"
#include "numerics/engine/OptimizerMemory.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

namespace
{
using numerics::Complex;
using Clock = std::chrono::steady_clock;

constexpr double kFs = 48000.0;
constexpr double kTolerance = 1.5;
constexpr int kMaxFilters = 20;

struct CCase
{
    std::vector<double> freq;
    std::vector<Complex> base;
    std::vector<double> desired, upper, lower;
    double iLow = 0;  // points below 20 Hz
    double jHigh = 0; // the band ends at the last point at or below 20 kHz
};

CCase MakeCase(int which)
{
    CCase c;
    c.freq = bench::CaseGrid(which);
    c.base = bench::TwoWaySpeaker(c.freq, kFs);
    const std::size_t n = c.freq.size();
    c.desired.assign(n, 0.0);
    c.upper.assign(n, kTolerance);
    c.lower.assign(n, -kTolerance);
    const auto first = std::lower_bound(c.freq.begin(), c.freq.end(), 20.0 * (1 - 1e-12));
    const auto end = std::upper_bound(c.freq.begin(), c.freq.end(), 20000.0 * (1 + 1e-12));
    c.iLow = double(first - c.freq.begin());
    c.jHigh = double(n) - double(end - c.freq.begin()) + 1;
    return c;
}

bool OutsideTolerance(const CCase& c, const std::vector<Complex>& resp)
{
    const std::size_t first = std::size_t(c.iLow);
    const std::size_t last = c.freq.size() - std::size_t(c.jHigh);
    for (std::size_t i = first; i <= last; ++i)
    {
        const double level = 20.0 * std::log10(std::abs(resp[i]));
        if (level > c.upper[i] || level < c.lower[i])
            return true;
    }
    return false;
}

// Records the longest stretch between two cancellation points, on the wall clock or on the
// thread's CPU clock (which leaves out the time the process was preempted, but costs a
// system call per reading).
class CTimingPump : public CMessagePump
{
public:
    explicit CTimingPump(bool cpuTime = false)
        : m_cpuTime(cpuTime), m_last(Now()), m_previous(SetMessagePump(this))
    {
    }
    ~CTimingPump() override { SetMessagePump(m_previous); }
    bool IsMessageWaiting() override { return false; }
    bool PumpMessage() override { return true; }
    bool OnIdle(long count) override
    {
        if (count == 0)
        {
            const double now = Now();
            longestMs = std::max(longestMs, now - m_last);
            m_last = now;
        }
        return false;
    }
    void PostQuit(int) override {}

    double longestMs = 0.0;

private:
    double Now() const
    {
        if (!m_cpuTime)
            return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch())
                .count();
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) * 1e3 + double(t.tv_nsec) * 1e-6;
    }

    bool m_cpuTime;
    double m_last;
    CMessagePump* m_previous;
};

// The driver's loop; returns the number of filters placed.
double RunCalculation(const CCase& c)
{
    const numerics::COptimizerMemory memory;
    numerics::CParameterMatrix P;
    double k = 0;
    std::vector<Complex> resp = c.base;
    while (k < kMaxFilters && OutsideTolerance(c, resp))
    {
        numerics::CMvq83Inputs in;
        in.fs = kFs;
        in.iLow = c.iLow;
        in.jHigh = c.jHigh;
        in.freq = c.freq;
        in.base = c.base;
        in.P = &P;
        in.k = k;
        in.n = double(c.freq.size());
        in.desired = c.desired;
        in.upper = c.upper;
        in.lower = c.lower;
        in.resp = resp;
        numerics::CMvq83Result out = numerics::Mvq83(in);
        P = std::move(out.P);
        k = out.k;
        resp = c.base;
        for (const auto& row : P)
            numerics::ApplyParameterRow(row, kFs, c.freq, resp);
        CheckUserAbort();
    }
    return k;
}

void BM_FullCalculation(benchmark::State& state)
{
    const CCase c = MakeCase(int(state.range(0)));
    double filters = 0;
    double evaluations = 0;
    double seconds = 0;
    double longestMs = 1e300;
    for (auto _ : state)
    {
        CTimingPump pump;
        const unsigned long long evaluationsBefore = numerics::TrialEvaluationCount();
        const Clock::time_point start = Clock::now();
        filters = RunCalculation(c);
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
        evaluations = double(numerics::TrialEvaluationCount() - evaluationsBefore);
        // The smallest of the runs' longest gaps: a gap that the work itself makes shows in
        // every run, one made by the process being preempted rarely does.
        longestMs = std::min(longestMs, pump.longestMs);
    }
    double longestCpuMs = 0.0;
    {
        CTimingPump pump(true);
        RunCalculation(c);
        longestCpuMs = pump.longestMs;
    }
    state.counters["points"] = double(c.freq.size());
    state.counters["filters"] = filters;
    state.counters["evaluations"] = evaluations;
    state.counters["evals_per_s"] = evaluations / seconds;
    state.counters["ns_per_point_eval"] = seconds * 1e9 / evaluations / double(c.freq.size());
    state.counters["longest_gap_ms"] = longestMs;
    state.counters["longest_gap_cpu_ms"] = longestCpuMs;
}
BENCHMARK(BM_FullCalculation)->Apply(bench::CalculationCases);

// One trial evaluation as the optimizers make it: section design, its response at the band
// points, the product with the running response, the error over the band, and the
// cancellation point of the error measurement.
void BM_TrialEvaluation(benchmark::State& state)
{
    const CCase c = MakeCase(int(state.range(0)));
    const auto grid = numerics::CFrequencyGrid::For(c.freq, kFs);
    const numerics::CBand band =
        numerics::CBand::FromCounts(c.iLow, c.jHigh, double(c.freq.size()));
    const numerics::CBandErrorModel model(*grid, c.base, c.desired, c.freq, band);
    double bw = 100.0;
    for (auto _ : state)
    {
        CheckUserAbort();
        benchmark::DoNotOptimize(numerics::PeakingSectionError(model, {bw, 1.5, 1000.0}, kFs));
        bw = bw < 2000.0 ? bw * 1.01 : 100.0;
    }
    state.counters["ns_per_point"] =
        benchmark::Counter(double(state.iterations()) * double(c.freq.size()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_TrialEvaluation)->Arg(0)->Arg(1)->Arg(2);
} // namespace
