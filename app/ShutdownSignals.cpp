// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ShutdownSignals.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace {

constexpr int kShutdownSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The handlers write to end 0, the event loop reads end 1.
int gSignalSocket[2] = {-1, -1};

extern "C" void OnShutdownSignal(int signalNumber) {
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signalNumber);
    // Nothing else here is async-signal-safe; a full socket means a request is already pending.
    [[maybe_unused]] const ssize_t written = ::write(gSignalSocket[0], &number, 1);
    errno = savedErrno;
}

}  // namespace

void CShutdownSignals::Install() {
    if (gSignalSocket[0] >= 0 ||
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, gSignalSocket) != 0) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = OnShutdownSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int signalNumber : kShutdownSignals) {
        ::sigaction(signalNumber, &action, nullptr);
    }
}

CShutdownSignals::CShutdownSignals(QObject* parent) : QObject(parent) {
    if (gSignalSocket[1] < 0) {
        return;  // no handlers installed: nothing to watch
    }
    auto* notifier = new QSocketNotifier(gSignalSocket[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &CShutdownSignals::OnSignalPending);
}

CShutdownSignals::~CShutdownSignals() = default;

void CShutdownSignals::OnSignalPending() {
    unsigned char number = 0;
    while (::read(gSignalSocket[1], &number, 1) == 1) {
        emit ShutdownRequested(number);
    }
}
