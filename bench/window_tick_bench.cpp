// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One tick of the real main window on the offscreen platform, at full HD and 4K: the timer event
// it handles (model, both ships' tiles and all ten shots drawn straight into the window's buffer,
// the shot that hit erased, the bars blanked, the drawn rectangles flushed), as a share of the
// 30 ms between ticks. A tick that loses its core now and then takes far longer than its work
// needs, so the target is judged on the median tick, tick_median_us. Each tick runs right after
// the repaint of the one before, as in the game, and finds the surface as that left it: read by
// Qt's drawing threads, often on the other core, which makes the figure vary more from run to
// run than within a run. That repaint is timed apart (repaint_median_us); a tick asks for none,
// so it is the cost of finding nothing to do. The buffer here is only memory: the figures show
// nothing of a display server.

#include <benchmark/benchmark.h>

#include <vector>

#include "BenchSupport.h"
#include "FrameDriving.h"
#include "OffscreenScreens.h"
#include "ScratchSettingsHome.h"
#include "app/ArenaFrame.h"
#include "app/DuelApp.h"
#include "app/ShutdownSignals.h"

namespace {

// The window under test, built once for the whole run.
CArenaFrame* gFrame = nullptr;
int gTickTimerId = 0;

void WindowTickBench(benchmark::State& state) {
    const QSize client(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    if (!ResizeClientTo(*gFrame, client)) {
        state.SkipWithError("the client area did not take the size");
        return;
    }
    const CBattleRound start = BusyRoundWithHit();
    std::vector<double> ticks;
    std::vector<double> repaints;
    for (auto _ : state) {
        gFrame->Battle() = start;  // the same tiles, the same hit every time
        const auto tickStart = BenchClock::now();
        DeliverTick(*gFrame, gTickTimerId);
        ticks.push_back(SecondsSince(tickStart));
        state.SetIterationTime(ticks.back());

        // What the event loop would do next; the following tick starts with nothing pending.
        const auto repaintStart = BenchClock::now();
        FlushUpdates();
        repaints.push_back(SecondsSince(repaintStart));
    }
    state.counters["tick_median_us"] = Percentile(ticks, 0.5) * 1e6;
    state.counters["repaint_median_us"] = Percentile(repaints, 0.5) * 1e6;
}

BENCHMARK(WindowTickBench)
    ->ArgNames({"W", "H"})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // Room for a 4K client area with the window's menu bar and edge.
    const COffscreenScreens screen({QRect(0, 0, 4096, 2400)});
    const CScratchSettingsHome settings;
    CShutdownSignals::Install();
    CDuelApp app(argc, argv);
    benchmark::Initialize(&argc, argv);
    gTickTimerId = screen.AsConfigured() ? StartComputerGame(app) : 0;
    gFrame = app.MainFrame();
    if (gTickTimerId == 0 || benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
