// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/Sequence.h"

#include "render/Background.h"

namespace {

void DrawShips(const CBattleRound& round, const SceneArt& art, const ClientExtent& client,
               CSurface& target) {
    art.left.DrawShip(round.leftShip, art.background, client, target);
    art.right.DrawShip(round.rightShip, art.background, client, target);
}

// A shot that hit vanishes where it stood, and the bars lose what the hits took.
HitOutcome ResolveAndRepair(CBattleRound& round, const SceneArt& art, const ClientExtent& client,
                            CSurface& target) {
    const HitOutcome outcome = round.Resolve();
    for (const WorldPoint& shot : outcome.spentShots) {
        EraseShot(target, client, art.background, shot.x, shot.y);
    }
    if (outcome.anyHit) {
        CEnergyBars::BlankBars(target, client, art.background, outcome.leftEnergy,
                               outcome.rightEnergy);
    }
    return outcome;
}

}  // namespace

HitOutcome RunTick(CBattleRound& round, const SceneArt& art, const ClientExtent& client,
                   CSurface& target) {
    round.Advance();
    DrawShips(round, art, client, target);
    return ResolveAndRepair(round, art, client, target);
}

HitOutcome PaintScene(CBattleRound& round, const SceneArt& art, const ClientExtent& client,
                      CSurface& target) {
    DrawBackground(target, client, art.background);
    DrawShips(round, art, client, target);
    art.bars.DrawBars(target, client);
    CEnergyBars::BlankBars(target, client, art.background, round.leftShip.energy,
                           round.rightShip.energy);
    return ResolveAndRepair(round, art, client, target);
}
