// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <memory>

#include "app/ShutdownSignals.h"

class CArenaFrame;

// The application: it names the settings' company, builds the main window (which runs the
// setup dialog before the window is shown), shows it and lets the event loop run. Destroying
// the application destroys the main window, whose destructor writes the settings. A request to
// end from the session or a terminal closes the main window as its close button does.
class CDuelApp : public QApplication {
    Q_OBJECT

public:
    CDuelApp(int& argc, char** argv);
    ~CDuelApp() override;

    // Start-up before the event loop. Always succeeds: the loop runs in any case.
    bool InitInstance();

    CArenaFrame* MainFrame() const { return mainFrame.get(); }

    // Destroys the main window now, writing the settings, as the application's end does.
    void DestroyMainFrame();

    // Ends the game the way the main window's close button does, also from inside a dialog or
    // before the event loop runs: a running dialog is closed as if cancelled, then the main
    // window is closed.
    void RequestShutdown();

private:
    std::unique_ptr<CArenaFrame> mainFrame;
    CShutdownSignals shutdownSignals;
    bool shutdownRequested = false;
};
