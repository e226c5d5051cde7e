// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMenuBar>
#include <QWindow>
#include <QtTest/QTest>
#include <algorithm>
#include <tuple>
#include <vector>

#include "GuiTestSupport.h"

// The player controls as the main window receives them from the window system.

namespace {

WorldPoint Target(const CShip& ship) {
    return {ship.targetX, ship.targetY};
}

class ControlsTest : public FrameTest {
protected:
    CArenaCanvas& Canvas() { return CanvasOf(*frame); }
    QPoint Client(int x, int y) { return Canvas().contentsRect().topLeft() + QPoint(x, y); }

    void MovePointerTo(const QPoint& client) {
        // No move is reported to where the pointer already is: a step aside first.
        QTest::mouseMove(&Canvas(), Client(client.x() + 1, client.y() + 1));
        QTest::mouseMove(&Canvas(), Client(client.x(), client.y()));
    }

    void ClickLeft() { QTest::mouseClick(&Canvas(), Qt::LeftButton, {}, Client(100, 100)); }

    // A point of the canvas in the main window's coordinates, where the window system's events
    // arrive: at the window, not at a widget.
    QPoint InWindow(const QPoint& onCanvas) { return Canvas().mapTo(frame.get(), onCanvas); }

    void PlaceRightShip() {
        std::tie(Right().x, Right().y, Right().targetX, Right().targetY) =
            std::tuple(400, 150, kAside.x, kAside.y);
    }

    // A key pressed on a fresh round, with the right ship placed and aimed aside, leaves its
    // target at `target` with `shots` shots in flight.
    void ExpectKeyEffect(Qt::Key key, Qt::KeyboardModifiers modifiers, WorldPoint target,
                         int shots) {
        frame->Battle().NewRound();
        Ticks(5);
        PlaceRightShip();
        QTest::keyClick(frame->windowHandle(), key, modifiers);  // to the focus widget
        EXPECT_EQ(Target(Right()), target) << "key " << key << ", " << modifiers;
        EXPECT_EQ(ShotsInFlight(Right()), shots) << "key " << key << ", " << modifiers;
    }

