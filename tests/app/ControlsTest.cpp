#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QtTest/QTest>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "app/ArenaCanvas.h"
#include "app/ArenaFrame.h"
#include "app/KeyTranslation.h"

// The player controls as the main window receives them: pointer, left button and keys, driven
// through the real widgets, and the translation of Qt's keys into the codes of the key table.

namespace {

int ShotsInFlight(const CShip& ship) {
    int count = 0;
    for (const WorldPoint& shot : ship.shots) {
        count += IsInFlight(shot) ? 1 : 0;
    }
    return count;
}

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.IsValid());
        frame = MakeFrame();  // OK at start-up: both sides person-driven
        ASSERT_TRUE(ShowAndExpose(*frame));
        probe = std::make_unique<TickProbe>(*frame);
        ASSERT_TRUE(probe->WaitForMore(2)) << "the tick timer delivers no ticks";
        frame->Battle().NewRound();
    }

    CArenaCanvas& Canvas() { return CanvasOf(*frame); }
    CShip& Left() { return frame->Battle().leftShip; }
    CShip& Right() { return frame->Battle().rightShip; }
    void Tick() { DeliverTick(*frame, probe->LatestTimerId()); }

    // A point of the client area in the canvas's own coordinates.
    QPoint Client(int x, int y) { return Canvas().contentsRect().topLeft() + QPoint(x, y); }

    // Moves the pointer over the client area through the window system, as a person does.
    void MovePointerTo(const QPoint& client) {
        // The platform reports no move to where the pointer already is; a step aside first
        // makes sure the last report is the one under test.
        QTest::mouseMove(&Canvas(), Client(client.x() + 1, client.y() + 1));
        QTest::mouseMove(&Canvas(), Client(client.x(), client.y()));
    }

    void ClickLeft() { QTest::mouseClick(&Canvas(), Qt::LeftButton, {}, Client(100, 100)); }

    // The right ship at (400, 150) with a target of its own that no key produces.
    void PlaceRightShip() {
        Right().x = 400;
        Right().y = 150;
        Right().targetX = kSentinel.x;
        Right().targetY = kSentinel.y;
    }

    WorldPoint RightTarget() { return {Right().targetX, Right().targetY}; }
    WorldPoint LeftTarget() { return {Left().targetX, Left().targetY}; }

    static constexpr WorldPoint kSentinel{345, 99};

    ScopedConfigHome home;
    std::unique_ptr<CArenaFrame> frame;
    std::unique_ptr<TickProbe> probe;
};

struct PointerCase {
    const char* name;
    QSize client;
    QPoint pointer;
    WorldPoint target;
};

void PrintTo(const PointerCase& c, std::ostream* os) {
    *os << c.name;
}

// targetX = px / (W x kx) and targetY = py / (H x ky) in doubles, truncated, with kx and ky the
// doubles nearest to 1/600 and 1/400. 800 x kx rounds to 1.3333333333333335, a little above
// 4/3, so quotients that would be whole fall just below; 1200 x kx is exactly 2, and H x ky is
// exactly 1 for H = 400 and 2 for H = 800.
const PointerCase kPointers[] = {
    {"At600x400TheTargetIsThePointerAtTheOrigin", {600, 400}, {0, 0}, {0, 0}},
    {"At600x400TheTargetIsThePointerInside", {600, 400}, {123, 45}, {123, 45}},
    {"At600x400TheTargetIsThePointerAtTheFarCorner", {600, 400}, {599, 399}, {599, 399}},
    {"At800x400PointerX400Gives299", {800, 400}, {400, 10}, {299, 10}},
    {"At800x400PointerX4Gives2", {800, 400}, {4, 399}, {2, 399}},
    {"At800x400PointerX799Gives599", {800, 400}, {799, 200}, {599, 200}},
    {"At1200x800TheFarCornerGives599And399", {1200, 800}, {1199, 799}, {599, 399}},
    {"At1200x800HalvesAreTruncated", {1200, 800}, {3, 5}, {1, 2}},
};

