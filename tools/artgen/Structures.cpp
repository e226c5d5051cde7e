// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/artgen/Structures.h"

#include <algorithm>

int RoundShade(int offset, int width) {
    if (width <= 1) {
        return 0;
    }
    const int t = offset * 256 / (width - 1);
    constexpr int kPeak = 80;
    if (t < kPeak) {
        return 40 + t * 40 / kPeak;
    }
    return 80 - (t - kPeak) * 176 / (256 - kPeak);
}

void PaintBlock(CSceneCanvas& canvas, Ramp ramp, SceneBox box, int level, int roof) {
    const int height = box.bottom - box.top;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            int shade = level * 16 - (y - box.top) * 40 / height;
            if (y < box.top + roof) {
                shade = (level + 5) * 16 - (y - box.top) * 16;
            } else if (x == box.left) {
                shade += 40;
            } else if (x >= box.right - 2) {
                shade -= 56;
            }
            canvas.PaintDithered(x, y, ramp, shade);
        }
    }
    for (int x = box.left; x < box.right; ++x) {
        canvas.Paint(x, box.top + roof, ramp, level - 3);  // the roof's overhang shadow
    }
}

void PaintShaft(CSceneCanvas& canvas, Ramp ramp, const Shaft& shaft, int level) {
    const int height = std::max(1, shaft.bottom - shaft.top);
    for (int y = shaft.top; y < shaft.bottom; ++y) {
        const int along = y - shaft.top;
        const int left = shaft.leftAtTop + (shaft.leftAtBottom - shaft.leftAtTop) * along / height;
        const int right =
            shaft.rightAtTop + (shaft.rightAtBottom - shaft.rightAtTop) * along / height;
        for (int x = left; x < right; ++x) {
            canvas.PaintDithered(x, y, ramp, level * 16 + RoundShade(x - left, right - left) - 40);
        }
    }
}

void PaintDome(CSceneCanvas& canvas, Ramp ramp, int centreX, int baseY, int radiusX, int radiusY,
               int level) {
    for (int dy = -radiusY; dy < 0; ++dy) {
        for (int dx = -radiusX; dx <= radiusX; ++dx) {
            const int distance =
                dx * dx * 256 / (radiusX * radiusX) + dy * dy * 256 / (radiusY * radiusY);
            if (distance >= 256) {
                continue;
            }
            // Brightest towards the upper left of the dome, darkest at its lower right.
            const int towardsLight = (-dx * 256 / radiusX - dy * 256 / radiusY) / 2;
            const int rim = distance > 200 ? -16 : 0;
            canvas.PaintDithered(centreX + dx, baseY + dy, ramp,
                                 level * 16 + towardsLight * 80 / 256 + rim);
        }
    }
}

void PaintLamp(CSceneCanvas& canvas, int x, int y, int level) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if ((dx != 0 || dy != 0) && canvas.Contains(x + dx, y + dy) &&
                canvas.RampAt(x + dx, y + dy) != Ramp::Lamp) {
                canvas.Lighten(x + dx, y + dy, (dx == 0 || dy == 0) ? 2 : 1);
            }
        }
    }
    canvas.Paint(x, y, Ramp::Lamp, level);
}

void PaintCastShadow(CSceneCanvas& canvas, int left, int right, int baseY, int length) {
    for (int row = 0; row < length; ++row) {
        const int y = baseY + row;
        for (int x = left + row * 2; x < right + row * 2; ++x) {
            if (canvas.Contains(x, y) && canvas.RampAt(x, y) == Ramp::Ground) {
                canvas.Lighten(x, y, row < length / 2 ? -3 : -2);
            }
        }
    }
}
