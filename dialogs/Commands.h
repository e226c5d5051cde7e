// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include "battle/BattleRound.h"
#include "dialogs/TickControl.h"

class QWidget;

// The setup dialog, run modally: at start-up before the main window is shown, and for every
// new game. Centred on the work area of the screen the owner is on, or of the primary screen
// while the owner has not been shown yet.
void RunSetupDialog(QWidget* owner, CBattleRound& round, CTickControl& tick);

// The new game command: both ships back at their start with full energy, the picture redrawn
// at once so the reset shows behind the dialog, then the setup dialog.
void RunNewGameCommand(QWidget* owner, CBattleRound& round, CTickControl& tick,
                       const std::function<void()>& paintNow);

// The About command: the About box, run modally over the main window while the battle goes on.
void RunAboutCommand(QWidget* mainWindow);
