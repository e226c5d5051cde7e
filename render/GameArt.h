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

// The game's own art, loaded by identifier from the packaged resources as the main window
// loads it: what the headless simulator, the tests and the benchmarks draw with. An image that
// cannot be loaded stays null and draws nothing.
struct GameArt {
    QImage background = LoadBitmapById(kBackgroundBitmap);
    CSpriteSet left{kEmperorSpriteIds};
    CSpriteSet right{kRebelSpriteIds};
    CEnergyBars bars;

    SceneArt View() const { return {background, left, right, bars}; }
};
