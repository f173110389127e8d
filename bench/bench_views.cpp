// A full repaint of each speaker view on the offscreen platform (raster): the view's image
// cleared and the whole graph drawn again — frame, scales, markers, every curve — then put
// on the window, as after the window was uncovered or resized. Two states of the window:
// after a calculation on the 10000-point response, and with the response log-sampled to
// 1,000,000 points and desired curves made on it (no calculation: it would take hours).
#include "bench/GuiSession.h"
#include "framework/ui/CanvasWidget.h"

#include <benchmark/benchmark.h>

namespace
{
void BM_RepaintView(benchmark::State& state)
{
    bench::CGuiSession& session = bench::SharedSession(int(state.range(1)));
    const auto frame = ESpeakerFrame(state.range(0));
    const bool bMaximized = state.range(2) != 0;
    if (bMaximized)
        session.Maximize(frame);
    CCanvasWidget& view = session.View(frame);
    for (auto _ : state)
    {
        view.Invalidate(true);
        view.repaint();
    }
    state.counters["points"] = double(session.RawPoints());
    state.counters["filters"] = double(session.Filters());
    state.counters["width"] = double(view.width());
    state.counters["height"] = double(view.height());
    if (bMaximized)
        session.ArrangeFourWindows();
}

// Views: 0 response, 1 filter, 2 phase, 3 filter phase; states: 0 after the calculation,
// 1 log-sampled to 1,000,000 points; the four windows side by side, or the view's window
// maximized.
void RepaintCases(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"view", "million", "maximized"})->Unit(benchmark::kMillisecond)->UseRealTime();
    for (int million = 0; million < 2; ++million)
        for (int maximized = 0; maximized < 2; ++maximized)
            for (int view = 0; view < 4; ++view)
                b->Args({view, million, maximized});
}
BENCHMARK(BM_RepaintView)->Apply(RepaintCases);
} // namespace
