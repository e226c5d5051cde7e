// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "battle/BattleRound.h"

// Both ships standing at their targets, driven by people so that no random target moves them,
// with all ten shots in flight. The next tick draws both ships and all ten shots, and the
// left ship's last missile then strikes the rebels' ship: the shot is erased and the bars are
// blanked. Running the tick again from this same state repeats exactly that work.
inline CBattleRound BusyRoundWithHit() {
    CBattleRound round;
    round.NewRound();
    round.leftShip.computer = false;
    round.rightShip.computer = false;
    round.leftShip.x = round.leftShip.targetX = 150;
    round.leftShip.y = round.leftShip.targetY = 150;
    round.rightShip.x = round.rightShip.targetX = 450;
    round.rightShip.y = round.rightShip.targetY = 250;
    // Spread over the field, each well outside the opposing ship's hit window...
    for (int i = 0; i < kShotSlots; ++i) {
        round.leftShip.shots[i] = {200 + 50 * i, 40 + 20 * i};
        round.rightShip.shots[i] = {400 - 60 * i, 190 + 20 * i};
    }
    // ...except this missile, which the step carries to 40 units left of the rebels' ship.
    round.leftShip.shots[kShotSlots - 1] = {400, 250};
    return round;
}
