// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

#include "battle/Ship.h"

class CEmperorShip;
class CRebelShip;

// The shots spent in one resolution, in detection order: at most one per slot and side.
class SpentShots {
public:
    static constexpr std::size_t kCapacity = 2 * kShotSlots;

    // The points are left unset (the union keeps WorldPoint's own initialisers from running):
    // only appended ones are ever read, and a resolution runs on every tick, mostly with
    // nothing to append.
    SpentShots() {}

    void Append(const WorldPoint& point) { points_[count_++] = point; }
    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    const WorldPoint& operator[](std::size_t i) const { return points_[i]; }
    const WorldPoint* begin() const { return points_; }
    const WorldPoint* end() const { return points_ + count_; }

private:
    union {
        WorldPoint points_[kCapacity];
    };
    std::size_t count_ = 0;
};

// What one hit resolution did, for the window to repaint: where each spent shot stood, whether
// anything hit, and both energies after the floor at 0.
struct HitOutcome {
    SpentShots spentShots;
    bool anyHit = false;
    int leftEnergy = 0;
    int rightEnergy = 0;
};

// A spent shot is parked here, outside the live band, so its slot is free again.
inline constexpr int kSpentShotX = 900;

// Tests every shot in flight against the opposing ship, slot by slot, the left ship's shot
// before the right ship's; a hit lowers the target's energy by a damage that shrinks with
// the distance and parks the shot. Energies are floored at 0 once, after all tests.
HitOutcome ResolveHits(CEmperorShip& left, CRebelShip& right);
