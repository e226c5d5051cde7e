// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "Support.h"
#include "battle/Ship.h"
#include "render/EnergyBars.h"
#include "render/SceneArt.h"
#include "render/SpriteSet.h"

// Sprites as the art has them: a diamond where the mask is `opaque`, elsewhere the mask `clear`
// and the image black but for a few stray pixels that the OR lays over the background.
inline CSpriteSet MakeSide(int family) {
    QImage images[4];
    const struct {
        int w, h;
        QRgb clear, opaque;
    } kinds[] = {{53, 21, 0xFFFCFCFC, 0xFF040404}, {20, 10, 0xFFFFFFFF, 0xFF000000}};
    for (int k = 0; k < 2; ++k) {
        const auto [w, h, clear, opaque] = kinds[k];
        QImage& image = images[2 * k] = Pattern(w, h, family + k);
        QImage& mask = images[2 * k + 1] = QImage(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool inside =
                    std::abs(2 * x - w + 1) * h + std::abs(2 * y - h + 1) * w <= w * h;
                mask.setPixel(x, y, inside ? opaque : clear);
                if (!inside && (x + y) % 7 != 0) {
                    image.setPixel(x, y, qRgb(0, 0, 0));
                }
            }
        }
    }
    return CSpriteSet(images[0], images[1], images[2], images[3]);
}

// Art in which every picture has colours of its own family.
struct SyntheticArt {
    QImage background = Pattern(600, 400, 8);
    CSpriteSet left = MakeSide(4);
    CSpriteSet right = MakeSide(6);
    CEnergyBars bars{Pattern(290, 20, 10), Pattern(290, 20, 11)};

    SceneArt View() const { return {background, left, right, bars}; }
};

// Standing at its target, so that a step moves only its shots.
inline void Place(CShip& ship, WorldPoint at) {
    ship.x = ship.targetX = at.x;
    ship.y = ship.targetY = at.y;
}

template <typename Ship>
Ship ShipAt(int x, int y, std::vector<WorldPoint> shots = {}) {
    Ship ship;
    Place(ship, {x, y});
    std::copy(shots.begin(), shots.end(), ship.shots.begin());
    return ship;
}
