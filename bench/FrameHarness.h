// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QSize>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdint>
#include <vector>

class CArenaFrame;
class CArenaCanvas;
class CDuelApp;
class CTickTimer;

// What the benchmarks of the real main window share: an offscreen screen large enough for the
// client sizes they measure, a settings home of their own in which both sides are computer
// driven, the setup dialog answered the way a player leaving it as it is would, and a watch on
// the window's tick.

// The longest any step of the set-up waits for the event loop; waiting longer is a failure.
inline constexpr int kHarnessWaitMs = 10000;

// Selects the offscreen platform with one screen of the given size at a pixel ratio of 1,
// through a configuration file that lives as long as the object. Create it before the
// application object.
class COffscreenScreen {
public:
    COffscreenScreen(int width, int height);

private:
    QTemporaryDir configDir;
};

// Points XDG_CONFIG_HOME at a temporary folder for the object's life, so that the window's
// stored size and sides never touch the user's own settings.
class CScratchSettingsHome {
public:
    CScratchSettingsHome();
    ~CScratchSettingsHome();
    CScratchSettingsHome(const CScratchSettingsHome&) = delete;
    CScratchSettingsHome& operator=(const CScratchSettingsHome&) = delete;

    // Stores both sides as computer driven, as an earlier game would have left them; the setup
    // dialog then opens with both boxes cleared. Needs the application object.
    void StoreComputerSides() const;

private:
    QTemporaryDir home;
    QByteArray previousHome;
    bool hadHome = false;
};

// Presses OK in the next modal dialog as soon as it is up, from inside its modal loop. With the
// sides stored as computer driven, OK keeps them so.
class CDialogAcceptor : public QObject {
public:
    CDialogAcceptor();

    bool Accepted() const { return accepted; }

private:
    void Poll();

    QTimer poller;
    bool accepted = false;
};

// Records every expiry of the main window's tick timer, with its time; the identifier seen most
// often is the tick's.
class CTickWatch : public QObject {
public:
    explicit CTickWatch(CArenaFrame& frame);

    struct Tick {
        int timerId;
        std::int64_t nanoseconds;  // on the watch's monotonic clock
    };
    const std::vector<Tick>& Ticks() const { return ticks; }

    // Runs the event loop until the window has ticked `count` more times; false on time-out.
    bool WaitForTicks(int count);

    // The tick timer's identifier: the one seen most often; 0 before any tick.
    int TickTimerId() const;

    std::int64_t Now() const { return clock.nsecsElapsed(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QElapsedTimer clock;
    std::vector<Tick> ticks;
};

// Starts the game as the program's start-up does (the main window built, its setup dialog
// answered with OK, the window shown) and waits until it ticks. Returns the tick timer's
// identifier, with which a benchmark runs ticks of its own; 0 when the game did not get that
// far, which is reported on standard error.
int StartGame(CDuelApp& app);

CArenaCanvas& CanvasOf(CArenaFrame& frame);

// The object the main window's tick timer delivers its expiries to.
CTickTimer& TickTimerOf(CArenaFrame& frame);

// Resizes the window until its client area has the given size in device pixels, running the
// event loop meanwhile; false on time-out.
bool ResizeClientTo(CArenaFrame& frame, const QSize& client);

// Runs one tick of the window synchronously, as its timer would: the timer event the window
// handles, delivered with the tick's identifier.
void DeliverTick(CArenaFrame& frame, int tickTimerId);

// Paints, synchronously, what the window's updates have asked Qt to show: the repaint that the
// event loop would run next. No timers run meanwhile, so no tick slips in.
void FlushUpdates();
