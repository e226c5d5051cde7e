#include "app/DuelApp.h"

#include "app/ArenaFrame.h"
#include "app/SettingsStore.h"

CDuelApp::CDuelApp(int& argc, char** argv) : QApplication(argc, argv) {
    // The game ends through its main window's close, which ends the event loop itself.
    setQuitOnLastWindowClosed(false);
}

CDuelApp::~CDuelApp() {
    DestroyMainFrame();
}

void CDuelApp::DestroyMainFrame() {
    mainFrame.reset();
}

bool CDuelApp::InitInstance() {
    SetCompanyKey(QString::fromLatin1(kCompanyKey));
    mainFrame = std::make_unique<CArenaFrame>();
    mainFrame->show();
    return true;
}
