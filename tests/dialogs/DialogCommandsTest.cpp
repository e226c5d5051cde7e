// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QWindow>
#include <optional>

#include "GuiTestSupport.h"
#include "SamePixels.h"
#include "SceneReference.h"
#include "dialogs/Commands.h"

namespace {

class CountingTick : public CTickControl {
public:
    void StopTick() override { ++stops; }
    void StartTick() override { ++starts; }
    int stops = 0;
    int starts = 0;
};

// A window of the given size centred over `over`, then pushed inside the work area, the left
// or top edge first.
QRect CentredOver(const QSize& size, const QRect& over, const QRect& workArea) {
    const auto onAxis = [](int size, int low, int extent, int areaLow, int areaExtent) {
        const int position = (2 * low + extent) / 2 - size / 2;
        const int areaEnd = areaLow + areaExtent;
        return position < areaLow ? areaLow
                                  : (position + size > areaEnd ? areaEnd - size : position);
    };
    return {onAxis(size.width(), over.left(), over.width(), workArea.left(), workArea.width()),
            onAxis(size.height(), over.top(), over.height(), workArea.top(), workArea.height()),
            size.width(), size.height()};
}

// Puts a window's outer rectangle at `outer`: moved by its frame's corner, then sized until the
// frame the platform reports around it fits.
bool PlaceFrame(QWidget& window, const QRect& outer) {
    window.move(outer.topLeft());
    return QTest::qWaitFor([&] {
        window.resize(window.size() + (outer.size() - window.frameGeometry().size()));
        return window.frameGeometry() == outer;
    });
}

// A key pressed where a person presses it: in the control with the focus.
ModalAnswerer::Answer Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    return [=](QDialog& dialog) {
        QTest::keyClick(dialog.focusWidget(), key, modifiers);
        return true;
    };
}

// The left side a person's, the right side the computer's, so the two boxes start unlike;
// the dialog opens centred on the work area wherever its owner stands.
TEST(SetupDialog, StopsTheTickShowsTheSidesAndAppliesThemOnlyOnOk) {
    const struct {
        const char* name;
        bool toggle;
        ModalAnswerer::Answer end;
        bool applies;
    } cases[] = {
        {"OK untouched", false, ClickOk, true},
        {"OK", true, ClickOk, true},
        {"Enter", true, Press(Qt::Key_Return), true},
        {"keypad Enter", true, Press(Qt::Key_Enter, Qt::KeypadModifier), true},
        {"Escape", true, Press(Qt::Key_Escape), false},
        {"close button", true, [](QDialog& d) { return d.windowHandle()->close(); }, false},
    };
    QWidget owner;
    owner.setGeometry(700, 500, 300, 200);
    owner.show();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CBattleRound round;
        round.leftShip.computer = false;
        round.rightShip.computer = true;
        CountingTick tick;
        ModalAnswerer answerer([&](QDialog& dialog) {
            EXPECT_EQ(tick.stops - tick.starts, 1);  // stopped while open
            EXPECT_TRUE(Box(dialog, kLeftHumanCheckBox).isChecked());
            EXPECT_FALSE(Box(dialog, kRightHumanCheckBox).isChecked());
            EXPECT_EQ(dialog.frameGeometry(),
                      CentredOver(dialog.frameGeometry().size(), kTestScreen, kTestScreen));
            if (c.toggle) {
                ClickIndicator(Box(dialog, kLeftHumanCheckBox));
                ClickIndicator(Box(dialog, kRightHumanCheckBox));
            }
            return c.end(dialog);
        });
        RunSetupDialog(&owner, round, tick);
        ASSERT_TRUE(answerer.Done());
        EXPECT_EQ(round.leftShip.computer, c.applies && c.toggle);
        EXPECT_EQ(round.rightShip.computer, !(c.applies && c.toggle));
        EXPECT_EQ(tick.stops, 1);
        EXPECT_EQ(tick.starts, 1);
    }
}

