// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cost of drawing with the game's own art: one full paint and one tick of the render
// library, at the world's own size, full HD and 4K. A full paint touches every pixel of the
// picture once, so a memset of the same bytes into the same surface is the floor it is
// measured against, side by side in the same iterations.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "BenchSupport.h"
#include "play/Sequence.h"

namespace {

// Each iteration writes the surface twice, first with memset, then with a full paint, and times
// both. Measured side by side like this, both find the surface in the same state (just written
// in full) and share every slow phase of a shared machine, so their ratio holds steady where
// two benchmarks of their own drift apart. The iteration time is the paint's; the counters are
// the medians of both.
void PaintAgainstMemsetBench(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const CheckedArt art;
    CBattleRound round = BusyRoundWithHit();
    CSurface surface(width, height);
    const ClientExtent client = ClientOfSize(width, height);
    const auto bytes = static_cast<std::size_t>(surface.Image().sizeInBytes());
    uchar* const bits = surface.Image().bits();
    std::vector<double> memsets;
    std::vector<double> paints;
    int value = 0;
    for (auto _ : state) {
        const auto memsetStart = BenchClock::now();
        std::memset(bits, ++value & 0xFF, bytes);
        benchmark::ClobberMemory();
        memsets.push_back(SecondsSince(memsetStart));

        const auto paintStart = BenchClock::now();
        // No shot is within a hit window before the step, so the round stays as it is.
        benchmark::DoNotOptimize(PaintScene(round, art.View(), client, surface));
        paints.push_back(SecondsSince(paintStart));
        state.SetIterationTime(paints.back());
        surface.ClearDamage();
    }
    state.counters["memset_us"] = Percentile(memsets, 0.5) * 1e6;
    state.counters["paint_us"] = Percentile(paints, 0.5) * 1e6;
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

// Ticks of the render library's part of a tick, without the window: model, tiles, patches and
// the bar blanking of a hit, the same every time. A `cold` tick meets the caches as a window's
// does 30 ms after the last, when the machine's other programs have taken them: before each
// one, the art and the surface are pushed out of every cache level by writing a buffer larger
// than the last level, untimed.
void MeasureTicks(benchmark::State& state, bool cold) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const CheckedArt art;
    const CBattleRound start = BusyRoundWithHit();
    CBattleRound round = start;
    CSurface surface(width, height);
    const ClientExtent client = ClientOfSize(width, height);
    std::vector<unsigned char> evictor(cold ? std::size_t{64} << 20 : 0);  // 2 x the L3 here
    int value = 0;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            std::memset(evictor.data(), ++value & 0xFF, evictor.size());
            benchmark::ClobberMemory();
            state.ResumeTiming();
        }
        round = start;
        benchmark::DoNotOptimize(RunTick(round, art.View(), client, surface));
        surface.ClearDamage();
    }
}

void RunTickBench(benchmark::State& state) {
    MeasureTicks(state, false);
}

void ColdTickBench(benchmark::State& state) {
    MeasureTicks(state, true);
}

void ClientSizes(benchmark::internal::Benchmark* bench) {
    bench->ArgNames({"W", "H"})->Args({600, 400})->Args({1920, 1080})->Args({3840, 2160});
}

BENCHMARK(PaintAgainstMemsetBench)
    ->Apply(ClientSizes)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(RunTickBench)->Apply(ClientSizes)->Unit(benchmark::kMicrosecond);
// A fixed count of iterations: the untimed eviction takes far longer than the timed tick.
BENCHMARK(ColdTickBench)
    ->ArgNames({"W", "H"})
    ->Args({702, 476})
    ->Args({1920, 1080})
    ->Iterations(300)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
