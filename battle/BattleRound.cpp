// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "battle/BattleRound.h"

void CBattleRound::NewRound() {
    leftShip.Reset();
    rightShip.Reset();
}

void CBattleRound::Advance() {
    leftShip.Step();
    rightShip.Step();
}

HitOutcome CBattleRound::Resolve() {
    return ResolveHits(leftShip, rightShip);
}
