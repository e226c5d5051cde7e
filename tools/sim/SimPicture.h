// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <string>

#include "battle/BattleRound.h"
#include "render/ClientExtent.h"
#include "render/GameArt.h"
#include "render/Surface.h"

// The picture of a simulated battle, kept exactly as the game window keeps it: one surface of
// the client size that full paints and ticks draw into, never redrawn as a whole between paints.
// Nothing shows it piece by piece, so its record of drawn rectangles is never read or cleared:
// whenever it fills up, it folds what it holds into their bounds, without allocating.
class CSimPicture {
public:
    CSimPicture(int width, int height);

    // The whole picture anew, as after an expose or a resize (its hit resolution included).
    void PaintAll(CBattleRound& round);

    // One tick of the battle with its drawing.
    HitOutcome Tick(CBattleRound& round);

    // Writes the picture as an 8-bit RGB PNG; false when it cannot be written.
    bool WritePng(const std::string& path) const;

    const QImage& Image() const { return surface.Image(); }

private:
    GameArt art;
    ClientExtent extent;
    CSurface surface;
};
