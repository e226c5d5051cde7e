// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

// One scripted input of the headless simulator, applied before the tick it names.
struct ScriptEvent {
    enum class Kind { Pointer, Button, Key, NewRound, Paint, PadDirection, PadButton };

    int tick = 0;
    Kind kind = Kind::Button;
    int a = 0;  // pointer x, the virtual-key code, or a controller's side (PadSide)
    int b = 0;  // pointer y, or a controller's direction (PadDirection) or button (PadButton)
};

// Why a script could not be read: the 1-based line and what is wrong with it.
struct ScriptError {
    int line = 0;
    std::string message;
};

// Reads a whole input script, one event a line ("T pointer PX PY", "T button", "T key CODE",
// "T newround", "T paint", and for a controller of side left or right "T pad SIDE dir DIRECTION"
// with the directions up, upright, right, downright, down, downleft, left, upleft and centre,
// or "T pad SIDE button NAME" with the buttons south, east, west, north, rightshoulder, start
// and back; '#' starts a comment). The events come back sorted by tick, in file
// order within a tick.
std::variant<std::vector<ScriptEvent>, ScriptError> ParseInputScript(std::string_view text);
