#include "dialogs/Commands.h"

#include "dialogs/AboutDlg.h"
#include "dialogs/Centring.h"
#include "dialogs/NewGameDlg.h"

void RunSetupDialog(QWidget* owner, CBattleRound& round, CTickControl& tick) {
    CNewGameDlg dialog(owner, round, tick);
    dialog.PlaceBy([](int width, int height) {
        const ScreenRect workArea = PrimaryWorkArea();
        return CentreOver(width, height, workArea, workArea);
    });
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
