// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class XServer;

// The real game on a display of a test's own (see DisplayServers.h), with a settings folder and a
// log of its own, for tests that watch it on X11 or Wayland.
class Game {
public:
    // `display` is the environment that reaches the display, with the platform chosen.
    explicit Game(const QProcessEnvironment& display);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    QString SettingsFile() const { return home.filePath(QStringLiteral("Brontel/skirmora.conf")); }
    QString Log() const { return home.filePath(QStringLiteral("game.log")); }

    bool Start();
    // Whether the log holds `text` within the wait, while the game runs.
    bool WaitForLog(const QString& text) const;
    void Send(int signalNumber);
    // Whether the game ended within the wait, of itself, without a crash; its exit code then.
    bool Ended();
    int ExitCode() const { return process.exitCode(); }

private:
    QTemporaryDir home;
    QProcess process;
};

// Skips the test, as GTEST_SKIP does, when one of the programs is not installed.
void RequirePrograms(const QStringList& programs);

// Writes a settings file, with its folder, as a previous run would have left it.
void WriteSettings(const QString& file, const QByteArray& text);

// The whole text of a file; empty when it cannot be read.
QString ReadAll(const QString& file);

// What the game needs to reach the X server on Qt's X11 platform.
QProcessEnvironment X11Environment(const XServer& server);
