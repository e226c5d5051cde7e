// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "battle/Ship.h"

#include <cstdlib>

#include "battle/Random.h"

namespace {

// Free slots are parked here after construction and Reset.
constexpr WorldPoint kParkedShot{kLiveBandLow, 0};

// Both coordinates within this distance of the target count as arrived.
constexpr int kArrivalReach = 3;

constexpr int kMoveStep = 3;

// Only a free slot fired at least once (its y keeps the ship's height then) makes the
// computer fire again; a slot never fired since Reset has y = 0.
constexpr int kRefireMinY = 10;

}  // namespace

CShip::CShip(const SideConstants& side)
    : x(side.start.x),
      y(side.start.y),
      targetX(side.firstTarget.x),
      targetY(side.firstTarget.y),
      shotStep(side.shotStep),
      minX(side.minX),
      minY(side.minY),
      maxX(side.maxX),
      maxY(side.maxY) {
    for (WorldPoint& shot : shots) {
        shot.x = kLiveBandLow;
    }
}

void CShip::ResetTo(const SideConstants& side) {
    energy = kFullEnergy;
    x = side.start.x;
    y = side.start.y;
    targetX = side.firstTarget.x;
    targetY = side.firstTarget.y;
    shots.fill(kParkedShot);
    shotStep = side.shotStep;
    reload = 0;
}

void CShip::Step() {
    // Arrival is judged on the position before this step's move.
    if (std::abs(x - targetX) < kArrivalReach && std::abs(y - targetY) < kArrivalReach &&
        computer) {
        PickNewTarget();
        Fire();
    }

    MoveAxis(x, targetX, minX, maxX);
    MoveAxis(y, targetY, minY, maxY);

    if (reload < kMaxReload) {
        reload = reload + 1;
    }

    // Each slot is judged on its x when the pass reaches it; a shot launched during the pass
    // lands in this or an earlier slot and so first moves in the next step.
    for (WorldPoint& shot : shots) {
        if (IsInFlight(shot)) {
            shot.x = shot.x + shotStep;
        } else if (shot.y > kRefireMinY && computer) {
            Fire();
        }
    }
}

// Two tests in sequence, the second seeing the first's result, each comparing the position
// before its own move with the box edge: a ship can end up to 2 units past an edge, and a
// target off the 3-unit lattice makes it settle just below the target value.
//
// Each test selects its step without a branch: on a computer-driven side their outcomes follow
// random targets, and mispredicted branches cost more than the whole move.
void CShip::MoveAxis(int& position, int target, int low, int high) {
    const bool increase = (position < target) & (position < high);
    position = position + (increase ? kMoveStep : 0);
    const bool decrease = (position > target) & (position > low);
    position = position - (decrease ? kMoveStep : 0);
}

void CShip::Fire() {
    if (reload < kReloadToFire) {
        return;
    }
    const int slot = LowestFreeSlot();
    if (slot < 0) {
        return;
    }
    shots[slot].y = y;
    shots[slot].x = x + 2 * shotStep;
    reload = 0;
}

int CShip::LowestFreeSlot() const {
    for (int i = 0; i < kShotSlots; ++i) {
        if (!IsInFlight(shots[i])) {
            return i;
        }
    }
    return -1;
}

void CShip::PickNewTarget() {
    // Two draws, x first.
    targetX = minX + RandomIndex(maxX - minX);
    targetY = minY + RandomIndex(maxY - minY);
}
