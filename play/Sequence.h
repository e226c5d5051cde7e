// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "battle/BattleRound.h"
#include "battle/HitResolution.h"
#include "render/ClientExtent.h"
#include "render/SceneArt.h"
#include "render/Surface.h"

// The order of play: what one tick and one full paint do to the battle and to its picture, step
// by step. The battle changes only here, between the drawing steps, which only read it.

// One tick: the model advances, both ships are drawn over their old images (the left ship first,
// so the right side's tiles cover the left side's where they meet), hits are resolved, each spent
// shot is erased and, after a hit, the bars are blanked. Only the tiles and patches are drawn,
// never the whole scene; the target records each. Returns the hit resolution's outcome.
HitOutcome RunTick(CBattleRound& round, const SceneArt& art, const ClientExtent& client,
                   CSurface& target);

// The whole picture, without advancing the model: background, both ships, both bars, then a
// hit resolution with the same repairs as a tick. The bars are blanked for the current energies
// right after they are drawn, so a repaint never shows a damaged ship with a full bar.
HitOutcome PaintScene(CBattleRound& round, const SceneArt& art, const ClientExtent& client,
                      CSurface& target);

// The same steps for a battle that nobody sees, such as the simulator's without a picture: the
// battle goes exactly as it goes when shown, and nothing is drawn.
HitOutcome RunTickUnseen(CBattleRound& round);
HitOutcome PaintSceneUnseen(CBattleRound& round);
