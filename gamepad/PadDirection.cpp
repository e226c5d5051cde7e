// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamepad/PadDirection.h"

#include <cstdint>
#include <cstdlib>

#include "battle/PlayerControls.h"

namespace {

// The sectors' borders lie 22.5 degrees either side of an axis: a point is on the axis's side
// when its other coordinate is below tan(22.5 degrees) = 0.41421356... times its own. No point
// with integer coordinates but the middle lies on a border, so the ratio's last digits decide
// nothing.
constexpr std::int64_t kTanNumerator = 41421356;
constexpr std::int64_t kTanDenominator = 100000000;

bool Within(std::int64_t across, std::int64_t along) {
    return across * kTanDenominator < along * kTanNumerator;
}

// The direction of one step in x and one in y, each -1, 0 or 1.
PadDirection DirectionOfSteps(int dx, int dy) {
    static constexpr PadDirection kByStep[3][3] = {
        {PadDirection::UpLeft, PadDirection::Left, PadDirection::DownLeft},
        {PadDirection::Up, PadDirection::Centre, PadDirection::Down},
        {PadDirection::UpRight, PadDirection::Right, PadDirection::DownRight},
    };
    return kByStep[dx + 1][dy + 1];
}

int Sign(std::int64_t v) {
    return (v > 0) - (v < 0);
}

}  // namespace

PadDirection DirectionOfStick(int x, int y) {
    const std::int64_t wideX = x;
    const std::int64_t wideY = y;
    const std::int64_t deadZone = kStickDeadZone;
    if (wideX * wideX + wideY * wideY <= deadZone * deadZone) {
        return PadDirection::Centre;
    }
    const std::int64_t ax = std::llabs(wideX);
    const std::int64_t ay = std::llabs(wideY);
    const int dx = Within(ax, ay) ? 0 : Sign(wideX);
    const int dy = Within(ay, ax) ? 0 : Sign(wideY);
    return DirectionOfSteps(dx, dy);
}

PadDirection DirectionOfDpad(bool up, bool down, bool left, bool right) {
    return DirectionOfSteps(int{right} - int{left}, int{down} - int{up});
}

int KeypadKeyOf(PadDirection direction) {
    switch (direction) {
        case PadDirection::Up:
            return vk::kNumpad8;
        case PadDirection::UpRight:
            return vk::kNumpad9;
        case PadDirection::Right:
            return vk::kNumpad6;
        case PadDirection::DownRight:
            return vk::kNumpad3;
        case PadDirection::Down:
            return vk::kNumpad2;
        case PadDirection::DownLeft:
            return vk::kNumpad1;
        case PadDirection::Left:
            return vk::kNumpad4;
        case PadDirection::UpLeft:
            return vk::kNumpad7;
        case PadDirection::Centre:
            break;
    }
    return 0;
}
