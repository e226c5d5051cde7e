// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <deque>
#include <optional>

#include "gamepad/PadControls.h"

// Which controller flies which side. The first controller connected takes the left ship, the
// second the right; a further one waits, ignored, and takes the first side that its owner's
// controller leaves. A side left by an unplugged controller, with none waiting, goes to the next
// one plugged in. Controllers are known by the identifier the controller library gives them.
class CPadSeats {
public:
    // A newly connected controller takes the free side, the left one first, or waits.
    void Connect(int controller);

    // An unplugged controller leaves its side, or its place in the queue.
    void Disconnect(int controller);

    // The side the controller flies; none while it waits or is unknown.
    std::optional<PadSide> SideOf(int controller) const;

private:
    std::array<std::optional<int>, 2> seats;  // left, right
    std::deque<int> waiting;
};
