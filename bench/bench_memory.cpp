// The memory of a large raw response in the program's window: the 10000-point response
// opened, then log-sampled to 1,000,000 points (Edit > Log Sample Raw Curve), desired and
// tolerance curves made on it, a calculation of one filter run and then one of three. Each figure is in
// bytes per sampled point, above the resident memory just after opening: the highest
// resident memory during a step (the kernel's peak, reset before the step) and what
// stays resident after it. The document's memory checks (document/MemoryBudget.h) rest
// on these figures.
#include "bench/GuiSession.h"
#include "bench/ProcessMemory.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace
{
constexpr long kPoints = 1000000;
constexpr int kFilters = 3;

void BM_LogSampleMemory(benchmark::State& state)
{
    for (auto _ : state)
    {
        bench::CGuiSession session(0, true);
        malloc_trim(0);
        const double base = bench::Resident();
        const auto perPoint = [base](double bytes) { return (bytes - base) / double(kPoints); };

        bench::ResetPeak();
        session.LogSample(kPoints);
        state.counters["sampling_peak_B_per_pt"] = perPoint(bench::Peak());
        state.counters["sampled_B_per_pt"] = perPoint(bench::Resident());

        bench::ResetPeak();
        session.CreateDesiredCurve();
        state.counters["desired_peak_B_per_pt"] = perPoint(bench::Peak());
        const double desired = bench::Resident();
        state.counters["desired_B_per_pt"] = perPoint(desired);

        // One filter, then a calculation anew with three: the difference is what each
        // further filter keeps.
        bench::ResetPeak();
        session.Calculate(1);
        const double onePeak = bench::Peak();
        state.counters["calculation_1_peak_B_per_pt"] = perPoint(onePeak);
        state.counters["calculation_1_adds_B_per_pt"] = (onePeak - desired) / double(kPoints);
        bench::ResetPeak();
        session.Calculate(kFilters);
        const double threePeak = bench::Peak();
        state.counters["calculation_3_peak_B_per_pt"] = perPoint(threePeak);
        state.counters["further_filter_B_per_pt"] =
            (threePeak - onePeak) / double(kFilters - 1) / double(kPoints);
        state.counters["filters"] = double(session.Filters());
    }
}
BENCHMARK(BM_LogSampleMemory)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
} // namespace
