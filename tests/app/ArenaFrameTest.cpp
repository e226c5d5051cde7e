#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QWindow>
#include <QtTest/QTest>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "GuiTestSupport.h"
#include "app/ArenaFrame.h"
#include "app/DuelApp.h"
#include "app/SettingsStore.h"
#include "dialogs/TemplateDialog.h"
#include "resources/DialogTemplates.h"

// The main window's placement, the settings it reads and writes, and its way out.

namespace {

// The centring rule on the test screen's work area (0, 0) to (1024, 738): the centre of the
// work area minus half the outer size, each halving truncated, then pushed inside the work
// area, the left or top edge first.
QRect CentredOnWorkArea(int width, int height) {
    constexpr int kLeft = 0, kTop = 0, kRight = 1024, kBottom = 738;
    int x = (kLeft + kRight) / 2 - width / 2;
    if (x < kLeft) {
        x = kLeft;
    } else if (x + width > kRight) {
        x = kRight - width;
    }
    int y = (kTop + kBottom) / 2 - height / 2;
    if (y < kTop) {
        y = kTop;
    } else if (y + height > kBottom) {
        y = kBottom - height;
    }
    return {x, y, width, height};
}

WindowRect AsWindowRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

std::string ToString(const WindowRect& r) {
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) +
           " " + std::to_string(r.bottom);
}

bool IsChecked(QDialog& dialog, int id) {
    CTemplateDialog* built = AsTemplateDialog(dialog);
    auto* box = built ? qobject_cast<QCheckBox*>(built->Control(id)) : nullptr;
    if (box == nullptr) {
        ADD_FAILURE() << "no check box " << id;
        return false;
    }
    return box->isChecked();
}

void ClickCheckBox(QDialog& dialog, int id) {
    CTemplateDialog* built = AsTemplateDialog(dialog);
    auto* box = built ? qobject_cast<QCheckBox*>(built->Control(id)) : nullptr;
    ASSERT_NE(box, nullptr) << "no check box " << id;
    ClickIndicator(*box);
}

class ArenaFrameTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(home.IsValid()); }

    ScopedConfigHome home;
};

TEST_F(ArenaFrameTest, FirstRunOpens600By400CentredOnTheWorkAreaWithBothSidesPersonDriven) {
    const auto frame = MakeFrame();
    ASSERT_TRUE(ShowAndExpose(*frame));
    // x = (0 + 1024) / 2 - 600 / 2 = 212, y = (0 + 738) / 2 - 400 / 2 = 169.
    EXPECT_EQ(frame->frameGeometry(), QRect(212, 169, 600, 400));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Skirmora"));
    EXPECT_FALSE(frame->Battle().leftShip.computer);
    EXPECT_FALSE(frame->Battle().rightShip.computer);
}

using SettingWrite = std::tuple<std::string, std::string, bool>;

TEST_F(ArenaFrameTest,
       FirstRunThroughTheApplicationWritesPozicePl2Pl1OnlyWhenTheWindowIsDestroyed) {
    auto* application = qobject_cast<CDuelApp*>(QCoreApplication::instance());
    ASSERT_NE(application, nullptr);
    std::vector<SettingWrite> writes;
    SetSettingWriteObserver([&](const QString& section, const QString& value, bool written) {
        writes.emplace_back(section.toStdString(), value.toStdString(), written);
    });

    {
        ModalAnswerer answerer(ClickOk);
        EXPECT_TRUE(application->InitInstance());
        EXPECT_TRUE(answerer.Done());
    }
    CArenaFrame* frame = application->MainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame, kWaitLimitMs));
    EXPECT_EQ(RunEventLoop([frame] { frame->close(); }), 0);
    // Nothing is written while the game runs, closing included.
    EXPECT_TRUE(writes.empty());
    EXPECT_FALSE(home.Stored("Vzhled", "pozice").has_value());

    application->DestroyMainFrame();
    SetSettingWriteObserver(nullptr);

    const std::vector<SettingWrite> expected{
        {"Vzhled", "pozice", true}, {"Hra", "PL2", true}, {"Hra", "PL1", true}};
    EXPECT_EQ(writes, expected);
    EXPECT_EQ(home.Stored("Vzhled", "pozice"), QStringLiteral("0212 0169 0812 0569"));
    EXPECT_EQ(home.Stored("Hra", "PL1"), QStringLiteral("0"));
    EXPECT_EQ(home.Stored("Hra", "PL2"), QStringLiteral("0"));
}

struct PlacementCase {
    const char* name;
    const char* stored;
    QRect expectedFrame;
};

void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.name;
}

