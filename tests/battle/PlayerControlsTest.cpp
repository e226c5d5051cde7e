#include "battle/PlayerControls.h"

#include <gtest/gtest.h>

namespace {

CBattleRound FreshRound() {
    CBattleRound round;
    round.NewRound();
    return round;
}

struct PointerCase {
    const char* name;
    int width, height;
    int px, py;
    int expectedX, expectedY;
};

TEST(MovePointer, ConvertsInDoublePrecisionAndTruncates) {
    const PointerCase cases[] = {
        {"600x400 maps one to one", 600, 400, 123, 321, 123, 321},
        {"600x400 origin", 600, 400, 0, 0, 0, 0},
        {"800x400, x 400 gives 299 (not 300)", 800, 400, 400, 10, 299, 10},
        {"800x400, x 4 gives 2", 800, 400, 4, 0, 2, 0},
        {"800x400, x 799 gives 599", 800, 400, 799, 399, 599, 399},
        {"1200x800, the far corner", 1200, 800, 1199, 799, 599, 399},
        {"1200x800, the middle", 1200, 800, 600, 400, 300, 200},
        {"pointer beyond the client area is not clamped", 600, 400, 1000, 900, 1000, 900},
        {"negative positions truncate toward zero", 900, 400, -5, -1, -3, -1},
        {"the largest 16-bit position on a one-pixel window", 1, 1, 32767, -32768, 19660200,
         -13107200},
    };
    for (const PointerCase& c : cases) {
        CBattleRound round = FreshRound();
        EXPECT_EQ(MovePointer(round, c.px, c.py, c.width, c.height), ControlResult::Handled)
            << c.name;
        EXPECT_EQ(WorldPoint(round.leftShip.targetX, round.leftShip.targetY),
                  WorldPoint(c.expectedX, c.expectedY))
            << c.name;
    }
}

TEST(MovePointer, AgreesWithTheDoubleRuleOverAWholeWindow) {
    // The rule divides by the rounded product of the size and the rounded reciprocal; check it
    // against a long-double evaluation of the same steps for every pixel of a few widths.
    for (int width : {599, 601, 800, 1023, 1920, 3840}) {
        const double scale = static_cast<double>(width) * (1.0 / 600.0);
        for (int px = 0; px < width; ++px) {
            CBattleRound round = FreshRound();
            MovePointer(round, px, 0, width, 400);
            const double quotient = static_cast<double>(px) / scale;
            ASSERT_EQ(round.leftShip.targetX, static_cast<int>(quotient)) << width << " " << px;
            ASSERT_LE(round.leftShip.targetX, static_cast<long long>(px) * 600 / width);
            ASSERT_GE(round.leftShip.targetX, static_cast<long long>(px) * 600 / width - 1);
        }
    }
}

TEST(MovePointer, EmptyClientAreaLeavesTheTarget) {
    for (auto [w, h] : {std::pair{0, 400}, std::pair{600, 0}, std::pair{0, 0}}) {
        CBattleRound round = FreshRound();
        EXPECT_EQ(MovePointer(round, 10, 10, w, h), ControlResult::Handled);
        EXPECT_EQ(WorldPoint(round.leftShip.targetX, round.leftShip.targetY), WorldPoint(170, 200));
    }
}

TEST(PressLeftButton, FiresAtMostOncePerFiveSteps) {
    CBattleRound round = FreshRound();
    int launches = 0;
    for (int tick = 0; tick < 50; ++tick) {
        const int before = round.leftShip.reload;
        PressLeftButton(round);
        launches += (before >= 5 && round.leftShip.reload == 0) ? 1 : 0;
        round.Advance();
        round.leftShip.shots.fill({900, 0});  // as if every shot hit at once: slots never run out
    }
    // reload 0 after a launch, one Step brings it to 1: ticks 5, 10, ... 45 can fire.
    EXPECT_EQ(launches, 9);
}

struct KeyCase {
    const char* name;
    int virtualKey;
    int expectedX, expectedY;
};

TEST(PressKey, KeyTableFromAShipAt400By150) {
    const KeyCase cases[] = {
        {"End: bottom-left", vk::kEnd, 330, 280},
        {"Home: top-left", vk::kHome, 330, 36},
        {"Left arrow", vk::kLeft, 330, 150},
        {"Up arrow", vk::kUp, 400, 36},
        {"Right arrow", vk::kRight, 560, 150},
        {"Down arrow", vk::kDown, 400, 280},
        {"Insert stops", vk::kInsert, 400, 150},
        {"keypad 0 stops", vk::kNumpad0, 400, 150},
        {"keypad 1: bottom-left", vk::kNumpad1, 330, 280},
        {"keypad 2: bottom edge", vk::kNumpad2, 400, 280},
        {"keypad 3: bottom-right", vk::kNumpad3, 560, 280},
        {"keypad 4: left edge", vk::kNumpad4, 330, 150},
        {"keypad 6: right edge", vk::kNumpad6, 560, 150},
        {"keypad 7: top-left", vk::kNumpad7, 330, 36},
        {"keypad 8: top edge", vk::kNumpad8, 400, 36},
        {"keypad 9: top-right", vk::kNumpad9, 560, 36},
        {"keypad 5 does nothing", vk::kNumpad5, 1, 2},
        {"Clear does nothing", vk::kClear, 1, 2},
        {"Page Up does nothing", vk::kPrior, 1, 2},
        {"Page Down does nothing", vk::kNext, 1, 2},
        {"letter A does nothing", 0x41, 1, 2},
        {"space keeps the target", vk::kSpace, 1, 2},
    };
    for (const KeyCase& c : cases) {
        CBattleRound round = FreshRound();
        round.rightShip.x = 400;
        round.rightShip.y = 150;
        round.rightShip.targetX = 1;
        round.rightShip.targetY = 2;
        EXPECT_EQ(PressKey(round, c.virtualKey), ControlResult::Handled) << c.name;
        EXPECT_EQ(WorldPoint(round.rightShip.targetX, round.rightShip.targetY),
                  WorldPoint(c.expectedX, c.expectedY))
            << c.name;
    }
}

TEST(PressKey, SpaceFiresTheRightShipOnly) {
    CBattleRound round = FreshRound();
    round.rightShip.reload = 5;
    round.leftShip.reload = 5;
    PressKey(round, vk::kSpace);
    EXPECT_EQ(round.rightShip.shots[0], WorldPoint(406, 380));
    EXPECT_EQ(round.leftShip.shots[0], WorldPoint(-20, 0));
    EXPECT_EQ(round.rightShip.reload, 0);
}

TEST(Controls, AComputerDrivenSideIgnoresEverything) {
    CBattleRound round = FreshRound();
    round.leftShip.computer = true;
    round.rightShip.computer = true;
    round.leftShip.reload = 10;
    round.rightShip.reload = 10;
    EXPECT_EQ(MovePointer(round, 10, 10, 600, 400), ControlResult::Ignored);
    EXPECT_EQ(PressLeftButton(round), ControlResult::Ignored);
    for (int key : {vk::kSpace, vk::kLeft, vk::kHome, vk::kNumpad9, 0x41}) {
        EXPECT_EQ(PressKey(round, key), ControlResult::Ignored);
    }
    EXPECT_EQ(WorldPoint(round.leftShip.targetX, round.leftShip.targetY), WorldPoint(170, 200));
    EXPECT_EQ(WorldPoint(round.rightShip.targetX, round.rightShip.targetY), WorldPoint(426, 200));
    EXPECT_EQ(round.leftShip.reload, 10);
    EXPECT_EQ(round.rightShip.reload, 10);
    EXPECT_EQ(round.leftShip.shots[0], WorldPoint(-20, 0));
    EXPECT_EQ(round.rightShip.shots[0], WorldPoint(-20, 0));
}

TEST(Controls, EachSideIgnoresOnlyItsOwnControlsWhenComputerDriven) {
    CBattleRound round = FreshRound();
    round.leftShip.computer = true;
    EXPECT_EQ(PressKey(round, vk::kHome), ControlResult::Handled);
    EXPECT_EQ(WorldPoint(round.rightShip.targetX, round.rightShip.targetY), WorldPoint(330, 36));
    round.leftShip.computer = false;
    round.rightShip.computer = true;
    EXPECT_EQ(MovePointer(round, 30, 40, 600, 400), ControlResult::Handled);
    EXPECT_EQ(WorldPoint(round.leftShip.targetX, round.leftShip.targetY), WorldPoint(30, 40));
}

}  // namespace
