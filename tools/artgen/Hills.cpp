// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/artgen/Hills.h"

#include <algorithm>

#include "tools/artgen/Noise.h"
#include "tools/artgen/SceneLayout.h"

namespace {

struct Range {
    Ramp ramp;
    std::uint32_t seed;
    int meanCrest;  // average row of the crest line
    int swing;      // how far the crest rises and falls around it
    int cell;       // width of one rise or dip, in pixels
    int bodyLevel;  // the hillside's own shade, in sixteenths of a level
};

constexpr Range kFarRange{Ramp::FarHill, 0x46415248u, 240, 40, 110, 44};
constexpr Range kNearRange{Ramp::NearHill, 0x4E454152u, 286, 22, 70, 30};

int CrestRow(const Range& range, int x) {
    const int noise = FractalNoise(x, 0, range.cell, 4, range.seed);
    return range.meanCrest - (noise - 128) * range.swing / 64;
}

// Positive where the hillside rises towards the right, that is, faces the light.
int Facing(const Range& range, int x) {
    return CrestRow(range, x - 3) - CrestRow(range, x + 3);
}

// The relief of a hillside: positive where the rock faces the upper left.
int Relief(const Range& range, int x, int y) {
    const auto height = [&](int u) { return FractalNoise(u, y * 2, 28, 3, range.seed + 5); };
    return height(x - 2) - height(x + 2);
}

void PaintRange(CSceneCanvas& canvas, const Range& range) {
    for (int x = 0; x < canvas.Width(); ++x) {
        const int crest = CrestRow(range, x);
        const int light = std::clamp(Facing(range, x) * 5, -16, 40);
        for (int y = crest; y < kGroundTop + 4; ++y) {
            const int depth = y - crest;
            const int sheen = light * std::max(0, 16 - depth) / 16;
            const int relief = std::clamp(Relief(range, x, y), -40, 40);
            const int foot = -std::min(24, depth / 3);  // lower slopes fade into the dark
            canvas.PaintDithered(x, y, range.ramp, range.bodyLevel + sheen + relief + foot);
        }
        if (light > 0) {  // the crest catches the light
            canvas.Paint(x, crest, range.ramp, range.bodyLevel / 16 + 2 + light / 16);
        }
    }
}

}  // namespace

void PaintHills(CSceneCanvas& canvas) {
    PaintRange(canvas, kFarRange);
    PaintRange(canvas, kNearRange);
}