const PlacementCase kPlacements[] = {
    // 900 - 100 = 800 wide, 650 - 50 = 600 high; (1024 / 2 - 400, 738 / 2 - 300) = (112, 69).
    {"StoredSizeOpensCentredAndTheStoredPositionIsNotUsed", "0100 0050 0900 0650",
     QRect(112, 69, 800, 600)},
    {"EmptyTextOpensAtTheFirstRunSize", "", CentredOnWorkArea(600, 400)},
    // 1300 x 900 does not fit: the top-left corner goes to the work area's, the size to the
    // screen's.
    {"LargerThanTheWorkAreaSitsAtItsTopLeftCutToTheScreen", "0000 0000 1300 0900",
     QRect(0, 0, 1024, 738)},
    // Two five-character fields push right and bottom onto blanks before "0": the rectangle
    // read is (-1200, -1100, 0, 0), 1200 x 1100, larger than the work area.
    {"TwoLongFieldsReadRightAndBottomZero", "-1200 -1100 0700 0450", QRect(0, 0, 1024, 738)},
    // Read as (-1500, 100, -1100, 0): the height 0 - 100 is negative.
    {"NegativeHeightOpensAtTheFirstRunSize", "-1500 0100 -1100 0500", CentredOnWorkArea(600, 400)},
    {"BottomAboveTopOpensAtTheFirstRunSize", "0100 0500 0700 0100", CentredOnWorkArea(600, 400)},
    {"ZeroWidthOpensAtTheFirstRunSize", "0300 0100 0300 0500", CentredOnWorkArea(600, 400)},
};

class StoredPlacement : public ArenaFrameTest,
                        public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(StoredPlacement, OpensAtTheOuterRectangleOfTheCentringRule) {
    home.Seed(QByteArray("[Vzhled]\npozice=") + GetParam().stored + "\n");
    const auto frame = MakeFrame();
    ASSERT_TRUE(ShowAndExpose(*frame));
    EXPECT_EQ(frame->frameGeometry(), GetParam().expectedFrame);
}

INSTANTIATE_TEST_SUITE_P(ArenaFrame, StoredPlacement, ::testing::ValuesIn(kPlacements),
                         [](const auto& info) { return std::string(info.param.name); });

struct SidesCase {
    const char* name;
    const char* stored;
    bool leftChecked;
    bool rightChecked;
    const char* writtenPl1;
    const char* writtenPl2;
};

void PrintTo(const SidesCase& c, std::ostream* os) {
    *os << c.name;
}

const SidesCase kSides[] = {
    {"NothingStoredBothPersonDriven", "", true, true, "0", "0"},
    {"Pl1OneAndPl2MissingLeftComputerRightPerson", "[Hra]\nPL1=1\n", false, true, "1", "0"},
    {"Pl2OneRightComputer", "[Hra]\nPL1=0\nPL2=1\n", true, false, "0", "1"},
    {"BothOneBothComputer", "[Hra]\nPL1=1\nPL2=1\n", false, false, "1", "1"},
    {"TwoIsPersonDrivenAndWrittenBackAsZero", "[Hra]\nPL1=2\nPL2=2\n", true, true, "0", "0"},
    {"MinusOneIsPersonDriven", "[Hra]\nPL1=-1\nPL2=-1\n", true, true, "0", "0"},
};

class StoredSides : public ArenaFrameTest, public ::testing::WithParamInterface<SidesCase> {};

TEST_P(StoredSides, StartUpDialogShowsThemAndOkWritesThemBackUnchanged) {
    home.Seed(GetParam().stored);
    bool leftChecked = false;
    bool rightChecked = false;
    auto frame = MakeFrame([&](QDialog& dialog) {
        leftChecked = IsChecked(dialog, kLeftHumanCheckBox);
        rightChecked = IsChecked(dialog, kRightHumanCheckBox);
        return ClickOk(dialog);
    });
    EXPECT_EQ(leftChecked, GetParam().leftChecked);
    EXPECT_EQ(rightChecked, GetParam().rightChecked);
    EXPECT_EQ(frame->Battle().leftShip.computer, !GetParam().leftChecked);
    EXPECT_EQ(frame->Battle().rightShip.computer, !GetParam().rightChecked);

    frame.reset();
    EXPECT_EQ(home.Stored("Hra", "PL1"), QString::fromLatin1(GetParam().writtenPl1));
    EXPECT_EQ(home.Stored("Hra", "PL2"), QString::fromLatin1(GetParam().writtenPl2));
}