// The screens are the primary one (0, 0, 1024, 738) and the second one (1024, 0, 800, 600) to
// its right.
TEST(SetupDialog, OpensCentredOnTheScreenItsOwnerIsOnOrThePrimaryOneBeforeTheOwnerIsShown) {
    const struct {
        const char* name;
        QRect owner;
        bool shown;
        QRect workArea;
    } cases[] = {
        {"on the primary screen", {700, 500, 300, 200}, true, kTestScreen},
        {"on the second screen", {1200, 100, 400, 300}, true, kSecondScreen},
        // 124 x 300 of it on the primary screen, 276 x 300 on the second.
        {"mostly on the second screen", {900, 100, 400, 300}, true, kSecondScreen},
        // 276 pixels right of the primary screen, 50 below the second.
        {"off every screen, nearest the second", {1300, 650, 400, 300}, true, kSecondScreen},
        // 100 pixels left of the primary screen, 1124 of the second.
        {"off every screen, nearest the primary", {-500, 100, 400, 300}, true, kTestScreen},
        {"not shown yet", {1200, 100, 400, 300}, false, kTestScreen},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget owner;
        owner.show();
        ASSERT_TRUE(PlaceFrame(owner, c.owner));
        if (!c.shown) {
            owner.hide();
        }
        CBattleRound round;
        CountingTick tick;
        ModalAnswerer answerer([&](QDialog& dialog) {
            EXPECT_EQ(dialog.frameGeometry(),
                      CentredOver(dialog.frameGeometry().size(), c.workArea, c.workArea));
            return ClickOk(dialog);
        });
        RunSetupDialog(&owner, round, tick);
        ASSERT_TRUE(answerer.Done());
    }
}

using MenuCommandsTest = FrameTest;

TEST_F(MenuCommandsTest, NewGameResetsAndRepaintsAtOnceThenRunsTheSetupDialog) {
    StartKnownBattle();
    Ticks(120);
    Left().energy = 120;
    CBattleRound expectedRound = frame->Battle();
    expectedRound.NewRound();
    // The new round's whole picture, worked out pixel by pixel, with its resolution's repairs.
    const GameArt art;
    CBattleRound resolved = expectedRound;
    const HitOutcome outcome = resolved.Resolve();
    QImage expected(frame->Extent().Width(), frame->Extent().Height(), QImage::Format_RGB32);
    PaintExpectedScene(expected, art.View(), expectedRound, outcome, true);
    ModalAnswerer answerer([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Nova hra");
        EXPECT_FALSE(frame->TickRunning());
        EXPECT_TRUE(SameRound(frame->Battle(), expectedRound));
        EXPECT_TRUE(SamePixels(ShownClient(*frame), expected));
        return ClickOk(dialog);
    });
    MenuAction(*frame, "Nova")->trigger();
    ASSERT_TRUE(answerer.Done());
    EXPECT_TRUE(frame->TickRunning());
}

// Over main windows that leave it room and ones that would make it stick out each way, on
// either screen, and over ones whose centre lies off every screen.
TEST_F(MenuCommandsTest, AboutOpensCentredOverTheMainWindowInsideTheWorkAreaWhileTicksGoOn) {
    const struct {
        QRect mainWindow;
        QRect workArea;
    } cases[] = {
        {{212, 169, 600, 400}, kTestScreen},
        {{40, 30, 500, 300}, kTestScreen},
        {{800, 620, 600, 400}, kTestScreen},
        {{-450, 100, 600, 400}, kTestScreen},
        {{300, -330, 600, 400}, kTestScreen},
        {{1300, 100, 600, 400}, kSecondScreen},
        // Centre (1599, 849): 276 pixels right of the primary screen, 50 below the second.
        {{1300, 650, 600, 400}, kSecondScreen},
        // Centre (1199, 699): 124 x 238 of it on the primary screen, 476 x 100 on the second.
        {{900, 500, 600, 400}, kSecondScreen},
        // Centre (-700, 999): 400 pixels left of the primary screen and 62 below it.
        {{-1000, 800, 600, 400}, kTestScreen},
    };
    for (const auto& [mainWindow, workArea] : cases) {
        ASSERT_TRUE(PlaceFrame(*frame, mainWindow));
        std::optional<int> timerEventsWhenShown;
        ModalAnswerer answerer([&](QDialog& dialog) {
            EXPECT_EQ(dialog.frameGeometry(),
                      CentredOver(dialog.frameGeometry().size(), mainWindow, workArea))
                << mainWindow.x() << ", " << mainWindow.y();
            EXPECT_TRUE(frame->TickRunning());
            if (!timerEventsWhenShown) {
                timerEventsWhenShown = gate->Count();
            }
            return gate->Count() > *timerEventsWhenShown + 1 && ClickOk(dialog);
        });
        MenuAction(*frame, "O Aplikaci")->trigger();
        ASSERT_TRUE(answerer.Done());
    }
}

}  // namespace
