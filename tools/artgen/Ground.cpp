// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/artgen/Ground.h"

#include <algorithm>

#include "tools/artgen/Noise.h"
#include "tools/artgen/SceneLayout.h"

namespace {

constexpr std::uint32_t kGroundSeed = 0x47524E44u;
constexpr std::uint32_t kCraterSeed = 0x43524154u;

// The far edge of the plain, wavering by a row or so.
int GroundEdge(int x) {
    return kGroundTop + (ValueNoise(x, 0, 23, kGroundSeed) - 128) / 100;
}

// Darker towards the horizon, with broad patches, fine grit and a lit far edge.
void PaintPlain(CSceneCanvas& canvas) {
    for (int x = 0; x < canvas.Width(); ++x) {
        const int edge = GroundEdge(x);
        for (int y = edge; y < canvas.Height(); ++y) {
            const int nearness = (y - edge) * 72 / (canvas.Height() - edge);
            const int patches = (FractalNoise(x, y * 4, 72, 2, kGroundSeed + 2) - 128) / 4;
            const int texture = (FractalNoise(x, y * 3, 20, 3, kGroundSeed + 1) - 128) / 6;
            const int rim = y - edge < 2 ? 24 - 12 * (y - edge) : 0;
            canvas.PaintDithered(x, y, Ramp::Ground, 64 + nearness + patches + texture + rim);
        }
    }
}

// Small stones, each a lit speck with its shadow to the lower right.
void PaintPebbles(CSceneCanvas& canvas) {
    CArtRandom random(kGroundSeed);
    for (int pebble = 0; pebble < 260; ++pebble) {
        const int x = random.Below(kWorldWidth);
        const int y = random.Between(kGroundTop + 3, kWorldHeight - 1);
        canvas.Lighten(x, y, 2);
        canvas.Lighten(x + 1, y + 1, -2);
    }
}

// A crater seen from low over the plain: a flattened bowl with a raised rim. The upper-left
// rim and the lower-right inner wall face the light; the upper-left inner wall lies in
// shadow, and the floor is darker than the plain.
struct Crater {
    int x;
    int y;
    int radiusX;
    int radiusY;
};

void PaintCrater(CSceneCanvas& canvas, const Crater& crater) {
    const int rimX = crater.radiusX + 2;
    const int rimY = crater.radiusY + 1;
    for (int dy = -rimY; dy <= rimY; ++dy) {
        for (int dx = -rimX; dx <= rimX; ++dx) {
            const int inner = dx * dx * 256 / (crater.radiusX * crater.radiusX) +
                              dy * dy * 256 / (crater.radiusY * crater.radiusY);
            const int outer = dx * dx * 256 / (rimX * rimX) + dy * dy * 256 / (rimY * rimY);
            // Positive towards the upper left, about 256 at the bowl's edge.
            const int towardsLight = (-dx * crater.radiusY - dy * crater.radiusX) * 181 /
                                     (crater.radiusX * crater.radiusY);
            const int x = crater.x + dx;
            const int y = crater.y + dy;
            if (!canvas.Contains(x, y)) {
                continue;
            }
            if (inner < 256) {
                const int wall = std::max(0, inner - 64) * 256 / 192;
                const int shade = -20 - towardsLight * wall / 256 * 10 / 64;
                canvas.PaintDithered(x, y, Ramp::Ground, canvas.LevelAt(x, y) * 16 + shade);
            } else if (outer < 256) {
                const int shade = towardsLight > 0 ? towardsLight * 5 / 32 : towardsLight / 12;
                canvas.PaintDithered(x, y, Ramp::Ground, canvas.LevelAt(x, y) * 16 + shade);
            }
        }
    }
}

// Craters grow with nearness, as the plain recedes towards the hills.
void PaintCraters(CSceneCanvas& canvas) {
    CArtRandom random(kCraterSeed);
    for (int count = 0; count < 46; ++count) {
        const int y = random.Between(kGroundTop + 5, kWorldHeight - 2);
        const int nearness = y - kGroundTop;
        const int radiusX = 3 + nearness / 9 + random.Below(3 + nearness / 8);
        const int radiusY = std::max(2, radiusX / 3);
        PaintCrater(canvas, Crater{random.Below(kWorldWidth), y, radiusX, radiusY});
    }
}

}  // namespace

void PaintGround(CSceneCanvas& canvas) {
    PaintPlain(canvas);
    PaintPebbles(canvas);
    PaintCraters(canvas);
}
