// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include "render/EnergyBars.h"
#include "render/SpriteSet.h"

// Everything a scene is drawn from, owned elsewhere: the background of the whole world, each
// side's sprites and the energy bar panel.
struct SceneArt {
    const QImage& background;
    const CSpriteSet& left;
    const CSpriteSet& right;
    const CEnergyBars& bars;
};
