// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The battle model alone: one tick is Advance and Resolve, as the window's tick runs them,
// with both sides driven by the computer so that targets are picked and shots fired and spent
// all through the run. The figure is ticks per second on one core.

#include <benchmark/benchmark.h>

#include "battle/BattleRound.h"
#include "battle/Random.h"

namespace {

void ModelTickBench(benchmark::State& state) {
    SeedRandom(20240517);
    CBattleRound round;
    round.NewRound();
    round.leftShip.computer = true;
    round.rightShip.computer = true;
    for (auto _ : state) {
        round.Advance();
        benchmark::DoNotOptimize(round.Resolve());
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(ModelTickBench);

}  // namespace

BENCHMARK_MAIN();
