#include <gtest/gtest.h>

#include <QCheckBox>
#include <QWindow>
#include <QtTest/QTest>
#include <functional>
#include <string>

#include "GuiTestSupport.h"
#include "battle/BattleRound.h"
#include "dialogs/NewGameDlg.h"
#include "dialogs/TickControl.h"
#include "resources/DialogTemplates.h"

// The setup dialog's behaviour: it stops the battle's tick while it is open, shows the sides'
// drivers in its check boxes, applies them on OK and keeps them on cancel, and restarts the
// tick either way.

namespace {

// Stands for the main window's tick: whether it runs, and how often it was stopped and started.
class CountingTick : public CTickControl {
public:
    void StopTick() override {
        ++stops;
        running = false;
    }
    void StartTick() override {
        ++starts;
        running = true;
    }

    bool running = true;
    int stops = 0;
    int starts = 0;
};

QCheckBox& Box(QDialog& dialog, int id) {
    auto* box = qobject_cast<QCheckBox*>(AsTemplateDialog(dialog)->Control(id));
    Q_ASSERT(box != nullptr);
    return *box;
}

// Enter where a person presses it: in the control that has the focus.
bool PressEnter(QDialog& dialog) {
    QWidget* focus = dialog.focusWidget();
    QTest::keyClick(focus ? focus : &dialog, Qt::Key_Return);
    return true;
}

bool PressKeypadEnter(QDialog& dialog) {
    QWidget* focus = dialog.focusWidget();
    QTest::keyClick(focus ? focus : &dialog, Qt::Key_Enter, Qt::KeypadModifier);
    return true;
}

// The title bar's close button reaches the dialog as the window system's close request.
bool CloseByTheWindowSystem(QDialog& dialog) {
    dialog.windowHandle()->close();
    return true;
}

class NewGameDlgTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(home.IsValid()); }

    void SetSides(bool leftComputer, bool rightComputer) {
        round.leftShip.computer = leftComputer;
        round.rightShip.computer = rightComputer;
    }

    ScopedConfigHome home;
    CBattleRound round;
    CountingTick tick;
};

TEST_F(NewGameDlgTest, ConstructionStopsTheTick) {
    const CNewGameDlg dialog(nullptr, round, tick);
    EXPECT_FALSE(tick.running);
    EXPECT_EQ(tick.stops, 1);
    EXPECT_EQ(tick.starts, 0);
}

struct ShownCase {
    const char* name;
    bool leftComputer;
    bool rightComputer;
};

void PrintTo(const ShownCase& c, std::ostream* os) {
    *os << c.name;
}

const ShownCase kShown[] = {
    {"BothPersonDriven", false, false},
    {"LeftComputerDriven", true, false},
    {"RightComputerDriven", false, true},
    {"BothComputerDriven", true, true},
};

class ShownSides : public NewGameDlgTest, public ::testing::WithParamInterface<ShownCase> {};

TEST_P(ShownSides, CheckBoxIsCheckedForAPersonAndClearedForTheComputer) {
    SetSides(GetParam().leftComputer, GetParam().rightComputer);
    CNewGameDlg dialog(nullptr, round, tick);
    bool leftChecked = false;
    bool rightChecked = false;
    ModalAnswerer answerer([&](QDialog& shown) {
        leftChecked = Box(shown, kLeftHumanCheckBox).isChecked();
        rightChecked = Box(shown, kRightHumanCheckBox).isChecked();
        return ClickOk(shown);
    });
    dialog.exec();
    ASSERT_TRUE(answerer.Done());
    EXPECT_EQ(leftChecked, !GetParam().leftComputer);
    EXPECT_EQ(rightChecked, !GetParam().rightComputer);
}

INSTANTIATE_TEST_SUITE_P(NewGameDlg, ShownSides, ::testing::ValuesIn(kShown),
                         [](const auto& info) { return std::string(info.param.name); });

struct EndCase {
    const char* name;
    bool toggleLeft;
    bool toggleRight;
    ModalAnswerer::Answer end;
    bool applies;  // OK applies the boxes; cancelling keeps the sides
    int result;
};

