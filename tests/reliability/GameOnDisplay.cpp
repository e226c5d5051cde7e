// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameOnDisplay.h"

#include <gtest/gtest.h>
#include <sys/types.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <csignal>

#include "DisplayServers.h"

Game::Game(const QProcessEnvironment& display) {
    QProcessEnvironment environment = display;
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(Log());
}

Game::~Game() {
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
    }
}

bool Game::Start() {
    process.start(QStringLiteral(SKIRMORA_GAME_PATH), {});
    return process.waitForStarted(kServerWaitMs);
}

bool Game::WaitForLog(const QString& text) const {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kServerWaitMs && process.state() == QProcess::Running) {
        if (ReadAll(Log()).contains(text)) {
            return true;
        }
        QThread::msleep(50);
    }
    return ReadAll(Log()).contains(text);
}

void Game::Send(int signalNumber) {
    ::kill(static_cast<pid_t>(process.processId()), signalNumber);
}

bool Game::Ended() {
    return WaitForEnd(process) && process.exitStatus() == QProcess::NormalExit;
}

void RequirePrograms(const QStringList& programs) {
    for (const QString& program : programs) {
        if (ProgramPath(program).isEmpty()) {
            GTEST_SKIP() << program.toStdString() << " is not installed";
        }
    }
}

void WriteSettings(const QString& file, const QByteArray& text) {
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    ASSERT_EQ(out.write(text), text.size());
}

QString ReadAll(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(in.readAll()) : QString();
}

QProcessEnvironment X11Environment(const XServer& server) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), server.Display());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return environment;
}
