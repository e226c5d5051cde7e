// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "gamepad/PadDirection.h"

// The direction one controller points, from its d-pad and its left stick: the d-pad's while one
// of its arrows is held, the stick's otherwise. A direction acts once, when the controller comes
// to point it, as one press of a key; holding it does not repeat, and returning to the centre
// changes nothing.
struct StickPosition {
    int x = 0;
    int y = 0;
};

class CPadSteering {
public:
    enum class Arrow { Up, Down, Left, Right };

    // The new direction when this change makes the controller point a new one, other than the
    // centre.
    std::optional<PadDirection> SetArrow(Arrow arrow, bool held);
    std::optional<PadDirection> SetStick(int x, int y);

    StickPosition Stick() const { return stick; }

private:
    std::optional<PadDirection> Changed();

    bool up = false;
    bool down = false;
    bool left = false;
    bool right = false;
    StickPosition stick;
    PadDirection pointing = PadDirection::Centre;
};
