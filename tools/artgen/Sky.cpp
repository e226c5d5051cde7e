// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/artgen/Sky.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "tools/artgen/Noise.h"
#include "tools/artgen/SceneLayout.h"

namespace {

constexpr std::uint32_t kNebulaSeed = 0x4E42554Cu;
constexpr std::uint32_t kStarSeed = 0x53544152u;

// The nebula is an ellipse tilted to rise to the right, centred over the middle of the
// battlefield and well below the energy bars.
constexpr int kNebulaX = 300;
constexpr int kNebulaY = 96;
constexpr int kNebulaHalfWidth = 210;
constexpr int kNebulaHalfHeight = 58;

// How strongly the nebula shows at (x, y), from 0 (none) to 256 (its brightest filaments).
int NebulaStrength(int x, int y) {
    const int u = x - kNebulaX;
    const int v = (y - kNebulaY) + u / 5;
    const int distance = u * u * 256 / (kNebulaHalfWidth * kNebulaHalfWidth) +
                         v * v * 256 / (kNebulaHalfHeight * kNebulaHalfHeight);
    const int envelope = std::max(0, 256 - distance);
    const int clouds = std::max(0, FractalNoise(x, y * 2, 64, 5, kNebulaSeed) - 96) * 256 / 159;
    // Ridged noise: bright where the noise crosses its middle, which draws thin filaments.
    const int ridge = 255 - 2 * std::abs(FractalNoise(x, y * 3, 48, 4, kNebulaSeed + 1) - 128);
    const int filaments = ridge * ridge / 255 * ridge / 255;
    const int glow = clouds * (128 + filaments / 2) / 256 + clouds * filaments / 512;
    return std::min(256, glow * envelope / 256 * 7 / 4);
}

// Near black at the top, a shade lighter towards the horizon, with the nebula on top.
void PaintNightGradient(CSceneCanvas& canvas) {
    for (int y = 0; y < canvas.Height(); ++y) {
        const int sixteenths = 5 + y * y * 56 / (kGroundTop * kGroundTop);
        for (int x = 0; x < canvas.Width(); ++x) {
            const int nebula = NebulaStrength(x, y) * 17 * 16 / 256;
            canvas.PaintDithered(x, y, Ramp::Sky, sixteenths + nebula);
        }
    }
}

void PaintGlint(CSceneCanvas& canvas, int x, int y, int delta) {
    if (canvas.Contains(x, y) && canvas.RampAt(x, y) == Ramp::Sky) {
        canvas.Lighten(x, y, delta);
    }
}

// A star is a single bright pixel; the brighter ones get a soft halo in the sky's own
// colour and the brightest a four-pointed glint.
void PaintStar(CSceneCanvas& canvas, int x, int y, Ramp ramp, int brightness) {
    canvas.Paint(x, y, ramp, brightness);
    if (brightness >= 5) {
        for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
            PaintGlint(canvas, x + dx, y + dy, 4);
        }
    }
    if (brightness >= 7) {
        for (const auto& [dx, dy] : {std::pair{-2, 0}, {2, 0}, {0, -2}, {0, 2}}) {
            PaintGlint(canvas, x + dx, y + dy, 2);
        }
        for (const auto& [dx, dy] : {std::pair{-1, -1}, {1, -1}, {-1, 1}, {1, 1}}) {
            PaintGlint(canvas, x + dx, y + dy, 1);
        }
    }
}

// The nebula is thick with faint stars.
void PaintNebulaStars(CSceneCanvas& canvas) {
    CArtRandom random(kStarSeed + 1);
    for (int star = 0; star < 900; ++star) {
        const int x = random.Below(kWorldWidth);
        const int y = random.Between(kFirstStarRow, kGroundTop - 30);
        const int brightness = random.Between(2, 5);
        if (NebulaStrength(x, y) > 24 + random.Below(64)) {
            PaintGlint(canvas, x, y, brightness);
        }
    }
}

// Scattered stars: mostly faint glints, some single bright points, a few with a halo and a
// handful of brilliant ones. None in the rows under the energy bars.
void PaintStars(CSceneCanvas& canvas) {
    CArtRandom random(kStarSeed);
    constexpr int kStars = 520;
    for (int star = 0; star < kStars; ++star) {
        const int x = random.Below(kWorldWidth);
        const int y = random.Between(kFirstStarRow, kGroundTop - 30);
        const int roll = random.Below(1000);
        const Ramp ramp = random.Below(4) == 0 ? Ramp::WarmStar : Ramp::CoolStar;
        if (roll < 600) {
            PaintGlint(canvas, x, y, random.Between(3, 6));
        } else if (roll < 930) {
            PaintStar(canvas, x, y, ramp, random.Between(1, 4));
        } else if (roll < 990) {
            PaintStar(canvas, x, y, ramp, random.Between(5, 6));
        } else {
            PaintStar(canvas, x, y, Ramp::CoolStar, 8);
        }
    }
}

}  // namespace

void PaintSky(CSceneCanvas& canvas) {
    PaintNightGradient(canvas);
    PaintNebulaStars(canvas);
    PaintStars(canvas);
}
