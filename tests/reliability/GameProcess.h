// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// The real game, started on the offscreen platform with a configuration folder of its own, for
// tests that must see the whole program: its start-up, its signals and its exit.
class GameProcess {
public:
    GameProcess();

    // The settings file the game reads and writes, and its folder.
    QString SettingsFile() const;
    QString SettingsFolder() const;

    // Starts the game with a folder that another game may share; empty means its own.
    void Start(const QString& configHome = QString());
    // Waits until the game handles the shutdown signals; false if it never does.
    bool WaitUntilListening();
    void Send(int signalNumber);
    // Waits for the exit; true only for a normal exit with status 0.
    bool ExitedCleanly(int timeoutMs = 20000);

    QString ConfigHome() const { return configHome_.path(); }

private:
    QTemporaryDir configHome_;
    QString usedConfigHome_;
    QProcess process_;
};

// The three values the game keeps, as a well-formed file holds them; empty when the file does
// not read cleanly.
struct StoredValues {
    bool wellFormed = false;
    QString windowRect;
    QString left;
    QString right;
};
StoredValues ReadStoredValues(const QString& file);
