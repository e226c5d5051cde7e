// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <Qt>

// The virtual-key code of a key press, as the key table of the controls knows keys: keypad
// digits with Num Lock on have codes of their own, while without Num Lock the keypad sends the
// navigation keys (keypad 5 sends Clear, keypad 9 and 3 Page Up and Page Down). 0 for a key
// without a code here; such keys have no action anyway.
int VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);

// A key pressed with Alt held is the window's and the menu bar's, not the player's: it never
// reaches the key table, and goes on to the default processing, so Alt with the menu's
// mnemonics and the window manager's Alt shortcuts keep working. Ctrl and Shift change nothing.
bool IsSystemKey(Qt::KeyboardModifiers modifiers);
