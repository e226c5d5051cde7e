// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Waiting.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

bool WaitUntil(const std::function<bool()>& done) {
    // Wakes the loop now and then, so that waiting for events never outlasts the deadline.
    QTimer wake;
    wake.start(20);
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.hasExpired(kWaitMs)) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}
