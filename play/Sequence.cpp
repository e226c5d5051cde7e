// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/Sequence.h"

#include "render/Background.h"

namespace {

// The drawing steps of a battle that is shown, each reading the battle or an outcome.
struct Shown {
    const SceneArt& art;
    const ClientExtent& client;
    CSurface& target;

    void Ships(const CBattleRound& round) const {
        art.left.DrawShip(round.leftShip, art.background, client, target);
        art.right.DrawShip(round.rightShip, art.background, client, target);
    }

    void Whole(const CBattleRound& round) const {
        DrawBackground(target, client, art.background);
        Ships(round);
        art.bars.DrawBars(target, client);
        CEnergyBars::BlankBars(target, client, art.background, round.leftShip.energy,
                               round.rightShip.energy);
    }

    // A shot that hit vanishes where it stood, and the bars lose what the hits took.
    void Repairs(const HitOutcome& outcome) const {
        for (const WorldPoint& shot : outcome.spentShots) {
            EraseShot(target, client, art.background, shot.x, shot.y);
        }
        if (outcome.anyHit) {
            CEnergyBars::BlankBars(target, client, art.background, outcome.leftEnergy,
                                   outcome.rightEnergy);
        }
    }
};

// A battle that is not shown takes the same steps and draws nothing.
struct Unseen {
    void Ships(const CBattleRound&) const {}
    void Whole(const CBattleRound&) const {}
    void Repairs(const HitOutcome&) const {}
};

template <typename Drawing>
HitOutcome ResolveAndRepair(CBattleRound& round, const Drawing& drawing) {
    const HitOutcome outcome = round.Resolve();
    drawing.Repairs(outcome);
    return outcome;
}

template <typename Drawing>
HitOutcome Tick(CBattleRound& round, const Drawing& drawing) {
    round.Advance();
    drawing.Ships(round);
    return ResolveAndRepair(round, drawing);
}

template <typename Drawing>
HitOutcome FullPaint(CBattleRound& round, const Drawing& drawing) {
    drawing.Whole(round);
    return ResolveAndRepair(round, drawing);
}

}  // namespace

HitOutcome RunTick(CBattleRound& round, const SceneArt& art, const ClientExtent& client,
                   CSurface& target) {
    return Tick(round, Shown{art, client, target});
}

HitOutcome PaintScene(CBattleRound& round, const SceneArt& art, const ClientExtent& client,
                      CSurface& target) {
    return FullPaint(round, Shown{art, client, target});
}

HitOutcome RunTickUnseen(CBattleRound& round) {
    return Tick(round, Unseen{});
}

HitOutcome PaintSceneUnseen(CBattleRound& round) {
    return FullPaint(round, Unseen{});
}
