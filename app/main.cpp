// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QGuiApplication>

#include "app/DuelApp.h"
#include "app/ShutdownSignals.h"

int main(int argc, char** argv) {
    // Before anything else, so that no moment of start-up lets a signal end the game unsaved.
    CShutdownSignals::Install();
    CDuelApp app(argc, argv);
    // Lets the desktop match the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(SKIRMORA_APP_ID));
    app.InitInstance();
    return app.exec();
}
