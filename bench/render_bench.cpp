// The cost of drawing with the game's own art: one full paint and one tick of the render
// library, at the world's own size, full HD and 4K. A full paint touches every pixel of the
// picture once, so a memset of the same bytes into a surface of the same size is the floor it
// is measured against.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>

#include "BenchScenes.h"
#include "TargetReporter.h"
#include "render/Scene.h"

namespace {

void PaintSceneBench(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const GameArt art;
    CBattleRound round = BusyRoundWithHit();
    CSurface surface(width, height);
    const ClientExtent client = ClientOfSize(width, height);
    for (auto _ : state) {
        // No shot is within a hit window before the step, so the round stays as it is.
        benchmark::DoNotOptimize(PaintScene(round, art.View(), client, surface));
        surface.ClearDamage();
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t{width} * height * 4);
}

void MemsetBench(benchmark::State& state) {
    CSurface surface(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const auto bytes = static_cast<std::size_t>(surface.Image().sizeInBytes());
    uchar* const bits = surface.Image().bits();
    int value = 0;
    for (auto _ : state) {
        std::memset(bits, ++value & 0xFF, bytes);
        benchmark::DoNotOptimize(bits);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

// The render library's part of a tick, without the window: model, tiles, patches and the
// bar blanking of a hit.
void RunTickBench(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const GameArt art;
    const CBattleRound start = BusyRoundWithHit();
    CBattleRound round = start;
    CSurface surface(width, height);
    const ClientExtent client = ClientOfSize(width, height);
    for (auto _ : state) {
        round = start;  // the same tiles, the same hit every time
        benchmark::DoNotOptimize(RunTick(round, art.View(), client, surface));
        surface.ClearDamage();
    }
}

void ClientSizes(benchmark::internal::Benchmark* bench) {
    bench->ArgNames({"W", "H"});
    bench->Args({600, 400});
    bench->Args({1920, 1080});
    bench->Args({3840, 2160});
}

BENCHMARK(PaintSceneBench)->Apply(ClientSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(MemsetBench)->Apply(ClientSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(RunTickBench)->Apply(ClientSizes)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    CTargetReporter reporter;
    reporter.RatioAtMost("full paint 3840x2160 / memset of its bytes",
                         "PaintSceneBench/W:3840/H:2160", "MemsetBench/W:3840/H:2160", 1.5);
    reporter.RatioAtMost("full paint 1920x1080 / memset of its bytes (no target)",
                         "PaintSceneBench/W:1920/H:1080", "MemsetBench/W:1920/H:1080", 1.5);
    return RunBenchmarks(argc, argv, reporter);
}
