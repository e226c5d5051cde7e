// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/Commands.h"

#include <QWidget>

#include "dialogs/AboutDlg.h"
#include "dialogs/NewGameDlg.h"

namespace {

// A window manager gives the keyboard back to the owner when its dialog closes; without one
// (a kiosk, a launcher, a bare X server) nobody does, and keys would reach no window until a
// click. An owner not yet shown takes it when it is shown.
void GiveKeyboardBack(QWidget* owner) {
    if (owner != nullptr && owner->isVisible()) {
        owner->activateWindow();
    }
}

}  // namespace

void RunSetupDialog(QWidget* owner, CBattleRound& round, CTickControl& tick) {
    // The setup dialog's template centres it on the work area of its owner's screen.
    CNewGameDlg dialog(owner, round, tick);
    dialog.exec();
    GiveKeyboardBack(owner);
}

void RunNewGameCommand(QWidget* owner, CBattleRound& round, CTickControl& tick,
                       const std::function<void()>& paintNow) {
    round.NewRound();
    paintNow();
    RunSetupDialog(owner, round, tick);
}

void RunAboutCommand(QWidget* mainWindow) {
    CAboutDlg dialog(mainWindow);
    dialog.exec();
    GiveKeyboardBack(mainWindow);
}
