// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Display servers of a test's own for the real game: an X server (Xvfb) with or without a window
// manager (openbox), driven by xdotool, or a headless Wayland compositor (weston). Each is started
// and ended by the process id the test holds, waits for what it needs within a bound, and can be
// killed the way a crash kills a display server.

// How long any wait for a server, a window or a program may take before the test gives up. Only
// a bound: under the sanitizers on a busy machine a game's start-up has taken over 15 s.
inline constexpr int kServerWaitMs = 60000;

// The path of a program on PATH; empty when it is not installed.
QString ProgramPath(const QString& name);

// Waits `kServerWaitMs` at most for the process to end; false if it did not, and it is then
// killed.
bool WaitForEnd(QProcess& process);

class XServer {
public:
    XServer() = default;
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    // Starts Xvfb with a screen of `size` (1024 x 768 unless given) on the first free display
    // number from `firstNumber` on; false when none came up.
    bool Start(int firstNumber, const QSize& size = QSize(1024, 768));
    QString Display() const { return display; }

    // Ends the server at once with SIGKILL, as a crash would, and waits for its end. The socket
    // it leaves behind is removed.
    void Kill();

    // Runs xdotool on this display; its standard output, trimmed.
    QString Xdotool(const QStringList& arguments) const;
    // The one visible window with exactly this title, once it is there; empty if it never is.
    QString WaitForWindow(const QString& title) const;
    // Whether the keyboard goes to `window` within the wait.
    bool WaitForKeyboard(const QString& window) const;
    // Types the keys one by one, each after the previous has been sent.
    void Keys(const QStringList& keys) const;
    // Writes a PNG picture of the whole screen with ImageMagick's import; false if none came.
    bool Screenshot(const QString& file) const;

private:
    bool StartOn(int number, const QSize& size);
    void RemoveLeftovers();

    QProcess server;
    QString display;
    int number = -1;
};

// The openbox window manager on an X server, in a configuration folder of its own.
class WindowManager {
public:
    WindowManager() = default;
    ~WindowManager();
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    // Starts openbox and waits until it has finished starting up; false if it does not.
    bool Start(const QString& display);

private:
    QTemporaryDir home;
    QProcess manager;
};

// A weston with a runtime folder of its own, which also holds its socket: headless, or nested in
// an X server as one window there, so that the X server's screenshots show what it composes.
class WaylandCompositor {
public:
    WaylandCompositor() = default;
    ~WaylandCompositor();
    WaylandCompositor(const WaylandCompositor&) = delete;
    WaylandCompositor& operator=(const WaylandCompositor&) = delete;

    // Starts a headless weston and waits for its socket; false if it never appears.
    bool Start();
    // Starts weston as a 1200 x 760 window on the X server and waits for its socket.
    bool StartNested(const QString& xDisplay);
    // What a client needs to reach the compositor.
    void AddTo(QProcessEnvironment& environment) const;
    // Ends the compositor at once with SIGKILL, as a crash would, and waits for its end.
    void Kill();

private:
    bool StartWith(const QStringList& arguments, const QProcessEnvironment& environment);

    QTemporaryDir runtime;
    QProcess compositor;
};
