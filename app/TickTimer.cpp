// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/TickTimer.h"

#include <QTimerEvent>
#include <utility>

CTickTimer::CTickTimer(int milliseconds, std::function<void()> tick, QObject* parent)
    : QObject(parent), milliseconds(milliseconds), tick(std::move(tick)) {}

void CTickTimer::Start() {
    Stop();
    timerId = startTimer(milliseconds, Qt::PreciseTimer);
}

void CTickTimer::Stop() {
    if (timerId != 0) {
        killTimer(timerId);
        timerId = 0;
    }
}

void CTickTimer::timerEvent(QTimerEvent* event) {
    if (event->timerId() != timerId) {
        QObject::timerEvent(event);
        return;
    }
    tick();
}
