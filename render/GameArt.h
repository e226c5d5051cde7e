// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include "render/EnergyBars.h"
#include "render/ImageLoader.h"
#include "render/SceneArt.h"
#include "render/SpriteSet.h"
#include "resources/ResourceIds.h"

// The game's own art, loaded by identifier from the packaged resources: what the main window,
// the headless simulator, the tests and the benchmarks draw with. An image that cannot be
// loaded stays null and draws nothing.
struct GameArt {
    // When the background is loaded: with the rest, or later by its owner, as the main window
    // loads it once its menu is attached.
    enum class Background { WithTheRest, Later };

    // Loads the background unless it comes later, then the left side's sprites, the right
    // side's and the bars.
    explicit GameArt(Background when = Background::WithTheRest)
        : background(when == Background::WithTheRest ? LoadBitmapById(kBackgroundBitmap)
                                                     : QImage()) {}

    void LoadBackground() { background = LoadBitmapById(kBackgroundBitmap); }

    QImage background;
    CSpriteSet left{kEmperorSpriteIds};
    CSpriteSet right{kRebelSpriteIds};
    CEnergyBars bars;

    SceneArt View() const { return {background, left, right, bars}; }
};
