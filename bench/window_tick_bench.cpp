// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One tick of the real main window on the offscreen platform, at full HD and 4K: the timer
// event it handles, which runs the model, draws both ships' tiles and all ten shots straight
// into the window's buffer, erases the shot that hit, blanks the bars and flushes the
// rectangles it drew. The figure is its share of the 30 ms between ticks.
//
// On a shared machine a tick that loses its core now and then takes far longer than its work
// needs, and the mean of all ticks (the time column) carries those losses. The target is
// therefore judged on the median tick, the counter tick_median_us. Each tick runs right after
// the repaint of the one before, as in the game, and so finds the surface as Qt's repaint left
// it: read by Qt's drawing threads, often on the other core. How much that costs depends on
// where the scheduler put those threads, which makes the figure vary more from run to run
// than within a run.
//
// Whatever Qt would still repaint afterwards is timed apart and reported as the counter
// repaint_median_us; a tick asks for no repaint, so it is the cost of finding nothing to do. On
// the offscreen platform the buffer is only memory, so the figures show nothing of a display
// server.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
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
        const double tick = SecondsSince(tickStart);
        state.SetIterationTime(tick);

        // What the event loop would do next; the following tick starts with nothing pending.
        const auto repaintStart = BenchClock::now();
        FlushUpdates();
        const double repaint = SecondsSince(repaintStart);
        ticks.push_back(tick);
        repaints.push_back(repaint);
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
    settings.StoreComputerSides();

    gTickTimerId = screen.AsConfigured() ? StartGame(app) : 0;
    if (gTickTimerId == 0) {
        return 1;
    }
    gFrame = app.MainFrame();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
