// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamepad/PadSteering.h"

std::optional<PadDirection> CPadSteering::SetArrow(Arrow arrow, bool held) {
    switch (arrow) {
        case Arrow::Up:
            up = held;
            break;
        case Arrow::Down:
            down = held;
            break;
        case Arrow::Left:
            left = held;
            break;
        case Arrow::Right:
            right = held;
            break;
    }
    return Changed();
}

std::optional<PadDirection> CPadSteering::SetStick(int x, int y) {
    stick = {x, y};
    return Changed();
}

std::optional<PadDirection> CPadSteering::Changed() {
    const PadDirection dpad = DirectionOfDpad(up, down, left, right);
    const PadDirection now =
        dpad != PadDirection::Centre ? dpad : DirectionOfStick(stick.x, stick.y);
    if (now == pointing) {
        return std::nullopt;
    }
    pointing = now;
    if (now == PadDirection::Centre) {
        return std::nullopt;
    }
    return now;
}
