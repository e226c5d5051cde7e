// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The eight directions a controller's d-pad or stick can point, and its centre.
enum class PadDirection { Centre, Up, UpRight, Right, DownRight, Down, DownLeft, Left, UpLeft };

// The stick's axes run from -32768 to 32767, x to the right and y downwards. Within the dead
// zone around the middle the stick is at its centre; beyond it, it points in the direction of
// the eight whose 45-degree sector holds it.
inline constexpr int kStickDeadZone = 8000;
PadDirection DirectionOfStick(int x, int y);

// The d-pad's pressed arrows, two neighbours making a diagonal; opposite arrows cancel.
PadDirection DirectionOfDpad(bool up, bool down, bool left, bool right);

// The keypad key that points the same way (keypad 8 for up, keypad 9 for up and right, ...); 0
// for the centre.
int KeypadKeyOf(PadDirection direction);
