// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DisplayLossWatch.h"

#include <QLatin1String>
#include <QThread>
#include <atomic>
#include <utility>

namespace {

// Messages come from any thread, so what the handler looks at before it knows it is on the armed
// thread is atomic. On that thread the watch cannot be disarmed or destroyed under its feet.
std::atomic<CDisplayLossWatch*> gArmed{nullptr};
std::atomic<Qt::HANDLE> gArmedThread{nullptr};
std::atomic<QtMessageHandler> gPrevious{nullptr};

}  // namespace

CDisplayLossWatch::CDisplayLossWatch(std::function<void()> onLoss) : onLoss(std::move(onLoss)) {}

CDisplayLossWatch::~CDisplayLossWatch() {
    Disarm();
}

void CDisplayLossWatch::Arm() {
    // Installed once and kept: a handler installed after it stays in place whatever the watches
    // do, and with no watch armed this one only passes messages on.
    static const bool installed = [] {
        gPrevious = qInstallMessageHandler(&CDisplayLossWatch::OnMessage);
        return true;
    }();
    static_cast<void>(installed);
    gArmed = nullptr;
    gArmedThread = QThread::currentThreadId();
    gArmed = this;
}

void CDisplayLossWatch::Disarm() {
    CDisplayLossWatch* self = this;
    if (gArmed.compare_exchange_strong(self, nullptr)) {
        gArmedThread = nullptr;
    }
}

void CDisplayLossWatch::OnMessage(QtMsgType type, const QMessageLogContext& context,
                                  const QString& message) {
    // Null only while the handler is being installed.
    if (const QtMessageHandler previous = gPrevious.load()) {
        previous(type, context, message);
    }
    if (QThread::currentThreadId() != gArmedThread.load() || !ReportsDisplayLoss(type, message)) {
        return;
    }
    // Disarmed before the action, so that a message the action itself raises cannot run it again.
    if (CDisplayLossWatch* watch = gArmed.exchange(nullptr)) {
        gArmedThread = nullptr;
        watch->ran = true;
        watch->onLoss();
    }
}

bool ReportsDisplayLoss(QtMsgType type, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg) {
        return false;
    }
    // How Qt 6's plugins begin these reports: the X11 plugin's "The X11 connection broke (error
    // N). Did the X11 server die?", or "The X11 connection broke: <reason> (code N)" when Xlib
    // meets the loss; the Wayland plugin's "The Wayland connection broke. Did the Wayland
    // compositor die?" or "The Wayland connection experienced a fatal error: <reason>".
    static const QLatin1String kReports[] = {QLatin1String("The X11 connection broke"),
                                             QLatin1String("The Wayland connection broke"),
                                             QLatin1String("The Wayland connection experienced")};
    for (const QLatin1String& report : kReports) {
        if (message.startsWith(report)) {
            return true;
        }
    }
    return false;
}
