// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DisplayLossWatch.h"

#include <QCoreApplication>
#include <QLatin1String>
#include <QMetaObject>
#include <QThread>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>

namespace {

// How long a plugin thread that reported the loss is held back from ending the process while the
// event loop's thread runs the action. The loop gets there within a tick; the bound only keeps a
// loop that never comes from holding the end up.
constexpr std::chrono::seconds kLongestHold{2};

// Messages come from any thread, so what the handler looks at before it knows which thread it is
// on is atomic. On the armed thread the watch cannot be disarmed or destroyed under its feet.
std::atomic<CDisplayLossWatch*> gArmed{nullptr};
std::atomic<Qt::HANDLE> gArmedThread{nullptr};
std::atomic<QtMessageHandler> gPrevious{nullptr};

// Whether the action is running, and the news that it has ended or will not run, for a plugin
// thread that waits.
std::mutex gActionMutex;
std::condition_variable gActionSettled;
bool gActionRunning = false;

bool ActionPending() {
    return gArmed.load() != nullptr || gActionRunning;
}

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
    const std::lock_guard<std::mutex> lock(gActionMutex);
    gArmed = nullptr;
    gArmedThread = QThread::currentThreadId();
    gArmed = this;
}

void CDisplayLossWatch::Disarm() {
    {
        const std::lock_guard<std::mutex> lock(gActionMutex);
        CDisplayLossWatch* self = this;
        gArmed.compare_exchange_strong(self, nullptr);
    }
    gActionSettled.notify_all();
}

void CDisplayLossWatch::OnMessage(QtMsgType type, const QMessageLogContext& context,
                                  const QString& message) {
    // Null only while the handler is being installed.
    if (const QtMessageHandler previous = gPrevious.load()) {
        previous(type, context, message);
    }
    if (!ReportsDisplayLoss(type, message)) {
        return;
    }
    if (QThread::currentThreadId() == gArmedThread.load()) {
        RunAction();
        return;
    }
    // A plugin thread of its own reported the loss and ends the process as soon as this returns.
    // The action belongs to the event loop's thread, where the values it writes are kept: that
    // thread is asked to run it, and this one waits until it has. The event loop's thread may
    // have met the loss at the same moment and be running the action already; this thread then
    // waits all the same, or the process would end half-way through the writes.
    std::unique_lock<std::mutex> lock(gActionMutex);
    if (gArmed.load() != nullptr) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), &CDisplayLossWatch::RunAction,
                                  Qt::QueuedConnection);
    }
    gActionSettled.wait_for(lock, kLongestHold, [] { return !ActionPending(); });
}

// On the armed thread. Disarmed before the action, so that a message the action raises, or a
// second report, cannot run it again.
void CDisplayLossWatch::RunAction() {
    CDisplayLossWatch* watch = nullptr;
    {
        const std::lock_guard<std::mutex> lock(gActionMutex);
        watch = gArmed.exchange(nullptr);
        gActionRunning = watch != nullptr;
    }
    if (watch == nullptr) {
        return;
    }
    watch->ran = true;
    watch->onLoss();
    {
        const std::lock_guard<std::mutex> lock(gActionMutex);
        gActionRunning = false;
    }
    gActionSettled.notify_all();
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
