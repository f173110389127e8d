// The runs of the whole-calculation benchmarks: the three grids of bench::CaseGrid, five
// timed runs each on the wall clock.
#pragma once

#include <benchmark/benchmark.h>

namespace bench
{
inline void CalculationCases(benchmark::internal::Benchmark* b)
{
    b->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
}
} // namespace bench
