// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

// Qt's platform plugins end the process the moment the connection to the display breaks (the X
// server or the Wayland compositor died, a remote session was cut): the X11 plugin with exit(1),
// the Wayland plugin with _exit. Neither goes back to the event loop, so no destructor of the
// program runs, and the Wayland plugin skips even the exit handlers. Each plugin first reports the
// loss with a warning: the X11 plugin from the thread that runs the event loop, the Wayland plugin
// from whichever of its threads meets the loss first. The watch sees that warning and has its
// action run before the plugin goes on to end the process: on the event loop's thread at once,
// or, for a report from another thread, on the event loop's thread as soon as it gets to it,
// while the reporting thread waits (a bounded time) for the action to end, also when the event
// loop's thread met the loss too and is running the action already. The program is still
// whole then, only the window system is gone, so the action must not touch it.
//
// The watch chains Qt's message handler: every message still reaches the handler that was in
// place before, and first.
class CDisplayLossWatch {
public:
    explicit CDisplayLossWatch(std::function<void()> onLoss);
    ~CDisplayLossWatch();

    CDisplayLossWatch(const CDisplayLossWatch&) = delete;
    CDisplayLossWatch& operator=(const CDisplayLossWatch&) = delete;

    // From now on a reported loss runs the action on the calling thread, the one that runs the
    // event loop, once. One watch at a time is armed; arming another disarms this one.
    void Arm();

    // Stops watching. Once disarmed the watch never runs its action.
    void Disarm();

    // Whether the action has run.
    bool Ran() const { return ran; }

private:
    static void OnMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& message);
    static void RunAction();

    std::function<void()> onLoss;
    bool ran = false;
};

// Whether a message of Qt's is a platform plugin's report that the connection to the display is
// gone, which the plugin follows by ending the process.
bool ReportsDisplayLoss(QtMsgType type, const QString& message);
