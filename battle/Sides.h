// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "battle/Ship.h"

// The emperor's ship on the left: grey, its missiles fly right.
class CEmperorShip : public CShip {
public:
    static constexpr SideConstants kSide{31, 36, 260, 280, {170, 383}, {170, 200}, +10};

    CEmperorShip() : CShip(kSide) {}
    void Reset() { ResetTo(kSide); }
};

// The rebels' ship on the right: red, its bolts fly left.
class CRebelShip : public CShip {
public:
    static constexpr SideConstants kSide{330, 36, 560, 280, {426, 380}, {426, 200}, -10};

    CRebelShip() : CShip(kSide) {}
    void Reset() { ResetTo(kSide); }
};
