// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TickWatch.h"

#include <QTimerEvent>

#include "FrameDriving.h"
#include "Waiting.h"
#include "app/ArenaFrame.h"

CTickWatch::CTickWatch(CArenaFrame& frame, Mode mode) : frame(frame), mode(mode) {
    clock.start();
    frame.installEventFilter(this);
}

bool CTickWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Timer || ticking) {
        return QObject::eventFilter(watched, event);
    }
    seen.push_back({static_cast<QTimerEvent*>(event)->timerId(), clock.nsecsElapsed()});
    return mode == Mode::Hold;
}

int CTickWatch::TickTimerId() const {
    // The majority vote, which needs no memory: a tick's own events outnumber all others.
    int candidate = 0;
    int lead = 0;
    for (const TimerEvent& event : seen) {
        if (lead == 0) {
            candidate = event.timerId;
        }
        lead += event.timerId == candidate ? 1 : -1;
    }
    return candidate;
}

bool CTickWatch::WaitForTicks(int count) {
    const int target = Count() + count;
    return WaitUntil([&] { return Count() >= target; });
}

void CTickWatch::Tick() {
    ticking = true;
    DeliverTick(frame, TickTimerId());
    ticking = false;
}