    static constexpr WorldPoint kAside{345, 99};
};

// The target is px / (W / 600) and py / (H / 400) in doubles, truncated; 800 / 600 is a little
// above 4/3 in doubles, so quotients that would be whole fall just below.
TEST_F(ControlsTest, ThePointerSetsTheLeftShipsTargetScaledToTheWorld) {
    const struct {
        QSize client;
        QPoint pointer;
        WorldPoint target;
    } cases[] = {
        {{600, 400}, {0, 0}, {0, 0}},         {{600, 400}, {599, 399}, {599, 399}},
        {{800, 400}, {400, 10}, {299, 10}},   {{800, 400}, {4, 399}, {2, 399}},
        {{800, 400}, {799, 200}, {599, 200}}, {{1200, 800}, {1199, 799}, {599, 399}},
        {{1200, 800}, {3, 5}, {1, 2}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(ResizeClientTo(*frame, c.client));
        MovePointerTo(c.pointer);
        EXPECT_EQ(Target(Left()), c.target) << c.client.width() << " x " << c.client.height();
    }
}

TEST_F(ControlsTest, ClicksAndAHeldSpaceBarFireAtMostOncePerFiveTicks) {
    std::vector<int> leftFired;
    std::vector<int> rightFired;
    for (int tick = 0; tick < 16; ++tick) {
        const int left = ShotsInFlight(Left());
        const int right = ShotsInFlight(Right());
        ClickLeft();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", tick > 0);
        QCoreApplication::sendEvent(&Canvas(), &press);
        if (ShotsInFlight(Left()) > left) {
            leftFired.push_back(tick);
        }
        if (ShotsInFlight(Right()) > right) {
            rightFired.push_back(tick);
        }
        gate->Tick();
    }
    // The reload counter is 0 after a new round and after each launch; a launch needs 5.
    EXPECT_EQ(leftFired, (std::vector<int>{5, 10, 15}));
    EXPECT_EQ(rightFired, (std::vector<int>{5, 10, 15}));
}

TEST_F(ControlsTest, ADoubleClickFiresOnlyWithItsFirstPress) {
    Ticks(10);
    ClickLeft();
    ASSERT_EQ(ShotsInFlight(Left()), 1);
    Ticks(5);  // reloaded: a press now would fire, the double click's second one must not
    QTest::mouseDClick(&Canvas(), Qt::LeftButton, {}, Client(100, 100));
    QTest::mouseRelease(&Canvas(), Qt::LeftButton, {}, Client(100, 100));
    EXPECT_EQ(ShotsInFlight(Left()), 1);
}

// From (400, 150) in the right ship's box, (330, 36) to (560, 280); (345, 99) is no key's target.
// The space bar fires; the keypad sends navigation keys without Num Lock.
TEST_F(ControlsTest, KeysSetTheRightShipsTargetByTheKeyTable) {
    constexpr Qt::KeyboardModifiers kNo = Qt::NoModifier, kPad = Qt::KeypadModifier,
                                    kShift = Qt::ShiftModifier;
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        WorldPoint target;
    } cases[] = {
        {Qt::Key_Left, kNo, {330, 150}},     {Qt::Key_Up, kNo, {400, 36}},
        {Qt::Key_Right, kNo, {560, 150}},    {Qt::Key_Down, kNo, {400, 280}},
        {Qt::Key_Home, kNo, {330, 36}},      {Qt::Key_End, kNo, {330, 280}},
        {Qt::Key_Insert, kNo, {400, 150}},   {Qt::Key_Space, kNo, {345, 99}},
        {Qt::Key_Left, kShift, {330, 150}},  {Qt::Key_0, kPad, {400, 150}},
        {Qt::Key_1, kPad, {330, 280}},       {Qt::Key_2, kPad, {400, 280}},
        {Qt::Key_3, kPad, {560, 280}},       {Qt::Key_4, kPad, {330, 150}},
        {Qt::Key_5, kPad, {345, 99}},        {Qt::Key_6, kPad, {560, 150}},
        {Qt::Key_7, kPad, {330, 36}},        {Qt::Key_8, kPad, {400, 36}},
        {Qt::Key_9, kPad, {560, 36}},        {Qt::Key_Home, kPad, {330, 36}},
        {Qt::Key_Insert, kPad, {400, 150}},  {Qt::Key_PageUp, kPad, {345, 99}},
        {Qt::Key_PageDown, kPad, {345, 99}}, {Qt::Key_Clear, kPad, {345, 99}},
        {Qt::Key_PageUp, kNo, {345, 99}},    {Qt::Key_PageDown, kNo, {345, 99}},
        {Qt::Key_1, kNo, {345, 99}},         {Qt::Key_A, kNo, {345, 99}},
    };
    for (const auto& c : cases) {
        ExpectKeyEffect(c.key, c.modifiers, c.target, c.key == Qt::Key_Space ? 1 : 0);
    }
}

// A key with Alt held belongs to the window and its menu bar; Ctrl and Shift change nothing.
TEST_F(ControlsTest, KeysWithAltHeldDoNothingWhileCtrlAndShiftChangeNothing) {
    constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier, kCtrl = Qt::ControlModifier,
                                    kShift = Qt::ShiftModifier, kPad = Qt::KeypadModifier;
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        WorldPoint target;
        int shots;
    } cases[] = {
        {Qt::Key_Space, kAlt, {345, 99}, 0},         {Qt::Key_Left, kAlt, {345, 99}, 0},
        {Qt::Key_Down, kAlt, {345, 99}, 0},          {Qt::Key_Home, kAlt, {345, 99}, 0},
        {Qt::Key_Insert, kAlt, {345, 99}, 0},        {Qt::Key_3, kAlt | kPad, {345, 99}, 0},
        {Qt::Key_Space, kAlt | kCtrl, {345, 99}, 0}, {Qt::Key_Right, kAlt | kShift, {345, 99}, 0},
        {Qt::Key_Space, kCtrl, {345, 99}, 1},        {Qt::Key_Space, kShift, {345, 99}, 1},
        {Qt::Key_Left, kCtrl, {330, 150}, 0},        {Qt::Key_End, kCtrl | kShift, {330, 280}, 0},
        {Qt::Key_9, kCtrl | kPad, {560, 36}, 0},
    };
    for (const auto& c : cases) {
        ExpectKeyEffect(c.key, c.modifiers, c.target, c.shots);
    }
}

// What happens to the key event after the canvas: a computer-driven side swallows its keys, a
// person-driven one hands them on to the default processing, and a key with Alt held goes on
// in either case, so the menu bar and the window manager still see it.
TEST_F(ControlsTest, AKeyWithAltHeldGoesOnToTheDefaultProcessingWhoeverDrivesTheShip) {
    const struct {
        bool computer;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool goesOn;
    } cases[] = {
        {true, Qt::Key_Space, Qt::NoModifier, false},
        {true, Qt::Key_Space, Qt::AltModifier, true},
        {true, Qt::Key_Left, Qt::AltModifier, true},
        {true, Qt::Key_Left, Qt::ShiftModifier, false},
        {false, Qt::Key_Space, Qt::NoModifier, true},
        {false, Qt::Key_Space, Qt::AltModifier, true},
        {false, Qt::Key_F, Qt::AltModifier, true},
    };
    for (const auto& c : cases) {
        Right().computer = c.computer;
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers);
        QCoreApplication::sendEvent(&Canvas(), &press);
        EXPECT_EQ(!press.isAccepted(), c.goesOn)
            << "key " << c.key << ", " << c.modifiers << ", computer " << c.computer;
    }
}

