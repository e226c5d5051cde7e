// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameProcess.h"

#include <sys/types.h>
#include <QFile>
#include <QProcessEnvironment>
#include <QSettings>
#include <QThread>
#include <csignal>

GameProcess::GameProcess() {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

QString GameProcess::SettingsFolder() const {
    return (usedConfigHome_.isEmpty() ? configHome_.path() : usedConfigHome_) +
           QStringLiteral("/Brontel");
}

QString GameProcess::SettingsFile() const {
    return SettingsFolder() + QStringLiteral("/skirmora.conf");
}

void GameProcess::Start(const QString& configHome) {
    usedConfigHome_ = configHome.isEmpty() ? configHome_.path() : configHome;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), usedConfigHome_);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process_.setProcessEnvironment(environment);
    process_.start(QStringLiteral(SKIRMORA_GAME_PATH), {});
    process_.waitForStarted();
}

bool GameProcess::WaitUntilListening() {
    // The kernel lists the signals a process catches; the game catches the three once its
    // handlers are in place.
    const unsigned long long wanted =
        (1ULL << (SIGTERM - 1)) | (1ULL << (SIGHUP - 1)) | (1ULL << (SIGINT - 1));
    const QString status = QStringLiteral("/proc/%1/status").arg(process_.processId());
    for (int attempt = 0; attempt < 2000; ++attempt) {
        QFile file(status);
        if (!file.open(QIODevice::ReadOnly)) {
            return false;
        }
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.startsWith("SigCgt:") &&
                (line.mid(7).trimmed().toULongLong(nullptr, 16) & wanted) == wanted) {
                return true;
            }
        }
        QThread::msleep(10);
    }
    return false;
}

void GameProcess::Send(int signalNumber) {
    ::kill(static_cast<pid_t>(process_.processId()), signalNumber);
}

bool GameProcess::ExitedCleanly(int timeoutMs) {
    if (!process_.waitForFinished(timeoutMs)) {
        process_.kill();
        process_.waitForFinished();
        return false;
    }
    return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
}

StoredValues ReadStoredValues(const QString& file) {
    const QSettings settings(file, QSettings::IniFormat);
    StoredValues values;
    values.wellFormed = settings.status() == QSettings::NoError;
    values.windowRect = settings.value(QStringLiteral("Vzhled/pozice")).toString();
    values.left = settings.value(QStringLiteral("Hra/PL1")).toString();
    values.right = settings.value(QStringLiteral("Hra/PL2")).toString();
    return values;
}