class PointerControl : public ControlsTest, public ::testing::WithParamInterface<PointerCase> {};

TEST_P(PointerControl, SetsTheLeftShipsTargetByThePointerRule) {
    ASSERT_TRUE(ResizeClientTo(*frame, GetParam().client));
    ASSERT_EQ(frame->Extent().Width(), GetParam().client.width());
    ASSERT_EQ(frame->Extent().Height(), GetParam().client.height());
    MovePointerTo(GetParam().pointer);
    EXPECT_EQ(LeftTarget(), GetParam().target);
}

INSTANTIATE_TEST_SUITE_P(Controls, PointerControl, ::testing::ValuesIn(kPointers),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlsTest, LeftClicksFireAtMostOncePerFiveTicks) {
    std::vector<int> firedAt;
    for (int tick = 0; tick < 16; ++tick) {
        const int before = ShotsInFlight(Left());
        ClickLeft();
        if (ShotsInFlight(Left()) > before) {
            firedAt.push_back(tick);
        }
        Tick();
    }
    // The reload counter is 0 after a new round and after each launch and grows by one a
    // tick; a launch needs 5.
    EXPECT_EQ(firedAt, (std::vector<int>{5, 10, 15}));
}

TEST_F(ControlsTest, DoubleClickFiresOnlyWithItsFirstPress) {
    for (int tick = 0; tick < 10; ++tick) {
        Tick();
    }
    const QPoint at = Client(100, 100);
    QTest::mousePress(&Canvas(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(&Canvas(), Qt::LeftButton, {}, at);
    ASSERT_EQ(ShotsInFlight(Left()), 1);
    // Reloaded again: a single press now would fire.
    for (int tick = 0; tick < 5; ++tick) {
        Tick();
    }
    ASSERT_GE(Left().reload, 5);
    QTest::mouseDClick(&Canvas(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(&Canvas(), Qt::LeftButton, {}, at);
    EXPECT_EQ(ShotsInFlight(Left()), 1);
}

TEST_F(ControlsTest, KeysReachTheCanvas) {
    EXPECT_EQ(QApplication::focusWidget(), &Canvas());
}

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::optional<WorldPoint> target;  // none: the target stays as it was
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

// The right ship's box runs from (330, 36) to (560, 280); the ship stands at (400, 150).
constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;
const KeyCase kKeys[] = {
    {"LeftGoesToTheLeftEdge", Qt::Key_Left, {}, WorldPoint{330, 150}},
    {"UpGoesToTheTopEdge", Qt::Key_Up, {}, WorldPoint{400, 36}},
    {"RightGoesToTheRightEdge", Qt::Key_Right, {}, WorldPoint{560, 150}},
    {"DownGoesToTheBottomEdge", Qt::Key_Down, {}, WorldPoint{400, 280}},
    {"HomeGoesToTheTopLeftCorner", Qt::Key_Home, {}, WorldPoint{330, 36}},
    {"EndGoesToTheBottomLeftCorner", Qt::Key_End, {}, WorldPoint{330, 280}},
    {"InsertStops", Qt::Key_Insert, {}, WorldPoint{400, 150}},
    {"ShiftDoesNotChangeAKey", Qt::Key_Left, Qt::ShiftModifier, WorldPoint{330, 150}},
    {"Keypad0Stops", Qt::Key_0, kPad, WorldPoint{400, 150}},
    {"Keypad1GoesToTheBottomLeftCorner", Qt::Key_1, kPad, WorldPoint{330, 280}},
    {"Keypad2GoesToTheBottomEdge", Qt::Key_2, kPad, WorldPoint{400, 280}},
    {"Keypad3GoesToTheBottomRightCorner", Qt::Key_3, kPad, WorldPoint{560, 280}},
    {"Keypad4GoesToTheLeftEdge", Qt::Key_4, kPad, WorldPoint{330, 150}},
    {"Keypad6GoesToTheRightEdge", Qt::Key_6, kPad, WorldPoint{560, 150}},
    {"Keypad7GoesToTheTopLeftCorner", Qt::Key_7, kPad, WorldPoint{330, 36}},
    {"Keypad8GoesToTheTopEdge", Qt::Key_8, kPad, WorldPoint{400, 36}},
    {"Keypad9GoesToTheTopRightCorner", Qt::Key_9, kPad, WorldPoint{560, 36}},
    // Without Num Lock the keypad sends navigation keys, which keep working...
    {"Keypad7WithoutNumLockIsHome", Qt::Key_Home, kPad, WorldPoint{330, 36}},
    {"Keypad4WithoutNumLockIsLeft", Qt::Key_Left, kPad, WorldPoint{330, 150}},
    {"Keypad0WithoutNumLockIsInsert", Qt::Key_Insert, kPad, WorldPoint{400, 150}},
    // ...except Page Up and Page Down, which have no action.
    {"Keypad9WithoutNumLockIsPageUpAndDoesNothing", Qt::Key_PageUp, kPad, std::nullopt},
    {"Keypad3WithoutNumLockIsPageDownAndDoesNothing", Qt::Key_PageDown, kPad, std::nullopt},
    {"PageUpDoesNothing", Qt::Key_PageUp, {}, std::nullopt},
    {"PageDownDoesNothing", Qt::Key_PageDown, {}, std::nullopt},
    {"Keypad5DoesNothing", Qt::Key_5, kPad, std::nullopt},
    {"Keypad5WithoutNumLockIsClearAndDoesNothing", Qt::Key_Clear, kPad, std::nullopt},
    {"ALetterDoesNothing", Qt::Key_A, {}, std::nullopt},
    {"TheDigitRowIsNotTheKeypad", Qt::Key_1, {}, std::nullopt},
};

class KeyControl : public ControlsTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyControl, SetsTheRightShipsTargetByTheKeyTable) {
    PlaceRightShip();
    QTest::keyClick(&Canvas(), GetParam().key, GetParam().modifiers);
    EXPECT_EQ(RightTarget(), GetParam().target.value_or(kSentinel));
    EXPECT_EQ(ShotsInFlight(Right()), 0);
}

INSTANTIATE_TEST_SUITE_P(Controls, KeyControl, ::testing::ValuesIn(kKeys),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlsTest, SpaceBarFiresTheRightShipAndLeavesItsTarget) {
    for (int tick = 0; tick < 10; ++tick) {
        Tick();
    }
    PlaceRightShip();
    QTest::keyClick(&Canvas(), Qt::Key_Space);
    ASSERT_EQ(ShotsInFlight(Right()), 1);
    // The lowest slot, 20 units left of the ship.
    EXPECT_EQ(Right().shots[0], (WorldPoint{380, 150}));
    EXPECT_EQ(RightTarget(), kSentinel);
}

TEST_F(ControlsTest, AnAutoRepeatedKeyActsAgain) {
    PlaceRightShip();
    QTest::keyPress(&Canvas(), Qt::Key_Left);
    ASSERT_EQ(RightTarget(), (WorldPoint{330, 150}));

    Right().y = 200;
    Right().targetX = kSentinel.x;
    Right().targetY = kSentinel.y;
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&Canvas(), &repeat);
    EXPECT_EQ(RightTarget(), (WorldPoint{330, 200}));
}

TEST_F(ControlsTest, HoldingTheSpaceBarFiresOncePerFiveTicks) {
    for (int tick = 0; tick < 10; ++tick) {
        Tick();
    }
    std::vector<int> firedAt;
    for (int tick = 0; tick < 12; ++tick) {
        const int before = ShotsInFlight(Right());
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                        tick > 0);
        QApplication::sendEvent(&Canvas(), &press);
        if (ShotsInFlight(Right()) > before) {
            firedAt.push_back(tick);
        }
        Tick();
    }
    // Reloaded at the start; each launch needs 5 ticks of reloading after it.
    EXPECT_EQ(firedAt, (std::vector<int>{0, 5, 10}));
}

TEST_F(ControlsTest, ComputerDrivenSidesIgnorePointerButtonAndKeys) {
    for (int tick = 0; tick < 10; ++tick) {
        Tick();
    }
    frame->StopTick();  // so that the computer's own decisions cannot change anything
    Left().computer = true;
    Right().computer = true;
    Left().targetX = 111;
    Left().targetY = 222;
    PlaceRightShip();
    ASSERT_GE(Left().reload, 5);
    ASSERT_GE(Right().reload, 5);

    MovePointerTo({300, 200});
    ClickLeft();
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Home, Qt::Key_Space}) {
        QTest::keyClick(&Canvas(), key);
    }
    QTest::keyClick(&Canvas(), Qt::Key_3, Qt::KeypadModifier);

    EXPECT_EQ(LeftTarget(), (WorldPoint{111, 222}));
    EXPECT_EQ(RightTarget(), kSentinel);
    EXPECT_EQ(ShotsInFlight(Left()), 0);
    EXPECT_EQ(ShotsInFlight(Right()), 0);
}

