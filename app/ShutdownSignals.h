// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// Turns the signals by which a session or a terminal ends a program (SIGTERM, SIGHUP, SIGINT)
// into a Qt signal delivered on the main thread, so that the game can close the orderly way
// its close button does and keep its settings. The handlers only write the signal's number to
// a socket that the event loop watches. Each handler acts once: a second SIGINT, say, ends the
// program at once, as a player pressing Ctrl+C again would expect.
class CShutdownSignals : public QObject {
    Q_OBJECT

public:
    // Installs the handlers. Call as early as possible; a signal that arrives before the event
    // loop runs is kept in the socket and reported once it does.
    static void Install();

    // Starts watching the socket; needs the application object. At most one instance.
    explicit CShutdownSignals(QObject* parent = nullptr);
    ~CShutdownSignals() override;

signals:
    void ShutdownRequested(int signalNumber);

private:
    void OnSignalPending();
};
