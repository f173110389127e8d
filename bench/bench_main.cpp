#include "runtime/runtime.h"

#include <benchmark/benchmark.h>

// Duplicating a response-sized vector: the cost copy-on-write avoids on every share.
static void BM_DuplicateResponse(benchmark::State& state)
{
    mxArray* a = mclCreateDoubleMatrix(1, static_cast<int>(state.range(0)), mxCOMPLEX);
    for (auto _ : state)
    {
        mxArray* copy = mclDuplicateArray(a);
        benchmark::DoNotOptimize(copy);
        mxDestroyArray(copy);
    }
    mxDestroyArray(a);
}
BENCHMARK(BM_DuplicateResponse)->Arg(512)->Arg(8192);
