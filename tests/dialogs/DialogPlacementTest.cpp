#include <gtest/gtest.h>

#include <QWidget>
#include <QtTest/QTest>
#include <optional>
#include <string>

#include "GuiTestSupport.h"
#include "app/ArenaFrame.h"
#include "battle/BattleRound.h"
#include "dialogs/Commands.h"
#include "dialogs/TickControl.h"

// Where the dialogs open: the setup dialog centred on the work area, the About box centred over
// the main window and moved inside the work area where it would stick out.

namespace {

class IdleTick : public CTickControl {
public:
    void StopTick() override {}
    void StartTick() override {}
};

// The centring rule for an outer rectangle of the given size: its centre on the centre of
// `over`, each halving truncated, then pushed inside the test screen's work area, (0, 0) to
// (1024, 738), the left or top edge first.
QPoint CentredOver(const QSize& size, const QRect& over) {
    constexpr int kLeft = 0, kTop = 0, kRight = 1024, kBottom = 738;
    const int overRight = over.left() + over.width();
    const int overBottom = over.top() + over.height();
    int x = (over.left() + overRight) / 2 - size.width() / 2;
    if (x < kLeft) {
        x = kLeft;
    } else if (x + size.width() > kRight) {
        x = kRight - size.width();
    }
    int y = (over.top() + overBottom) / 2 - size.height() / 2;
    if (y < kTop) {
        y = kTop;
    } else if (y + size.height() > kBottom) {
        y = kBottom - size.height();
    }
    return {x, y};
}

// Answers a dialog with OK after noting where it stands on the screen.
ModalAnswerer::Answer NoteOuterRect(std::optional<QRect>& outer) {
    return [&outer](QDialog& dialog) {
        outer = dialog.frameGeometry();
        return ClickOk(dialog);
    };
}

class DialogPlacementTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(home.IsValid()); }

    ScopedConfigHome home;
};

TEST_F(DialogPlacementTest, SetupDialogAtStartUpOpensCentredOnTheWorkArea) {
    std::optional<QRect> outer;
    const auto frame = MakeFrame(NoteOuterRect(outer));
    ASSERT_TRUE(outer.has_value());
    EXPECT_EQ(outer->topLeft(), CentredOver(outer->size(), kTestScreen));
}

TEST_F(DialogPlacementTest, SetupDialogOfANewGameOpensCentredOnTheWorkAreaWhereverTheOwnerIs) {
    QWidget owner;
    owner.setGeometry(700, 500, 300, 200);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner, kWaitLimitMs));
    CBattleRound round;
    IdleTick tick;
    std::optional<QRect> outer;
    ModalAnswerer answerer(NoteOuterRect(outer));
    RunSetupDialog(&owner, round, tick);
    ASSERT_TRUE(answerer.Done());
    EXPECT_EQ(outer->topLeft(), CentredOver(outer->size(), kTestScreen));
}

struct AboutCase {
    const char* name;
    QRect mainWindow;  // its outer rectangle
};

void PrintTo(const AboutCase& c, std::ostream* os) {
    *os << c.name;
}

const AboutCase kAbouts[] = {
    {"CentredOverACentredMainWindow", {212, 169, 600, 400}},
    {"CentredOverAMainWindowOffCentre", {40, 30, 500, 300}},
    {"PushedInsideAtTheRightEdge", {700, 150, 600, 400}},
    {"PushedInsideAtTheBottomEdge", {100, 560, 600, 400}},
    {"PushedInsideAtTheBottomRightCorner", {800, 620, 600, 400}},
    {"PushedInsideAtTheLeftEdge", {-450, 100, 600, 400}},
    {"PushedInsideAtTheTopEdge", {300, -330, 600, 400}},
};

class AboutPlacement : public DialogPlacementTest,
                       public ::testing::WithParamInterface<AboutCase> {};

TEST_P(AboutPlacement, AboutBoxOpensCentredOverTheMainWindowInsideTheWorkArea) {
    const auto frame = MakeFrame();
    ASSERT_TRUE(ShowAndExpose(*frame));
    const QRect wanted = GetParam().mainWindow;
    frame->move(wanted.topLeft());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            if (frame->frameGeometry().size() != wanted.size()) {
                frame->resize(frame->size() + (wanted.size() - frame->frameGeometry().size()));
            }
            return frame->frameGeometry() == wanted;
        },
        kWaitLimitMs))
        << "the main window did not get to its place";

    std::optional<QRect> outer;
    ModalAnswerer answerer(NoteOuterRect(outer));
    RunAboutCommand(frame.get());
    ASSERT_TRUE(answerer.Done());
    EXPECT_EQ(outer->topLeft(), CentredOver(outer->size(), wanted));
}

INSTANTIATE_TEST_SUITE_P(Dialogs, AboutPlacement, ::testing::ValuesIn(kAbouts),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
