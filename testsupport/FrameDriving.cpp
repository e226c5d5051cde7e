// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FrameDriving.h"

#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "ModalAnswerer.h"
#include "TickWatch.h"
#include "app/DuelApp.h"
#include "app/SettingsStore.h"

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

bool ResizeClientTo(CArenaFrame& frame, const QSize& client) {
    return WaitUntil([&] {
        const QSize now = CanvasOf(frame).contentsRect().size();
        frame.resize(frame.size() + (client - now));
        return now == client;
    });
}

int StartComputerGame(CDuelApp& app) {
    WriteSettingInt(kGameSection, kLeftPlayerValue, kComputerDriven);
    WriteSettingInt(kGameSection, kRightPlayerValue, kComputerDriven);
    const CModalAnswerer answerer(Accept);
    app.InitInstance();
    CTickWatch watch(*app.MainFrame());
    if (!answerer.Done() || !WaitUntil([&] { return watch.Count() >= 3; })) {
        std::fprintf(stderr, "the main window did not get past its setup dialog and tick\n");
        return 0;
    }
    return watch.TickTimerId();
}
