// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <functional>

class QTimerEvent;

// The main window's tick timer: every expiry runs the tick. The expiries go to this small object
// of its own rather than to the window, because an event for a window first passes the window's
// layout, the event filters of its children (the menu bar watches the window's events for its
// keyboard navigation) and the window's own handler: every 30 ms, that costs more than the tick's
// drawing. A Qt timer never queues a second expiry behind a late one, so ticks never pile up.
class CTickTimer : public QObject {
    Q_OBJECT

public:
    CTickTimer(int milliseconds, std::function<void()> tick, QObject* parent);

    // Starts the timer anew; a running timer restarts from now.
    void Start();
    void Stop();
    bool Running() const { return timerId != 0; }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    int milliseconds;
    std::function<void()> tick;
    int timerId = 0;
};