void PrintTo(const EndCase& c, std::ostream* os) {
    *os << c.name;
}

const EndCase kEnds[] = {
    {"OkButtonUntouchedKeepsTheSides", false, false, ClickOk, true, QDialog::Accepted},
    {"OkButtonAppliesTheLeftBox", true, false, ClickOk, true, QDialog::Accepted},
    {"OkButtonAppliesTheRightBox", false, true, ClickOk, true, QDialog::Accepted},
    {"OkButtonAppliesBothBoxes", true, true, ClickOk, true, QDialog::Accepted},
    {"EnterAppliesBothBoxes", true, true, PressEnter, true, QDialog::Accepted},
    {"KeypadEnterAppliesBothBoxes", true, true, PressKeypadEnter, true, QDialog::Accepted},
    {"EscapeKeepsTheSides", true, true, PressEscape, false, QDialog::Rejected},
    {"CloseButtonKeepsTheSides", true, true, CloseByTheWindowSystem, false, QDialog::Rejected},
};

class EndingTheDialog : public NewGameDlgTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(EndingTheDialog, SetsTheSidesAsTheCaseSaysAndRestartsTheTick) {
    const EndCase& c = GetParam();
    // A person on the left and the computer on the right, so each box starts differently.
    SetSides(false, true);
    CNewGameDlg dialog(nullptr, round, tick);
    ModalAnswerer answerer([&](QDialog& shown) {
        if (c.toggleLeft) {
            ClickIndicator(Box(shown, kLeftHumanCheckBox));
        }
        if (c.toggleRight) {
            ClickIndicator(Box(shown, kRightHumanCheckBox));
        }
        return c.end(shown);
    });
    EXPECT_EQ(dialog.exec(), c.result);
    ASSERT_TRUE(answerer.Done());

    const bool leftComputer = c.applies && c.toggleLeft;
    const bool rightComputer = !(c.applies && c.toggleRight);
    EXPECT_EQ(round.leftShip.computer, leftComputer);
    EXPECT_EQ(round.rightShip.computer, rightComputer);
    EXPECT_TRUE(tick.running);
    EXPECT_EQ(tick.starts, 1);
}

INSTANTIATE_TEST_SUITE_P(NewGameDlg, EndingTheDialog, ::testing::ValuesIn(kEnds),
                         [](const auto& info) { return std::string(info.param.name); });

struct FieldCase {
    const char* name;
    int field;
    bool checked;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.name;
}

const FieldCase kFields[] = {
    {"OneIsChecked", 1, true},
    {"ZeroIsCleared", 0, false},
    {"MinusOneIsOutsideAndCleared", -1, false},
    {"ThreeIsOutsideAndCleared", 3, false},
    {"LargeIsOutsideAndCleared", 1000, false},
};

class FieldShown : public NewGameDlgTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(FieldShown, FieldOutsideZeroToTwoShowsAsCleared) {
    // The computer on both sides, so the fields would show cleared if they were left alone...
    SetSides(true, true);
    CNewGameDlg dialog(nullptr, round, tick);
    // ...and both are set before the dialog opens, one of them to the value under test.
    dialog.leftHuman = GetParam().field;
    dialog.rightHuman = 1;
    bool leftChecked = !GetParam().checked;
    bool rightChecked = false;
    ModalAnswerer answerer([&](QDialog& shown) {
        leftChecked = Box(shown, kLeftHumanCheckBox).isChecked();
        rightChecked = Box(shown, kRightHumanCheckBox).isChecked();
        return ClickOk(shown);
    });
    dialog.exec();
    ASSERT_TRUE(answerer.Done());
    EXPECT_EQ(leftChecked, GetParam().checked);
    EXPECT_TRUE(rightChecked);
    // OK reads the boxes back: what was shown is what applies.
    EXPECT_EQ(round.leftShip.computer, !GetParam().checked);
    EXPECT_FALSE(round.rightShip.computer);
}

INSTANTIATE_TEST_SUITE_P(NewGameDlg, FieldShown, ::testing::ValuesIn(kFields),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
