// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameProcess.h"

#include <sys/types.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QSettings>
#include <QThread>
#include <csignal>
#include <string_view>

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

namespace {

// Whether the kernel lists all three shutdown signals among those the process catches.
bool CatchesShutdownSignals(const QString& status) {
    const unsigned long long wanted =
        (1ULL << (SIGTERM - 1)) | (1ULL << (SIGHUP - 1)) | (1ULL << (SIGINT - 1));
    QFile file(status);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) {
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) & wanted) == wanted;
        }
    }
    return false;
}

// How many sockets the process holds beyond its standard streams (which may be sockets too).
int SocketsBeyondStandardStreams(const QString& fdFolder) {
    int sockets = 0;
    for (const QString& name : QDir(fdFolder).entryList(QDir::Files | QDir::System)) {
        if (name.toInt() <= 2) {
            continue;
        }
        char target[64] = {};
        const QByteArray path = (fdFolder + u'/' + name).toLocal8Bit();
        if (::readlink(path.constData(), target, sizeof target - 1) > 0 &&
            std::string_view(target).starts_with("socket:")) {
            ++sockets;
        }
    }
    return sockets;
}

}  // namespace

bool GameProcess::WaitUntilListening() {
    // The game's first act is to open the socket pair its handlers write to, then to catch the
    // three signals. Natively the kernel's list of caught signals tells when that is done. Under
    // a user-mode emulator (qemu) the list is the emulator's, which catches every fatal signal
    // from the start, so the pair must be open as well: the game opens no socket before it.
    const QString proc = QStringLiteral("/proc/%1").arg(process_.processId());
    for (int attempt = 0; attempt < 2000; ++attempt) {
        if (!QFileInfo::exists(proc)) {
            return false;
        }
        if (CatchesShutdownSignals(proc + QStringLiteral("/status")) &&
            SocketsBeyondStandardStreams(proc + QStringLiteral("/fd")) >= 2) {
            return true;
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
