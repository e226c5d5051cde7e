// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayServers.h"

#include <sys/types.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <csignal>

namespace {

// Ends a process the test started, politely first.
void EndProcess(QProcess& process) {
    if (process.state() == QProcess::NotRunning) {
        return;
    }
    process.terminate();
    WaitForEnd(process);
}

void KillProcess(QProcess& process) {
    if (process.state() == QProcess::NotRunning) {
        return;
    }
    ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
    WaitForEnd(process);
}

}  // namespace

QString ProgramPath(const QString& name) {
    return QStandardPaths::findExecutable(name);
}

bool WaitForEnd(QProcess& process) {
    if (process.state() == QProcess::NotRunning || process.waitForFinished(kServerWaitMs)) {
        return true;
    }
    process.kill();
    process.waitForFinished();
    return false;
}

XServer::~XServer() {
    EndProcess(server);
    RemoveLeftovers();
}

bool XServer::Start(int firstNumber, const QSize& size) {
    for (int candidate = firstNumber; candidate < firstNumber + 32; ++candidate) {
        if (StartOn(candidate, size)) {
            return true;
        }
    }
    return false;
}

// The server writes its display number to standard output once it is ready for clients; a
// number in use makes it exit at once instead. The number is chosen, not left to the server,
// since X's abstract sockets are shared by every system on the machine, chroots included.
// Without -noreset the server resets whenever its last client leaves and drops whoever is
// connecting at that moment: on a bare server each xdotool run that ends before the game has
// connected is such a last client, and the game then failed with "could not connect".
bool XServer::StartOn(int candidate, const QSize& size) {
    const QString name = QStringLiteral(":") + QString::number(candidate);
    server.start(
        ProgramPath(QStringLiteral("Xvfb")),
        {name, QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
         QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(size.width()).arg(size.height()),
         QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (!server.waitForStarted(kServerWaitMs)) {
        return false;
    }
    QByteArray written;
    QElapsedTimer clock;
    clock.start();
    while (!written.contains('\n') && server.state() == QProcess::Running &&
           clock.elapsed() < kServerWaitMs) {
        server.waitForReadyRead(100);
        written += server.readAllStandardOutput();
    }
    if (written.trimmed() != QByteArray::number(candidate)) {
        KillProcess(server);
        return false;
    }
    display = name;
    number = candidate;
    return true;
}

void XServer::Kill() {
    KillProcess(server);
    RemoveLeftovers();
}

// A killed server leaves its socket behind (started with -displayfd it makes no lock file). The
// socket is removed at once, while no other server can have taken the number.
void XServer::RemoveLeftovers() {
    if (number < 0 || server.state() != QProcess::NotRunning) {
        return;
    }
    QFile::remove(QStringLiteral("/tmp/.X11-unix/X%1").arg(number));
    number = -1;
}

QString XServer::Xdotool(const QStringList& arguments) const {
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    tool.setProcessEnvironment(environment);
    tool.start(ProgramPath(QStringLiteral("xdotool")), arguments);
    if (!tool.waitForStarted(kServerWaitMs) || !WaitForEnd(tool)) {
        return {};
    }
    return QString::fromLatin1(tool.readAllStandardOutput().trimmed());
}

QString XServer::WaitForWindow(const QString& title) const {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kServerWaitMs) {
        const QString found = Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                       QStringLiteral("--name"), "^" + title + "$"});
        if (!found.isEmpty() && !found.contains('\n')) {
            return found;
        }
        QThread::msleep(50);
    }
    return {};
}

bool XServer::WaitForKeyboard(const QString& window) const {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kServerWaitMs) {
        if (Xdotool({QStringLiteral("getwindowfocus")}) == window) {
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

void XServer::Keys(const QStringList& keys) const {
    for (const QString& key : keys) {
        Xdotool({QStringLiteral("key"), key});
        QThread::msleep(150);  // each key handled before the next, as a person types
    }
}

bool XServer::Screenshot(const QString& file) const {
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    tool.setProcessEnvironment(environment);
    tool.setProcessChannelMode(QProcess::ForwardedChannels);
    QFile::remove(file);
    tool.start(ProgramPath(QStringLiteral("import")),
               {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:") + file});
    return tool.waitForStarted(kServerWaitMs) && WaitForEnd(tool) &&
           tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0 &&
           QFileInfo(file).size() > 0;
}

WindowManager::~WindowManager() {
    EndProcess(manager);
}

// Openbox runs its start-up command once it manages the screen; the command leaves a mark.
bool WindowManager::Start(const QString& display) {
    const QString started = home.filePath(QStringLiteral("started"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    environment.remove(QStringLiteral("SESSION_MANAGER"));
    manager.setProcessEnvironment(environment);
    manager.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    manager.setStandardOutputFile(QProcess::nullDevice());
    manager.start(ProgramPath(QStringLiteral("openbox")),
                  {QStringLiteral("--sm-disable"), QStringLiteral("--startup"),
                   QStringLiteral("touch ") + started});
    if (!manager.waitForStarted(kServerWaitMs)) {
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    while (!QFileInfo::exists(started) && manager.state() == QProcess::Running &&
           clock.elapsed() < kServerWaitMs) {
        QThread::msleep(50);
    }
    return QFileInfo::exists(started) && manager.state() == QProcess::Running;
}

WaylandCompositor::~WaylandCompositor() {
    EndProcess(compositor);
}

bool WaylandCompositor::Start() {
    return StartWith({QStringLiteral("--backend=headless-backend.so"),
                      QStringLiteral("--use-pixman"), QStringLiteral("--no-config"),
                      QStringLiteral("--socket=wayland-test"), QStringLiteral("--width=1024"),
                      QStringLiteral("--height=768"), QStringLiteral("--idle-time=0")},
                     QProcessEnvironment::systemEnvironment());
}

// The X11 back end takes the X server from DISPLAY and shows its output in a window there.
bool WaylandCompositor::StartNested(const QString& xDisplay) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), xDisplay);
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return StartWith({QStringLiteral("--backend=x11-backend.so"), QStringLiteral("--use-pixman"),
                      QStringLiteral("--no-config"), QStringLiteral("--socket=wayland-test"),
                      QStringLiteral("--width=1200"), QStringLiteral("--height=760"),
                      QStringLiteral("--idle-time=0")},
                     environment);
}

bool WaylandCompositor::StartWith(const QStringList& arguments, const QProcessEnvironment& base) {
    QProcessEnvironment environment = base;
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    compositor.setProcessEnvironment(environment);
    compositor.setProcessChannelMode(QProcess::MergedChannels);
    compositor.setStandardOutputFile(runtime.filePath(QStringLiteral("weston.log")));
    compositor.start(ProgramPath(QStringLiteral("weston")), arguments);
    if (!compositor.waitForStarted(kServerWaitMs)) {
        return false;
    }
    const QString socket = runtime.filePath(QStringLiteral("wayland-test"));
    QElapsedTimer clock;
    clock.start();
    while (!QFileInfo::exists(socket) && compositor.state() == QProcess::Running &&
           clock.elapsed() < kServerWaitMs) {
        QThread::msleep(50);
    }
    return QFileInfo::exists(socket) && compositor.state() == QProcess::Running;
}

void WaylandCompositor::AddTo(QProcessEnvironment& environment) const {
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-test"));
    environment.remove(QStringLiteral("DISPLAY"));
}

void WaylandCompositor::Kill() {
    KillProcess(compositor);
}
