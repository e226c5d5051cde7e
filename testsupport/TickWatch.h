// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QTimerEvent>
#include <cstdint>
#include <vector>

#include "FrameDriving.h"
#include "app/ArenaFrame.h"

// Watches the expiries of the main window's tick timer, with the time of each. A watch that holds
// the ticks back also swallows them, so that only Tick() advances the battle and nothing else
// runs between two ticks.
class CTickWatch : public QObject {
public:
    enum class Mode { Pass, Hold };
    explicit CTickWatch(CArenaFrame& frame, Mode mode = Mode::Pass) : frame(frame), mode(mode) {
        clock.start();
        TickTimerOf(frame).installEventFilter(this);
    }

    // When each expiry came, in nanoseconds on the watch's monotonic clock.
    const std::vector<std::int64_t>& Seen() const { return seen; }
    int Count() const { return static_cast<int>(seen.size()); }
    std::int64_t Now() const { return clock.nsecsElapsed(); }
    // The identifier of the timer's latest expiry (0 before any): a restarted timer has a new one.
    int TickTimerId() const { return timerId; }

    // Runs one tick of the window's, past a hold.
    void Tick() {
        ticking = true;
        DeliverTick(frame, timerId);
        ticking = false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Timer || ticking) {
            return QObject::eventFilter(watched, event);
        }
        timerId = static_cast<QTimerEvent*>(event)->timerId();
        seen.push_back(clock.nsecsElapsed());
        return mode == Mode::Hold;
    }

private:
    CArenaFrame& frame;
    Mode mode;
    QElapsedTimer clock;
    std::vector<std::int64_t> seen;
    int timerId = 0;
    bool ticking = false;
};
