// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "battle/HitResolution.h"

#include <cstdlib>

#include "battle/Sides.h"

namespace {

// How close a shot must come to hurt, and what it does there. The rebels' bolts reach
// further and hit harder than the emperor's missiles.
struct HitWindow {
    int reachX;      // hit while |dx| < reachX
    int reachY;      // and |dy| < reachY
    int damageBase;  // damage = damageBase - |dx| - |dy|
};

constexpr HitWindow kLeftShotWindow{45, 15, 65};
constexpr HitWindow kRightShotWindow{60, 15, 80};

// One shot against one ship. A shot that has left the live band is out of play: a bolt
// resting just beyond the left edge must not hurt a ship flying along that edge.
//
// The three conditions are combined without branches: which of them fails changes from tick to
// tick as shots pass the ship, while a hit is rare.
void TestShot(WorldPoint& shot, const HitWindow& window, CShip& target, HitOutcome& outcome) {
    const int dx = std::abs(shot.x - target.x);
    const int dy = std::abs(shot.y - target.y);
    if (!(IsInFlight(shot) & (dx < window.reachX) & (dy < window.reachY))) {
        return;
    }
    target.energy = target.energy - (window.damageBase - dx - dy);
    outcome.spentShots.Append(shot);
    shot.x = kSpentShotX;
    outcome.anyHit = true;
}

}  // namespace

HitOutcome ResolveHits(CEmperorShip& left, CRebelShip& right) {
    HitOutcome outcome;
    for (int i = 0; i < kShotSlots; ++i) {
        TestShot(left.shots[i], kLeftShotWindow, right, outcome);
        TestShot(right.shots[i], kRightShotWindow, left, outcome);
    }
    // Energy may dip below 0 during the tests; only the final value is floored.
    if (left.energy < 0) {
        left.energy = 0;
    }
    if (right.energy < 0) {
        right.energy = 0;
    }
    outcome.leftEnergy = left.energy;
    outcome.rightEnergy = right.energy;
    return outcome;
}
