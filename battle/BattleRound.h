// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "battle/HitResolution.h"
#include "battle/Sides.h"

// The whole state of the game apart from its picture: the two ships and the three operations
// with which the main window drives them.
class CBattleRound {
public:
    CEmperorShip leftShip;
    CRebelShip rightShip;

    // Both ships back at their start positions with full energy; computer flags, boxes stay.
    void NewRound();

    // One tick of the model: the left ship steps first, so its random draws come first.
    void Advance();

    HitOutcome Resolve();
};
