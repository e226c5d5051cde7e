// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TickWatch.h"

#include <QTimerEvent>
#include <algorithm>
#include <map>

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
    std::map<int, int> counts;
    for (const TimerEvent& event : seen) {
        ++counts[event.timerId];
    }
    const auto most =
        std::max_element(counts.begin(), counts.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    return most == counts.end() ? 0 : most->first;
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
