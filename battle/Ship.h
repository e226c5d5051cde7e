// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

// A point of the world: 600 x 400 units, x rightwards, y downwards.
struct WorldPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const WorldPoint&, const WorldPoint&) = default;
};

inline constexpr int kWorldWidth = 600;
inline constexpr int kWorldHeight = 400;

inline constexpr int kShotSlots = 5;

// A shot slot is in flight while its x lies strictly between these two values; every other x
// marks a free slot.
inline constexpr int kLiveBandLow = -20;
inline constexpr int kLiveBandHigh = 620;

inline constexpr bool IsInFlight(const WorldPoint& shot) {
    return shot.x > kLiveBandLow && shot.x < kLiveBandHigh;
}

inline constexpr int kFullEnergy = 500;
inline constexpr int kMaxReload = 10;
inline constexpr int kReloadToFire = 5;

// Where a ship starts, flies and shoots: the fixed numbers that tell the two sides apart.
struct SideConstants {
    int minX, minY, maxX, maxY;  // the movement box
    WorldPoint start;            // below the box: a new round begins with the climb into it
    WorldPoint firstTarget;
    int shotStep;  // x displacement of a shot per step; also fixes the launch offset
};

// One combatant: a point flying towards its target inside its movement box, five shot slots,
// a reload counter and an energy value. The same record serves both sides; a side is either
// steered by a person (target and Fire from the controls) or by the computer (Step decides).
class CShip {
public:
    int x = 0, y = 0;
    int targetX = 0, targetY = 0;
    int shotStep = 0;
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool computer = false;
    int energy = 0;
    int reload = 0;
    std::array<WorldPoint, kShotSlots> shots{};

    // One tick of the model: arrival, movement, reloading, shots in flight.
    void Step();

    // Launches a shot into the lowest free slot, if the reload counter allows it.
    void Fire();

    // The computer's choice of a new target point inside the movement box.
    void PickNewTarget();

protected:
    // Sets the box, the start position, the first target, the shot step and parks every shot;
    // energy, reload, the shots' y and the computer flag wait for Reset and the owner.
    explicit CShip(const SideConstants& side);

    void ResetTo(const SideConstants& side);

private:
    static void MoveAxis(int& position, int target, int low, int high);
    int LowestFreeSlot() const;
};
