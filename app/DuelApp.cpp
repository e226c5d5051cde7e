// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DuelApp.h"

#include "app/ArenaFrame.h"
#include "app/SettingsStore.h"

CDuelApp::CDuelApp(int& argc, char** argv) : QApplication(argc, argv) {
    // The game ends through its main window's close, which ends the event loop itself.
    setQuitOnLastWindowClosed(false);
    connect(&shutdownSignals, &CShutdownSignals::ShutdownRequested, this,
            &CDuelApp::RequestShutdown);
    // A session that ends asks the program to save its data first.
    connect(this, &QGuiApplication::commitDataRequest, this, &CDuelApp::RequestShutdown);
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
    if (shutdownRequested) {
        // The request came during the setup dialog; the close can only end the event loop once
        // that loop runs.
        QMetaObject::invokeMethod(mainFrame.get(), &QWidget::close, Qt::QueuedConnection);
        return true;
    }
    mainFrame->show();
    // A window manager gives the keyboard to a newly shown window; without one (a kiosk, a
    // launcher, a bare X server) nobody does, and the keys would not steer until a click.
    mainFrame->activateWindow();
    return true;
}

void CDuelApp::RequestShutdown() {
    shutdownRequested = true;
    if (QWidget* dialog = activeModalWidget()) {
        dialog->close();
    }
    if (mainFrame) {
        mainFrame->close();
    }
}
