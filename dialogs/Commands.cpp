#include "dialogs/Commands.h"

#include <QWidget>

#include "dialogs/AboutDlg.h"
#include "dialogs/Centring.h"
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
    CNewGameDlg dialog(owner, round, tick);
    // Centred on the work area of the screen the owner is on; before the owner is first shown
    // it is on no screen yet, and the primary screen is the one the game opens on.
    dialog.PlaceBy([owner](int width, int height) {
        const ScreenRect workArea = (owner != nullptr && owner->isVisible())
                                        ? WorkAreaNearest(owner->frameGeometry())
                                        : PrimaryWorkArea();
        return CentreOver(width, height, workArea, workArea);
    });
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
