// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest/QTest>
#include <algorithm>
#include <memory>
#include <ostream>
#include <tuple>
#include <utility>

#include "FrameDriving.h"
#include "ModalAnswerer.h"
#include "ScratchSettingsHome.h"
#include "TickWatch.h"
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

// The scratch settings home, able to seed the settings file for a test.
class ScopedConfigHome : public CScratchSettingsHome {
public:
    void Seed(const QByteArray& iniText) const { ASSERT_TRUE(WriteFile(iniText)); }
};

// The modal-dialog answerer, whose giving up fails the test.
class ModalAnswerer : public CModalAnswerer {
public:
    explicit ModalAnswerer(Answer answer)
        : CModalAnswerer(std::move(answer),
                         [] { ADD_FAILURE() << "no dialog came up, or it stayed open"; }) {}
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
        gate = std::make_unique<CTickWatch>(*frame, CTickWatch::Mode::Hold);
        ASSERT_TRUE(QTest::qWaitFor([&] { return gate->Count() > 0; })) << "the tick timer is idle";
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
    std::unique_ptr<CTickWatch> gate;
};

inline int ShotsInFlight(const CShip& ship) {
    return static_cast<int>(std::ranges::count_if(ship.shots, IsInFlight));
}

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