// While a button is held, Qt delivers the pointer's moves to the canvas from wherever the
// pointer is. Only the moves over the client area steer.
TEST_F(ControlsTest, AHeldButtonSteersOnlyWhileThePointerIsOverTheClientArea) {
    ASSERT_TRUE(ResizeClientTo(*frame, {600, 400}));
    ASSERT_GT(Canvas().contentsRect().left(), 0) << "the canvas has no edge";
    QWindow* window = frame->windowHandle();
    QTest::mouseMove(window, InWindow(Client(101, 101)));
    QTest::mouseMove(window, InWindow(Client(100, 100)));
    ASSERT_EQ(Target(Left()), (WorldPoint{100, 100}));
    QTest::mousePress(window, Qt::LeftButton, {}, InWindow(Client(100, 100)));

    const QRect canvas(InWindow({0, 0}), Canvas().size());
    const struct {
        const char* name;
        QPoint at;  // in the main window
    } outside[] = {
        {"over the menu bar", frame->menuBar()->geometry().center()},
        {"on the canvas's left edge", {canvas.left(), canvas.center().y()}},
        {"on the canvas's right edge", {canvas.right(), canvas.center().y()}},
        {"on the canvas's bottom edge", {canvas.center().x(), canvas.bottom()}},
        {"left of the window", {-30, 200}},
        {"above the window", {200, -40}},
        {"right of the window", {frame->width() + 50, 200}},
        {"below the window", {200, frame->height() + 60}},
        {"far away", {-20000, 30000}},
    };
    for (const auto& place : outside) {
        QTest::mouseMove(window, place.at);
        EXPECT_EQ(Target(Left()), (WorldPoint{100, 100})) << place.name;
    }
    QTest::mouseMove(window, InWindow(Client(250, 150)));
    EXPECT_EQ(Target(Left()), (WorldPoint{250, 150})) << "back over the client area";
    QTest::mouseMove(window, InWindow(Client(599, 399)));
    EXPECT_EQ(Target(Left()), (WorldPoint{599, 399})) << "its last pixel";
    QTest::mouseRelease(window, Qt::LeftButton, {}, InWindow(Client(599, 399)));
}

TEST_F(ControlsTest, APressOnTheEdgeAroundTheClientAreaNeitherSteersNorFires) {
    ASSERT_TRUE(ResizeClientTo(*frame, {600, 400}));
    ASSERT_GT(Canvas().contentsRect().left(), 0) << "the canvas has no edge";
    MovePointerTo({100, 100});
    Ticks(10);
    const QRect canvas = Canvas().rect();
    const struct {
        const char* name;
        QPoint at;  // on the canvas
    } edges[] = {
        {"left", {0, canvas.center().y()}},
        {"top", {canvas.center().x(), 0}},
        {"right", {canvas.right(), canvas.center().y()}},
        {"bottom", {canvas.center().x(), canvas.bottom()}},
        {"top-left corner", {0, 0}},
    };
    for (const auto& edge : edges) {
        QTest::mouseClick(frame->windowHandle(), Qt::LeftButton, {}, InWindow(edge.at));
        EXPECT_EQ(ShotsInFlight(Left()), 0) << edge.name;
        EXPECT_EQ(Target(Left()), (WorldPoint{100, 100})) << edge.name;
    }
    QTest::mouseClick(frame->windowHandle(), Qt::LeftButton, {}, InWindow(Client(0, 0)));
    EXPECT_EQ(ShotsInFlight(Left()), 1) << "a press on the client area's first pixel fires";
}

TEST_F(ControlsTest, AComputerDrivenSideIgnoresPointerButtonAndKeys) {
    Ticks(10);
    Left().computer = true;
    Right().computer = true;
    std::tie(Left().targetX, Left().targetY) = std::tuple(111, 222);
    PlaceRightShip();
    MovePointerTo({300, 200});
    ClickLeft();
    QTest::keyClick(frame->windowHandle(), Qt::Key_Left);
    QTest::keyClick(frame->windowHandle(), Qt::Key_Space);
    QTest::keyClick(frame->windowHandle(), Qt::Key_3, Qt::KeypadModifier);
    EXPECT_EQ(Target(Left()), (WorldPoint{111, 222}));
    EXPECT_EQ(Target(Right()), kAside);
    EXPECT_EQ(ShotsInFlight(Left()), 0);
    EXPECT_EQ(ShotsInFlight(Right()), 0);
}

}  // namespace