INSTANTIATE_TEST_SUITE_P(ArenaFrame, StoredSides, ::testing::ValuesIn(kSides),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ArenaFrameTest, SidesChosenInTheStartUpDialogReachTheStoreAtTheEnd) {
    home.Seed("[Hra]\nPL1=1\n");
    auto frame = MakeFrame([](QDialog& dialog) {
        ClickCheckBox(dialog, kLeftHumanCheckBox);   // cleared -> checked: a person
        ClickCheckBox(dialog, kRightHumanCheckBox);  // checked -> cleared: the computer
        return ClickOk(dialog);
    });
    EXPECT_FALSE(frame->Battle().leftShip.computer);
    EXPECT_TRUE(frame->Battle().rightShip.computer);
    // Only the end of the run writes.
    EXPECT_EQ(home.Stored("Hra", "PL1"), QStringLiteral("1"));
    EXPECT_FALSE(home.Stored("Hra", "PL2").has_value());

    frame.reset();
    EXPECT_EQ(home.Stored("Hra", "PL1"), QStringLiteral("0"));
    EXPECT_EQ(home.Stored("Hra", "PL2"), QStringLiteral("1"));
}

struct CloseCase {
    const char* name;
    std::function<void(CArenaFrame&)> close;
};

void PrintTo(const CloseCase& c, std::ostream* os) {
    *os << c.name;
}

const CloseCase kCloses[] = {
    {"CloseOfTheWindow", [](CArenaFrame& frame) { frame.close(); }},
    {"ExitMenuItem",
     [](CArenaFrame& frame) {
         QAction* exit = MenuAction(frame, QStringLiteral("&Konec"));
         ASSERT_NE(exit, nullptr);
         exit->trigger();
     }},
    // What the title bar's close button and the window manager's close request arrive as.
    {"CloseRequestOfTheWindowSystem", [](CArenaFrame& frame) { frame.windowHandle()->close(); }},
};

class Closing : public ArenaFrameTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(Closing, RecordsTheRestoredRectangleAndEndsTheLoopWithZero) {
    auto frame = MakeFrame();
    ASSERT_TRUE(ShowAndExpose(*frame));
    const QRect outer = frame->frameGeometry();

    EXPECT_EQ(RunEventLoop([&] { GetParam().close(*frame); }), 0);
    EXPECT_EQ(frame->NormalRect(), AsWindowRect(outer)) << ToString(frame->NormalRect());
    // The window is not destroyed by closing; the object's destruction does that.
    EXPECT_TRUE(frame->isVisible());

    frame.reset();
    EXPECT_EQ(home.Stored("Vzhled", "pozice"), QStringLiteral("0212 0169 0812 0569"));
}

INSTANTIATE_TEST_SUITE_P(ArenaFrame, Closing, ::testing::ValuesIn(kCloses),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ArenaFrameTest, ClosingWhileMaximisedStoresTheRectangleBeforeMaximising) {
    auto frame = MakeFrame();
    ASSERT_TRUE(ShowAndExpose(*frame));
    const QRect restored = frame->frameGeometry();
    frame->setWindowState(Qt::WindowMaximized);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return frame->frameGeometry() == kTestScreen; }, kWaitLimitMs))
        << "the platform did not maximise the window";

    EXPECT_EQ(RunEventLoop([&] { frame->close(); }), 0);
    EXPECT_EQ(frame->NormalRect(), AsWindowRect(restored)) << ToString(frame->NormalRect());
    frame.reset();
    EXPECT_EQ(home.Stored("Vzhled", "pozice"), QStringLiteral("0212 0169 0812 0569"));
}

struct ReopenCase {
    const char* name;
    const char* seed;
    const char* storedAfterEachRun;
};

void PrintTo(const ReopenCase& c, std::ostream* os) {
    *os << c.name;
}

const ReopenCase kReopens[] = {
    {"FirstRun", "", "0212 0169 0812 0569"},
    // 800 x 600 centred at (112, 69): right 912, bottom 669.
    {"StoredElsewhere", "[Vzhled]\npozice=0100 0050 0900 0650\n", "0112 0069 0912 0669"},
};

class Reopening : public ArenaFrameTest, public ::testing::WithParamInterface<ReopenCase> {};

TEST_P(Reopening, OpeningAndClosingAgainLeavesTheStoredRectangleUnchanged) {
    home.Seed(GetParam().seed);
    for (int run = 1; run <= 2; ++run) {
        auto frame = MakeFrame();
        ASSERT_TRUE(ShowAndExpose(*frame));
        ASSERT_EQ(RunEventLoop([&] { frame->close(); }), 0);
        frame.reset();
        EXPECT_EQ(home.Stored("Vzhled", "pozice"),
                  QString::fromLatin1(GetParam().storedAfterEachRun))
            << "after run " << run;
    }
}

INSTANTIATE_TEST_SUITE_P(ArenaFrame, Reopening, ::testing::ValuesIn(kReopens),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
