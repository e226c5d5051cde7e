// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/GamepadInput.h"

class QWidget;

// A controller works a dialog with the keys that work it: up and left move the focus back (Shift
// and Tab), down and right move it on (Tab), the south button presses the focused control (the
// space bar) and the east button cancels (Escape). Diagonals and the other buttons do nothing
// there. The keys go to the dialog's focused control.
void SendPadToDialog(QWidget& dialog, const PadInput& input);
