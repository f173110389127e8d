// The window benchmarks: Google Benchmark inside one application of the program's own
// class (its event guard around every event) on the offscreen platform (raster painting,
// no display needed). Started with the first-paint option it is the child of
// BM_StartUpProcess instead.
#include "bench/GuiSession.h"
#include "shell/ui/GuardedApplication.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    CGuardedApplication application(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], bench::kFirstPaintChildOption) == 0)
        return bench::RunFirstPaintChild(std::atoi(argv[2]), argv[3]);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    bench::EndSharedSession();
    benchmark::Shutdown();
    return 0;
}
