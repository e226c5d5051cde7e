#include "dialogs/Commands.h"

#include "dialogs/AboutDlg.h"
#include "dialogs/NewGameDlg.h"

void RunSetupDialog(QWidget* owner, CBattleRound& round, CTickControl& tick) {
    // The setup dialog's template centres it on the work area.
    CNewGameDlg dialog(owner, round, tick);
    dialog.exec();
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
}