struct TranslationCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int virtualKey;
};

void PrintTo(const TranslationCase& c, std::ostream* os) {
    *os << c.name;
}

const TranslationCase kTranslations[] = {
    {"Space", Qt::Key_Space, {}, 0x20},
    {"PageUp", Qt::Key_PageUp, {}, 0x21},
    {"PageDown", Qt::Key_PageDown, {}, 0x22},
    {"End", Qt::Key_End, {}, 0x23},
    {"Home", Qt::Key_Home, {}, 0x24},
    {"Left", Qt::Key_Left, {}, 0x25},
    {"Up", Qt::Key_Up, {}, 0x26},
    {"Right", Qt::Key_Right, {}, 0x27},
    {"Down", Qt::Key_Down, {}, 0x28},
    {"Insert", Qt::Key_Insert, {}, 0x2D},
    {"LeftWithShift", Qt::Key_Left, Qt::ShiftModifier, 0x25},
    {"Keypad0", Qt::Key_0, kPad, 0x60},
    {"Keypad1", Qt::Key_1, kPad, 0x61},
    {"Keypad2", Qt::Key_2, kPad, 0x62},
    {"Keypad3", Qt::Key_3, kPad, 0x63},
    {"Keypad4", Qt::Key_4, kPad, 0x64},
    {"Keypad5", Qt::Key_5, kPad, 0x65},
    {"Keypad6", Qt::Key_6, kPad, 0x66},
    {"Keypad7", Qt::Key_7, kPad, 0x67},
    {"Keypad8", Qt::Key_8, kPad, 0x68},
    {"Keypad9", Qt::Key_9, kPad, 0x69},
    {"Keypad5WithoutNumLockIsClear", Qt::Key_Clear, kPad, 0x0C},
    {"Keypad7WithoutNumLockIsHome", Qt::Key_Home, kPad, 0x24},
    {"Keypad9WithoutNumLockIsPageUp", Qt::Key_PageUp, kPad, 0x21},
    {"Keypad3WithoutNumLockIsPageDown", Qt::Key_PageDown, kPad, 0x22},
    {"Keypad0WithoutNumLockIsInsert", Qt::Key_Insert, kPad, 0x2D},
    {"DigitRow1IsTheCharacter1", Qt::Key_1, {}, 0x31},
    {"DigitRow0IsTheCharacter0", Qt::Key_0, {}, 0x30},
    {"LetterAIsCapitalA", Qt::Key_A, {}, 0x41},
    {"LetterZIsCapitalZ", Qt::Key_Z, {}, 0x5A},
};

class KeyTranslation : public ::testing::TestWithParam<TranslationCase> {};

TEST_P(KeyTranslation, GivesTheVirtualKeyCodeOfTheKeyTable) {
    EXPECT_EQ(VirtualKeyFromQt(GetParam().key, GetParam().modifiers), GetParam().virtualKey);
}

INSTANTIATE_TEST_SUITE_P(Controls, KeyTranslation, ::testing::ValuesIn(kTranslations),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
