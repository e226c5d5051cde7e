// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "battle/PlayerControls.h"

#include "battle/Binary64.h"

namespace {

// The doubles nearest to 1/600 and 1/400, by their bit patterns. The conversion divides by the
// product of the client size and these, not by the exact ratio, and its rounding decides the
// target.
const Binary64 kPointerScaleX = Binary64FromBits(0x3F5B4E81B4E81B4Fu);
const Binary64 kPointerScaleY = Binary64FromBits(0x3F647AE147AE147Bu);

// The client pixel p on an axis of `size` pixels, in world units: p / (size * scale), each step
// rounded to the nearest double, and then truncated toward zero.
int ToWorld(int p, int size, const Binary64& scale) {
    return TruncateToInt32(Divide(Binary64Of(p), Multiply(Binary64Of(size), scale)));
}

// Where a direction key sends the ship. Each coordinate is either an edge of the box or the
// ship's current coordinate.
enum class Aim { Low, Stay, High };

struct KeyAction {
    int virtualKey;
    Aim x;
    Aim y;
};

constexpr KeyAction kDirectionKeys[] = {
    {vk::kEnd, Aim::Low, Aim::High},      {vk::kHome, Aim::Low, Aim::Low},
    {vk::kLeft, Aim::Low, Aim::Stay},     {vk::kUp, Aim::Stay, Aim::Low},
    {vk::kRight, Aim::High, Aim::Stay},   {vk::kDown, Aim::Stay, Aim::High},
    {vk::kInsert, Aim::Stay, Aim::Stay},  {vk::kNumpad0, Aim::Stay, Aim::Stay},
    {vk::kNumpad1, Aim::Low, Aim::High},  {vk::kNumpad2, Aim::Stay, Aim::High},
    {vk::kNumpad3, Aim::High, Aim::High}, {vk::kNumpad4, Aim::Low, Aim::Stay},
    {vk::kNumpad6, Aim::High, Aim::Stay}, {vk::kNumpad7, Aim::Low, Aim::Low},
    {vk::kNumpad8, Aim::Stay, Aim::Low},  {vk::kNumpad9, Aim::High, Aim::Low},
};

int AimAt(Aim aim, int current, int low, int high) {
    switch (aim) {
        case Aim::Low:
            return low;
        case Aim::High:
            return high;
        case Aim::Stay:
            break;
    }
    return current;
}

}  // namespace

ControlResult MovePointer(CBattleRound& round, int px, int py, int width, int height) {
    CShip& ship = round.leftShip;
    if (ship.computer) {
        return ControlResult::Ignored;
    }
    // A minimised window has no client area to measure the pointer against.
    if (width <= 0 || height <= 0) {
        return ControlResult::Handled;
    }
    ship.targetX = ToWorld(px, width, kPointerScaleX);
    ship.targetY = ToWorld(py, height, kPointerScaleY);
    return ControlResult::Handled;
}

ControlResult PressLeftButton(CBattleRound& round) {
    CShip& ship = round.leftShip;
    if (ship.computer) {
        return ControlResult::Ignored;
    }
    ship.Fire();
    return ControlResult::Handled;
}

namespace {

// The key table acting on one ship: the space bar fires, a direction key sends the ship towards a
// corner or an edge of its own box or stops it where it is.
ControlResult PressKeyFor(CShip& ship, int virtualKey) {
    if (ship.computer) {
        return ControlResult::Ignored;
    }
    if (virtualKey == vk::kSpace) {
        ship.Fire();
        return ControlResult::Handled;
    }
    for (const KeyAction& action : kDirectionKeys) {
        if (action.virtualKey == virtualKey) {
            // Both coordinates from the position at the moment of the press, written together.
            const int newX = AimAt(action.x, ship.x, ship.minX, ship.maxX);
            const int newY = AimAt(action.y, ship.y, ship.minY, ship.maxY);
            ship.targetX = newX;
            ship.targetY = newY;
            break;
        }
    }
    return ControlResult::Handled;
}

}  // namespace

ControlResult PressKey(CBattleRound& round, int virtualKey) {
    return PressKeyFor(round.rightShip, virtualKey);
}

ControlResult PressLeftShipKey(CBattleRound& round, int virtualKey) {
    return PressKeyFor(round.leftShip, virtualKey);
}
