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

    struct TimerEvent {
        int timerId;
        std::int64_t nanoseconds;  // on the watch's monotonic clock
    };
    const std::vector<TimerEvent>& Seen() const { return seen; }
    int Count() const { return static_cast<int>(seen.size()); }
    std::int64_t Now() const { return clock.nsecsElapsed(); }

    // The tick timer's identifier: that of most of the events seen (0 before any), by the
    // majority vote, which allocates nothing, so a tick can be counted with it.
    int TickTimerId() const {
        int candidate = 0;
        int lead = 0;
        for (const TimerEvent& event : seen) {
            candidate = lead == 0 ? event.timerId : candidate;
            lead += event.timerId == candidate ? 1 : -1;
        }
        return candidate;
    }
    // Runs the event loop until the window's timer has fired `count` more times; false on
    // time-out.
    bool WaitForTicks(int count) {
        const int target = Count() + count;
        return WaitUntil([&] { return Count() >= target; });
    }
    // Runs one tick of the window's, past a hold: the timer event with the tick's identifier.
    void Tick() {
        ticking = true;
        DeliverTick(frame, TickTimerId());
        ticking = false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Timer || ticking) {
            return QObject::eventFilter(watched, event);
        }
        seen.push_back({static_cast<QTimerEvent*>(event)->timerId(), clock.nsecsElapsed()});
        return mode == Mode::Hold;
    }

private:
    CArenaFrame& frame;
    Mode mode;
    QElapsedTimer clock;
    std::vector<TimerEvent> seen;
    bool ticking = false;
};
