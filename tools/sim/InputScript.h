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
    enum class Kind { Pointer, Button, Key, NewRound, Paint };

    int tick = 0;
    Kind kind = Kind::Button;
    int a = 0;  // pointer x, or the virtual-key code
    int b = 0;  // pointer y
};

// Why a script could not be read: the 1-based line and what is wrong with it.
struct ScriptError {
    int line = 0;
    std::string message;
};

// Reads a whole input script, one event a line ("T pointer PX PY", "T button", "T key CODE",
// "T newround", "T paint"; '#' starts a comment). The events come back sorted by tick, in file
// order within a tick.
std::variant<std::vector<ScriptEvent>, ScriptError> ParseInputScript(std::string_view text);
