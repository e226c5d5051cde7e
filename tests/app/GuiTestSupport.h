// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTimerEvent>
#include <QtTest/QTest>
#include <functional>
#include <memory>
#include <ostream>
#include <tuple>

#include "app/ArenaCanvas.h"
#include "app/ArenaFrame.h"
#include "app/SettingsStore.h"
#include "app/TickTimer.h"
#include "battle/Random.h"
#include "dialogs/TemplateDialog.h"
#include "render/GameArt.h"

// The screens that the GUI suites' main (GuiTestMain.cpp) sets up; with the offscreen platform
// each is also its work area. The primary one, where the game opens, and a smaller second one
// to its right, their top edges in line. The offscreen platform moves a window whose top-left
// corner lies above or left of the origin a little each time it is resized, so the second
// screen lies where coordinates are positive.
inline constexpr QRect kTestScreen{0, 0, 1024, 738};
inline constexpr QRect kSecondScreen{1024, 0, 800, 600};

// A settings home of the test's own in XDG_CONFIG_HOME while the object lives, with the company
// key set as the application sets it. The test executables' names have no extension, so the
// application name is the application key.
class ScopedConfigHome {
public:
    ScopedConfigHome() {
        saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
        SetCompanyKey(QString::fromLatin1(kCompanyKey));
    }
    ~ScopedConfigHome() { qputenv("XDG_CONFIG_HOME", saved); }

    QString Path() const { return home.path(); }
    void Seed(const QByteArray& iniText) const {
        ASSERT_TRUE(QDir(home.path()).mkpath("Brontel"));
        QFile file(home.filePath("Brontel/" + QCoreApplication::applicationName() + ".conf"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(iniText), iniText.size());
    }

private:
    QTemporaryDir home;
    QByteArray saved;
};

// Hands the next modal dialog to `answer` every few milliseconds, from inside its modal loop,
// until the answer returns true; a dialog still open after ten seconds fails the test.
class ModalAnswerer {
public:
    using Answer = std::function<bool(QDialog& dialog)>;
    explicit ModalAnswerer(Answer answer) {
        clock.start();
        QObject::connect(&poller, &QTimer::timeout, [this, answer] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (clock.elapsed() > 10000) {
                poller.stop();
                ADD_FAILURE() << "no dialog came up, or it stayed open";
                if (dialog != nullptr) {
                    dialog->reject();
                }
            } else if (dialog != nullptr && dialog->isVisible() && answer(*dialog)) {
                done = true;
                poller.stop();
            }
        });
        poller.start(5);
    }
    bool Done() const { return done; }

private:
    QTimer poller;
    QElapsedTimer clock;
    bool done = false;
};

inline bool ClickOk(QDialog& dialog) {
    QTest::mouseClick(qobject_cast<CTemplateDialog*>(&dialog)->Control(kIdOk), Qt::LeftButton);
    return true;
}

inline QCheckBox& Box(QDialog& dialog, int id) {
    return *qobject_cast<QCheckBox*>(qobject_cast<CTemplateDialog*>(&dialog)->Control(id));
}

// Where a person clicks a check box: on its indicator.
inline void ClickIndicator(QCheckBox& box) {
    QStyleOptionButton option;
    option.initFrom(&box);
    const QRect indicator =
        box.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box);
    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, indicator.center());
}

// The object the main window's tick timer delivers its expiries to.
inline CTickTimer& TickTimerOf(CArenaFrame& frame) {
    return *frame.findChild<CTickTimer*>(QString(), Qt::FindDirectChildrenOnly);
}

// Counts the tick timer's expiries and swallows them, so that only Tick() advances the battle
// and nothing else runs between two ticks.
class TickGate : public QObject {
public:
    explicit TickGate(CArenaFrame& frame) : timer(TickTimerOf(frame)) {
        timer.installEventFilter(this);
    }
    void Tick() {
        passing = true;
        QTimerEvent event(timerId);
        QCoreApplication::sendEvent(&timer, &event);
        passing = false;
    }

    int count = 0;
    int timerId = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Timer || passing) {
            return false;
        }
        ++count;
        timerId = static_cast<QTimerEvent*>(event)->timerId();
        return true;
    }

private:
    CTickTimer& timer;
    bool passing = false;
};

// Builds the main window, answering the setup dialog its constructor runs with OK.
inline std::unique_ptr<CArenaFrame> MakeFrame() {
    const ModalAnswerer answerer(ClickOk);
    auto frame = std::make_unique<CArenaFrame>();
    EXPECT_TRUE(answerer.Done()) << "the setup dialog was not answered";
    return frame;
}

inline bool ShowAndExpose(CArenaFrame& frame) {
    frame.show();
    return QTest::qWaitForWindowExposed(&frame);
}

inline CArenaCanvas& CanvasOf(CArenaFrame& frame) {
    return *qobject_cast<CArenaCanvas*>(frame.centralWidget());
}

// Resizes the main window until the canvas's client area has the given size.
inline bool ResizeClientTo(CArenaFrame& frame, const QSize& client) {
    return QTest::qWaitFor([&] {
        const QSize now = CanvasOf(frame).contentsRect().size();
        frame.resize(frame.size() + (client - now));
        return now == client;
    });
}

// What the window shows in its client area, in device pixels: the window grabbed from its screen
// (on the offscreen platform, its buffer as last shown), cut to the client area.
inline QImage ShownClient(CArenaFrame& frame) {
    const QImage window =
        frame.screen()->grabWindow(frame.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    return window.copy(CanvasOf(frame).ClientDeviceRect());
}

inline QAction* MenuAction(CArenaFrame& frame, const char* text) {
    for (QAction* action : frame.menuBar()->findChildren<QAction*>()) {
        if (action->text() == QLatin1String(text)) {
            return action;
        }
    }
    return nullptr;
}

// A main window on the screen after OK in its setup dialog, its real ticks held back.
class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame = MakeFrame();
        ASSERT_TRUE(ShowAndExpose(*frame));
        gate = std::make_unique<TickGate>(*frame);
        ASSERT_TRUE(QTest::qWaitFor([&] { return gate->count > 0; })) << "the tick timer is idle";
        frame->Battle().NewRound();  // after whatever ticks ran before the gate
    }
    CShip& Left() { return frame->Battle().leftShip; }
    CShip& Right() { return frame->Battle().rightShip; }
    void Ticks(int count) {
        for (int tick = 0; tick < count; ++tick) {
            gate->Tick();
        }
    }
    // Both sides computer-driven from a new round with a known random state, fully painted.
    void StartKnownBattle() {
        Left().computer = true;
        Right().computer = true;
        SeedRandom(20240517);
        frame->Battle().NewRound();
        frame->PaintAll();
    }

    ScopedConfigHome home;
    std::unique_ptr<CArenaFrame> frame;
    std::unique_ptr<TickGate> gate;
};

inline auto Fields(const CShip& s) {
    return std::tie(s.x, s.y, s.targetX, s.targetY, s.computer, s.energy, s.reload, s.shots);
}

inline bool SameRound(const CBattleRound& a, const CBattleRound& b) {
    return Fields(a.leftShip) == Fields(b.leftShip) && Fields(a.rightShip) == Fields(b.rightShip);
}

inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << r.width() << " x " << r.height() << " at (" << r.x() << ", " << r.y() << ")";
}

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const WorldPoint& point, std::ostream* os) {
    *os << "(" << point.x << ", " << point.y << ")";
}

inline void PrintTo(const ScreenRect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
