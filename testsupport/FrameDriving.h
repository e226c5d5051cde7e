// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QTimerEvent>
#include <functional>

#include "app/ArenaCanvas.h"
#include "app/ArenaFrame.h"
#include "app/TickTimer.h"

class CDuelApp;

// Driving the real main window from outside, as the platform and the player would.

// The longest anything here waits for the event loop to bring something about; longer is a
// failure.
inline constexpr int kWaitMs = 10000;

// Runs the event loop until `done` returns true; false when kWaitMs have passed first.
bool WaitUntil(const std::function<bool()>& done);

inline CArenaCanvas& CanvasOf(CArenaFrame& frame) {
    return *qobject_cast<CArenaCanvas*>(frame.centralWidget());
}

// The object the main window's tick timer delivers its expiries to.
inline CTickTimer& TickTimerOf(CArenaFrame& frame) {
    return *frame.findChild<CTickTimer*>(QString(), Qt::FindDirectChildrenOnly);
}

// Resizes the window until its client area has the given size in logical pixels, running the
// event loop meanwhile; false on time-out.
bool ResizeClientTo(CArenaFrame& frame, const QSize& client);

// Runs one tick of the window synchronously, as its timer would: the timer event the tick timer
// handles, delivered with the tick's identifier.
inline void DeliverTick(CArenaFrame& frame, int tickTimerId) {
    QTimerEvent event(tickTimerId);
    QCoreApplication::sendEvent(&TickTimerOf(frame), &event);
}

// Paints, synchronously, what the window's updates have asked Qt to show: the repaint that the
// event loop would run next. No timers run meanwhile, so no tick slips in.
inline void FlushUpdates() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

// Starts a game of computer against computer as the program's start-up does (both sides stored
// as an earlier game would have left them, the main window built, its setup dialog answered
// with OK, the window shown) and waits until it ticks. Returns the tick timer's identifier; 0
// when the game did not get that far, which is reported on standard error.
int StartComputerGame(CDuelApp& app);
