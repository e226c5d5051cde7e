// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamepad/PadControls.h"

namespace {

ControlResult PressSideKey(CBattleRound& round, PadSide side, int virtualKey) {
    return side == PadSide::Left ? PressLeftShipKey(round, virtualKey)
                                 : PressKey(round, virtualKey);
}

}  // namespace

ControlResult SteerWithPad(CBattleRound& round, PadSide side, PadDirection direction) {
    const int key = KeypadKeyOf(direction);
    if (key == 0) {
        return ControlResult::Handled;
    }
    return PressSideKey(round, side, key);
}

PadCommand PressPadButton(CBattleRound& round, PadSide side, PadButton button) {
    switch (button) {
        case PadButton::South:
        case PadButton::RightShoulder:
            if (side == PadSide::Left) {
                PressLeftButton(round);
            } else {
                PressKey(round, vk::kSpace);
            }
            break;
        case PadButton::West:
            PressSideKey(round, side, vk::kNumpad0);
            break;
        case PadButton::Start:
            return PadCommand::NewGame;
        case PadButton::East:
        case PadButton::North:
        case PadButton::Back:
        case PadButton::Other:
            break;
    }
    return PadCommand::None;
}
