#include <gtest/gtest.h>

#include <QWindow>
#include <optional>

#include "GuiTestSupport.h"
#include "SamePixels.h"
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
QRect CentredOver(const QSize& size, const QRect& over) {
    const auto onAxis = [](int size, int low, int extent, int areaEnd) {
        const int position = (2 * low + extent) / 2 - size / 2;
        return position < 0 ? 0 : (position + size > areaEnd ? areaEnd - size : position);
    };
    return {onAxis(size.width(), over.left(), over.width(), kTestScreen.width()),
            onAxis(size.height(), over.top(), over.height(), kTestScreen.height()), size.width(),
            size.height()};
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
                      CentredOver(dialog.frameGeometry().size(), kTestScreen));
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

using MenuCommandsTest = FrameTest;

TEST_F(MenuCommandsTest, NewGameResetsAndRepaintsAtOnceThenRunsTheSetupDialog) {
    StartKnownBattle();
    Ticks(120);
    Left().energy = 120;
    CBattleRound expectedRound = frame->Battle();
    expectedRound.NewRound();
    const GameArt art;
    CSurface expected(frame->Extent().Width(), frame->Extent().Height());
    PaintScene(expectedRound, art.View(), frame->Extent(), expected);
    ModalAnswerer answerer([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Nova hra");
        EXPECT_FALSE(frame->TickRunning());
        EXPECT_TRUE(SameRound(frame->Battle(), expectedRound));
        EXPECT_TRUE(SamePixels(ShownClient(*frame), expected.Image()));
        return ClickOk(dialog);
    });
    MenuAction(*frame, "Nova")->trigger();
    ASSERT_TRUE(answerer.Done());
    EXPECT_TRUE(frame->TickRunning());
}

// Over main windows that leave it room and ones that would make it stick out each way.
TEST_F(MenuCommandsTest, AboutOpensCentredOverTheMainWindowInsideTheWorkAreaWhileTicksGoOn) {
    for (const QRect& mainWindow :
         {QRect(212, 169, 600, 400), QRect(40, 30, 500, 300), QRect(800, 620, 600, 400),
          QRect(-450, 100, 600, 400), QRect(300, -330, 600, 400)}) {
        frame->move(mainWindow.topLeft());
        ASSERT_TRUE(QTest::qWaitFor([&] {
            frame->resize(frame->size() + (mainWindow.size() - frame->frameGeometry().size()));
            return frame->frameGeometry() == mainWindow;
        }));
        std::optional<int> timerEventsWhenShown;
        ModalAnswerer answerer([&](QDialog& dialog) {
            EXPECT_EQ(dialog.frameGeometry(),
                      CentredOver(dialog.frameGeometry().size(), mainWindow));
            EXPECT_TRUE(frame->TickRunning());
            if (!timerEventsWhenShown) {
                timerEventsWhenShown = gate->count;
            }
            return gate->count > *timerEventsWhenShown + 1 && ClickOk(dialog);
        });
        MenuAction(*frame, "O Aplikaci")->trigger();
        ASSERT_TRUE(answerer.Done());
    }
}

}  // namespace
