// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "battle/BattleRound.h"

// The rules by which a person steers: the pointer sets the left ship's target, the left button
// fires it, and keys set the right ship's target or fire it. The window translates its input
// events into these calls; a computer-driven side ignores its controls completely.

// What the window does after a control: Ignored means the side is computer-driven and the
// input is swallowed whole; Handled means the rule ran and the input goes on to the default
// processing.
enum class ControlResult { Ignored, Handled };

// The pointer at client pixel (px, py) of a client area of width x height pixels becomes the
// left ship's target, converted to world units in double precision and truncated toward zero.
// The target is not clamped: the movement box alone limits the ship. An empty client area
// leaves the target as it was.
ControlResult MovePointer(CBattleRound& round, int px, int py, int width, int height);

// The left button fires the left ship, if its reload counter and slots allow it.
ControlResult PressLeftButton(CBattleRound& round);

// Virtual-key codes of the keys that steer or fire the right ship.
namespace vk {
inline constexpr int kSpace = 0x20;
inline constexpr int kPrior = 0x21;  // Page Up: no action
inline constexpr int kNext = 0x22;   // Page Down: no action
inline constexpr int kEnd = 0x23;
inline constexpr int kHome = 0x24;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kInsert = 0x2D;
inline constexpr int kClear = 0x0C;  // keypad 5 without Num Lock: no action
inline constexpr int kNumpad0 = 0x60;
inline constexpr int kNumpad1 = 0x61;
inline constexpr int kNumpad2 = 0x62;
inline constexpr int kNumpad3 = 0x63;
inline constexpr int kNumpad4 = 0x64;
inline constexpr int kNumpad5 = 0x65;  // no action
inline constexpr int kNumpad6 = 0x66;
inline constexpr int kNumpad7 = 0x67;
inline constexpr int kNumpad8 = 0x68;
inline constexpr int kNumpad9 = 0x69;
}  // namespace vk

// A key press with the given virtual-key code acts on the right ship by the key table: the
// space bar fires, the direction keys send the ship towards a corner or an edge of its box or
// stop it where it is. Codes without an action change nothing.
ControlResult PressKey(CBattleRound& round, int virtualKey);

// The same key table acting on the left ship and its own box: a controller steers the left ship
// by it. The keyboard itself steers only the right ship.
ControlResult PressLeftShipKey(CBattleRound& round, int virtualKey);
