// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "battle/BattleRound.h"
#include "battle/PlayerControls.h"
#include "gamepad/PadDirection.h"

// What a controller does in the battle, as the same player-control calls the keys make: its
// directions are the keypad's eight, acting on its own side's ship and box; fire and halt are the
// space bar and keypad 0, and for the left ship fire is the left button's. A computer-driven
// side ignores its controller as it ignores the keyboard and the mouse.

enum class PadSide { Left, Right };

// The buttons the game gives a meaning, by their place on the controller (south is A on an Xbox
// layout, west is X); Other stands for every other button.
enum class PadButton { South, East, West, North, RightShoulder, Start, Back, Other };

// What a button asks of the window beyond the battle.
enum class PadCommand { None, NewGame };

// A new direction of a controller's d-pad or stick sends its ship as the keypad key of that
// direction does. The centre changes nothing.
ControlResult SteerWithPad(CBattleRound& round, PadSide side, PadDirection direction);

// A press of a button: south and the right shoulder fire, west halts the ship where it is, and
// Start asks for a new game, as the menu's "Nova" does. The rest do nothing.
PadCommand PressPadButton(CBattleRound& round, PadSide side, PadButton button);
