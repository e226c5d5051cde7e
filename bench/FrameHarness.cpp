// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FrameHarness.h"

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QTimerEvent>
#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>

#include "app/ArenaCanvas.h"
#include "app/ArenaFrame.h"
#include "app/DuelApp.h"
#include "app/SettingsStore.h"
#include "app/TickTimer.h"

COffscreenScreen::COffscreenScreen(int width, int height) {
    const QString path = configDir.filePath(QStringLiteral("screens.json"));
    const QByteArray json = QStringLiteral(R"({"screens":[{"name":"bench","x":0,"y":0,)"
                                           R"("width":%1,"height":%2,"dpi":96,"dpr":1}]})")
                                .arg(width)
                                .arg(height)
                                .toUtf8();
    QFile file(path);
    if (configDir.isValid() && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(json) == json.size()) {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
    } else {
        // The default offscreen screen is smaller, so the large client sizes would not fit.
        qWarning("cannot write the offscreen screen configuration; using the default screen");
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

CScratchSettingsHome::CScratchSettingsHome()
    : previousHome(qgetenv("XDG_CONFIG_HOME")),
      hadHome(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
}

CScratchSettingsHome::~CScratchSettingsHome() {
    if (hadHome) {
        qputenv("XDG_CONFIG_HOME", previousHome);
    } else {
        qunsetenv("XDG_CONFIG_HOME");
    }
}

void CScratchSettingsHome::StoreComputerSides() const {
    SetCompanyKey(QString::fromLatin1(kCompanyKey));
    WriteSettingInt(kGameSection, kLeftPlayerValue, kComputerDriven);
    WriteSettingInt(kGameSection, kRightPlayerValue, kComputerDriven);
}

CDialogAcceptor::CDialogAcceptor() {
    poller.setInterval(1);
    connect(&poller, &QTimer::timeout, this, &CDialogAcceptor::Poll);
    poller.start();
}

void CDialogAcceptor::Poll() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog != nullptr && dialog->isVisible()) {
        poller.stop();
        accepted = true;
        dialog->accept();
    }
}

CTickWatch::CTickWatch(CArenaFrame& frame) {
    clock.start();
    TickTimerOf(frame).installEventFilter(this);
}

bool CTickWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Timer) {
        ticks.push_back({static_cast<QTimerEvent*>(event)->timerId(), clock.nsecsElapsed()});
    }
    return QObject::eventFilter(watched, event);
}

bool CTickWatch::WaitForTicks(int count) {
    const std::size_t target = ticks.size() + static_cast<std::size_t>(count);
    QElapsedTimer waited;
    waited.start();
    while (ticks.size() < target) {
        if (waited.elapsed() > kHarnessWaitMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

int CTickWatch::TickTimerId() const {
    std::map<int, int> seen;
    for (const Tick& tick : ticks) {
        ++seen[tick.timerId];
    }
    const auto most = std::max_element(
        seen.begin(), seen.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    return most == seen.end() ? 0 : most->first;
}

int StartGame(CDuelApp& app) {
    std::optional<CDialogAcceptor> acceptor(std::in_place);
    app.InitInstance();
    CTickWatch watch(*app.MainFrame());
    if (!acceptor->Accepted() || !watch.WaitForTicks(3)) {
        std::fprintf(stderr, "the main window did not get past its setup dialog and tick\n");
        return 0;
    }
    return watch.TickTimerId();
}

CArenaCanvas& CanvasOf(CArenaFrame& frame) {
    return *qobject_cast<CArenaCanvas*>(frame.centralWidget());
}

CTickTimer& TickTimerOf(CArenaFrame& frame) {
    return *frame.findChild<CTickTimer*>(QString(), Qt::FindDirectChildrenOnly);
}

bool ResizeClientTo(CArenaFrame& frame, const QSize& client) {
    const CArenaCanvas& canvas = CanvasOf(frame);
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kHarnessWaitMs) {
        const QSize now(frame.Extent().Width(), frame.Extent().Height());
        if (now == client && canvas.Extent().Width() == client.width() &&
            canvas.Extent().Height() == client.height()) {
            return true;
        }
        // The pixel ratio is 1, so logical and device pixels agree.
        frame.resize(frame.size() + (client - canvas.contentsRect().size()));
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return false;
}

void DeliverTick(CArenaFrame& frame, int tickTimerId) {
    QTimerEvent event(tickTimerId);
    QCoreApplication::sendEvent(&TickTimerOf(frame), &event);
}

void FlushUpdates() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}
