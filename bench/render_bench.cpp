// The cost of drawing: one tick (both ships with all their shots in flight) and one full paint,
// at the world's own size, full HD and 4K, beside a memset of the picture's bytes. A full paint
// touches every pixel once, so the memset is the floor it is measured against.

#include <benchmark/benchmark.h>

#include <QImage>
#include <cstring>
#include <vector>

#include "battle/BattleRound.h"
#include "render/Scene.h"

namespace {

// Art of the real sizes with a colour per pixel, so that no transfer can be skipped as
// uniform.
QImage Pattern(int width, int height, int hue) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, hue));
        }
    }
    return image;
}

// A mask opaque inside the box's inscribed ellipse.
QImage OvalMask(int width, int height) {
    QImage mask(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double ex = (2.0 * x + 1 - width) / width;
            const double ey = (2.0 * y + 1 - height) / height;
            mask.setPixel(x, y, ex * ex + ey * ey <= 1.0 ? qRgb(4, 4, 4) : qRgb(252, 252, 252));
        }
    }
    return mask;
}

struct BenchArt {
    QImage background = Pattern(600, 400, 0x80);
    CSpriteSet left{Pattern(53, 21, 1), OvalMask(53, 21), Pattern(20, 10, 2), OvalMask(20, 10)};
    CSpriteSet right{Pattern(53, 21, 3), OvalMask(53, 21), Pattern(20, 10, 4), OvalMask(20, 10)};
    CEnergyBars bars{Pattern(290, 20, 5), Pattern(290, 20, 6)};

    SceneArt View() const { return {background, left, right, bars}; }
};

// Both ships standing at their targets with all five shots in flight, none of them within a
// hit window: every tick draws twelve tiles.
CBattleRound BusyRound() {
    CBattleRound round;
    round.NewRound();
    round.leftShip.x = round.leftShip.targetX = 150;
    round.leftShip.y = round.leftShip.targetY = 150;
    round.rightShip.x = round.rightShip.targetX = 450;
    round.rightShip.y = round.rightShip.targetY = 250;
    for (int i = 0; i < 5; ++i) {
        round.leftShip.shots[i] = {200 + 60 * i, 40 + 20 * i};
        round.rightShip.shots[i] = {400 - 60 * i, 190 + 20 * i};
    }
    return round;
}

void RunTickBench(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const BenchArt art;
    const CBattleRound start = BusyRound();
    CBattleRound round = start;
    CSurface surface(width, height);
    const ClientExtent client = ClientOfSize(width, height);
    for (auto _ : state) {
        round = start;  // the same twelve tiles every time
        benchmark::DoNotOptimize(RunTick(round, art.View(), client, surface));
        surface.ClearDamage();
    }
}

void PaintSceneBench(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const BenchArt art;
    CBattleRound round = BusyRound();
    CSurface surface(width, height);
    const ClientExtent client = ClientOfSize(width, height);
    for (auto _ : state) {
        benchmark::DoNotOptimize(PaintScene(round, art.View(), client, surface));
        surface.ClearDamage();
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t{width} * height * 4);
}

void MemsetBench(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0) * state.range(1) * 4);
    std::vector<unsigned char> picture(bytes);
    int value = 0;
    for (auto _ : state) {
        std::memset(picture.data(), ++value & 0xFF, bytes);
        benchmark::DoNotOptimize(picture.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

void ClientSizes(benchmark::internal::Benchmark* bench) {
    bench->ArgNames({"W", "H"});
    bench->Args({600, 400});
    bench->Args({1920, 1080});
    bench->Args({3840, 2160});
}

BENCHMARK(RunTickBench)->Apply(ClientSizes);
BENCHMARK(PaintSceneBench)->Apply(ClientSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(MemsetBench)->Apply(ClientSizes)->Unit(benchmark::kMicrosecond);

}  // namespace
