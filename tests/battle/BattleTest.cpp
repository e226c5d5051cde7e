// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "battle/BattleRound.h"
#include "battle/PlayerControls.h"
#include "battle/Random.h"

namespace {

using Slots = std::array<WorldPoint, kShotSlots>;
constexpr WorldPoint kParked{-20, 0};

// A seed whose next draw is `draw`. Bit 31 of the state is set, so a draw must mask it off.
std::uint32_t SeedBeforeDraw(int draw) {
    std::uint32_t inverse = 1;  // of the multiplier modulo 2^32, by Newton's iteration
    for (int i = 0; i < 5; ++i) {
        inverse *= 2 - 214013u * inverse;
    }
    return ((static_cast<std::uint32_t>(draw) << 16 | 0x80000000u) - 2531011u) * inverse;
}

// A new round with the left ship at (150, 150) and the right ship at (450, 150).
CBattleRound Placed() {
    CBattleRound round;
    round.NewRound();
    round.leftShip.x = round.leftShip.y = round.rightShip.y = 150;
    round.rightShip.x = 450;
    return round;
}

CShip& Side(CBattleRound& round, bool right) {
    return right ? static_cast<CShip&>(round.rightShip) : round.leftShip;
}

void Place(CShip& ship, WorldPoint at, WorldPoint target) {
    ship.x = at.x;
    ship.y = at.y;
    ship.targetX = target.x;
    ship.targetY = target.y;
}

WorldPoint At(const CShip& ship) {
    return {ship.x, ship.y};
}

WorldPoint Target(const CShip& ship) {
    return {ship.targetX, ship.targetY};
}

std::vector<WorldPoint> Spent(const HitOutcome& outcome) {
    return {outcome.spentShots.begin(), outcome.spentShots.end()};
}

TEST(RandomSource, SeedOneGivesTheKnownDraws) {
    SeedRandom(1);
    for (int expected : {41, 18467, 6334, 26500, 19169}) {
        EXPECT_EQ(DrawRandom(), expected);
    }
}

TEST(RandomIndex, WalksEqualBucketsAndAlwaysConsumesOneDraw) {
    const struct Case {
        int n, draw, index;
    } cases[] = {{229, 0, 0},
                 {229, 142, 0},
                 {229, 143, 1},
                 {229, 32603, 227},
                 {229, 32604, 228},
                 {229, 32767, 228},
                 {2, 16382, 0},
                 {2, 16383, 1},
                 {1, 32767, 0},
                 {0, 5000, 0},
                 {-7, 5000, 0},
                 {32767, 32767, 32766},
                 // More indices than draws: every draw falls to the last index.
                 {32768, 0, 32767},
                 {40000, 32767, 39999}};
    for (const Case& c : cases) {
        SeedRandom(SeedBeforeDraw(c.draw));
        EXPECT_EQ(RandomIndex(c.n), c.index) << "n " << c.n << ", draw " << c.draw;
        EXPECT_EQ(RandomState(), SeedBeforeDraw(c.draw) * 214013u + 2531011u) << "one draw";
    }
}

// NewRound resets both ships to their sides' values; boxes and computer flags stay.
TEST(Ship, NewRoundResetsBothSidesAndReloadCountsUpToTen) {
    const struct SideValues {
        int minX, maxX;
        WorldPoint start, firstTarget;
        int shotStep;
    } sides[] = {{31, 260, {170, 383}, {170, 200}, 10}, {330, 560, {426, 380}, {426, 200}, -10}};
    CBattleRound round = Placed();
    for (bool right : {false, true}) {
        CShip& ship = Side(round, right);
        ship.computer = !right;
        ship.targetX = ship.targetY = ship.energy = ship.reload = ship.shotStep = 7;
        ship.shots[2] = {300, 120};
    }
    round.NewRound();
    for (bool right : {false, true}) {
        const SideValues& side = sides[right];
        CShip& ship = Side(round, right);
        EXPECT_EQ(ship.computer, !right);
        EXPECT_EQ((std::array{ship.energy, ship.reload, ship.shotStep}),
                  (std::array{500, 0, side.shotStep}));
        EXPECT_EQ(At(ship), side.start);
        EXPECT_EQ(Target(ship), side.firstTarget);
        EXPECT_EQ((std::array{ship.minX, ship.minY, ship.maxX, ship.maxY}),
                  (std::array{side.minX, 36, side.maxX, 280}));
        EXPECT_EQ(ship.shots, (Slots{kParked, kParked, kParked, kParked, kParked}));
        for (int step = 1; step <= 12; ++step) {
            ship.Step();
            EXPECT_EQ(ship.reload, std::min(step, 10));
        }
    }
}

// Arrival is judged before the move. Draws 32767 and 15401: the top index of 229 for x, then
// index 114 of 244 for y.
TEST(ShipStep, OnlyAComputerPicksATargetXThenYAndFiresOnArrival) {
    for (bool computer : {true, false}) {
        CBattleRound round = Placed();
        CShip& left = round.leftShip;
        Place(left, {172, 200}, {170, 200});
        left.computer = computer;
        left.reload = 10;
        SeedRandom(SeedBeforeDraw(32767));
        left.Step();
        EXPECT_EQ(Target(left), computer ? WorldPoint(259, 150) : WorldPoint(170, 200));
        EXPECT_EQ(At(left), computer ? WorldPoint(175, 197) : WorldPoint(169, 200));
        // Launched at x 192 and advanced once in the same step.
        EXPECT_EQ(left.shots[0], computer ? WorldPoint(202, 200) : kParked);
        EXPECT_EQ(left.shots[1], kParked);
        EXPECT_EQ(left.reload, computer ? 1 : 10);
        EXPECT_EQ(RandomState() == SeedBeforeDraw(32767), !computer) << "a person never draws";
    }
}

TEST(ShipStep, MovesOnItsLatticeWithBoxTestsOnThePositionBeforeTheMove) {
    const struct Case {
        const char* name;
        bool right;
        WorldPoint from, target;
        int steps;
        WorldPoint rest;
    } cases[] = {
        {"one unit off: up and back in one step", false, {170, 200}, {171, 200}, 1, {170, 200}},
        {"two units off: rests below the target", false, {170, 200}, {172, 200}, 5, {170, 200}},
        {"three units: one step", false, {170, 200}, {173, 200}, 1, {173, 200}},
        {"diagonal: both axes", false, {100, 100}, {200, 200}, 1, {103, 103}},
        {"target x 31: two beyond minX", false, {170, 200}, {31, 200}, 100, {29, 200}},
        {"target x 32 is reached", false, {170, 200}, {32, 200}, 100, {32, 200}},
        {"far right: stops at maxX", false, {170, 200}, {500, 200}, 100, {260, 200}},
        {"target y 300: past maxY to 281", false, {170, 200}, {170, 300}, 100, {170, 281}},
        {"below the box, target not above", false, {170, 383}, {170, 400}, 20, {170, 383}},
        {"target on the edge 560: 558", true, {426, 200}, {560, 200}, 100, {558, 200}},
        {"target beyond maxX: 561", true, {426, 200}, {900, 200}, 100, {561, 200}},
        {"target y 36: 35", true, {426, 200}, {426, 36}, 100, {426, 35}}};
    for (const Case& c : cases) {
        CBattleRound round = Placed();
        CShip& ship = Side(round, c.right);
        Place(ship, c.from, c.target);
        for (int i = 0; i < c.steps; ++i) {
            ship.Step();
        }
        EXPECT_EQ(At(ship), c.rest) << c.name;
    }
}

TEST(ShipStep, MovesShotsInTheLiveBandOnly) {
    const struct Case {
        bool right;
        int from, to;
    } cases[] = {{false, 619, 629}, {false, 620, 620}, {false, -20, -20}, {false, -19, -9},
                 {true, -19, -29},  {true, -20, -20},  {true, 619, 609},  {true, 900, 900}};
    for (const Case& c : cases) {
        CBattleRound round = Placed();
        CShip& ship = Side(round, c.right);
        ship.shots[3] = {c.from, 5};
        ship.Step();
        EXPECT_EQ(ship.shots[3], WorldPoint(c.to, 5)) << (c.right ? "right " : "left ") << c.from;
    }
}

TEST(ShipFire, NeedsReloadFiveAndTakesTheLowestFreeSlot) {
    const struct Case {
        const char* name;
        int reload;
        std::array<int, kShotSlots> slotX;
        int slot;  // the slot that takes the shot, or -1
    } cases[] = {{"reload 4: nothing", 4, {-20, -20, -20, -20, -20}, -1},
                 {"reload 5: slot 0", 5, {-20, -20, -20, -20, -20}, 0},
                 {"-19 is in flight, a spent 900 is free", 5, {-19, 900, -20, -20, -20}, 1},
                 {"619 is in flight, 620 is free", 10, {619, 300, 620, -20, -20}, 2},
                 {"five in flight: nothing, reload kept", 10, {-19, 0, 300, 600, 619}, -1}};
    for (const Case& c : cases) {
        CBattleRound round = Placed();
        CRebelShip& ship = round.rightShip;
        ship.reload = c.reload;
        for (int i = 0; i < kShotSlots; ++i) {
            ship.shots[i] = {c.slotX[i], 77};
        }
        ship.Fire();
        EXPECT_EQ(ship.reload, c.slot < 0 ? c.reload : 0) << c.name;
        for (int i = 0; i < kShotSlots; ++i) {
            const WorldPoint expected =
                i == c.slot ? WorldPoint(430, 150) : WorldPoint(c.slotX[i], 77);
            EXPECT_EQ(ship.shots[i], expected) << c.name << ", slot " << i;
        }
    }
}

// A ship at (100, 100) flying to (200, 200) with slots 2 to 4 in flight; slot 1 is free.
TEST(ShipStep, ShotPassRefiresOnFreeSlotsFiredBefore) {
    const struct Case {
        const char* name;
        bool right, computer;
        int reload;
        WorldPoint slot0, slot1;
        WorldPoint slot0After;
        int reloadAfter;
    } cases[] = {
        {"never fired: no trigger", false, true, 10, kParked, kParked, kParked, 10},
        {"free at y 10: no trigger", false, true, 10, kParked, {-25, 10}, kParked, 10},
        {"free at y 11: fills slot 0", false, true, 9, kParked, {-25, 11}, {123, 103}, 0},
        {"leaving in this pass: waits", false, true, 10, {615, 99}, kParked, {625, 99}, 10},
        {"freed in this pass: filled", true, true, 10, {-15, 0}, {-25, 11}, {83, 103}, 0},
        {"person-driven: never", false, false, 10, kParked, {-25, 150}, kParked, 10}};
    for (const Case& c : cases) {
        CBattleRound round = Placed();
        CShip& ship = Side(round, c.right);
        Place(ship, {100, 100}, {200, 200});
        ship.computer = c.computer;
        ship.reload = c.reload;
        ship.shots = {c.slot0, c.slot1, WorldPoint{300, 7}, WorldPoint{300, 7}, WorldPoint{300, 7}};
        ship.Step();
        const WorldPoint flown{300 + ship.shotStep, 7};
        EXPECT_EQ(ship.shots, (Slots{c.slot0After, c.slot1, flown, flown, flown})) << c.name;
        EXPECT_EQ(ship.reload, c.reloadAfter) << c.name;
    }
}

TEST(ResolveHits, HitWindowsAndDamageByDistance) {
    const struct Case {
        bool missile;  // a missile at the right ship, or a bolt at the left
        int dx, dy;    // from the target
        int damage;
    } cases[] = {{true, -44, -14, 7}, {true, -45, 0, 0},  {true, 0, -15, 0},  {true, 44, 14, 7},
                 {true, 0, 0, 65},    {true, 10, -3, 52}, {false, 59, 14, 7}, {false, -59, 0, 21},
                 {false, 0, 0, 80},   {false, -60, 0, 0}, {false, 0, 15, 0}};
    for (const Case& c : cases) {
        CBattleRound round = Placed();
        CShip& shooter = Side(round, !c.missile);
        CShip& target = Side(round, c.missile);
        const WorldPoint shot{target.x + c.dx, target.y + c.dy};
        shooter.shots[2] = shot;
        const HitOutcome outcome = round.Resolve();
        const bool hit = c.damage > 0;
        SCOPED_TRACE(testing::Message()
                     << (c.missile ? "missile " : "bolt ") << c.dx << ", " << c.dy);
        EXPECT_EQ(outcome.anyHit, hit);
        EXPECT_EQ((std::array{target.energy, shooter.energy}), (std::array{500 - c.damage, 500}));
        EXPECT_EQ(Spent(outcome), hit ? std::vector{shot} : std::vector<WorldPoint>{});
        EXPECT_EQ(shooter.shots[2], hit ? WorldPoint(900, shot.y) : shot);
        EXPECT_EQ((std::array{outcome.leftEnergy, outcome.rightEnergy}),
                  (std::array{round.leftShip.energy, round.rightShip.energy}));
    }
}

TEST(ResolveHits, DetectsSlotBySlotLeftShipFirst) {
    CBattleRound round = Placed();
    round.leftShip.shots[3] = {450, 150};
    round.rightShip.shots[3] = {150, 150};
    round.leftShip.shots[1] = {460, 151};
    round.rightShip.shots[4] = {140, 149};
    round.rightShip.shots[0] = {155, 150};
    EXPECT_EQ(
        Spent(round.Resolve()),
        (std::vector<WorldPoint>{{155, 150}, {460, 151}, {450, 150}, {150, 150}, {140, 149}}));
    EXPECT_EQ(round.rightShip.energy, 500 - 54 - 65);
    EXPECT_EQ(round.leftShip.energy, 500 - 75 - 80 - 69);
}

TEST(ResolveHits, AllTenShotsCanHitAndEnergiesAreFlooredAtZeroAfterwards) {
    for (int start : {500, 300, 0}) {
        CBattleRound round = Placed();
        round.leftShip.energy = round.rightShip.energy = start;
        for (int i = 0; i < kShotSlots; ++i) {
            round.leftShip.shots[i] = {450 - i, 150};   // damage 65 - i
            round.rightShip.shots[i] = {150 + i, 150};  // damage 80 - i
        }
        const HitOutcome outcome = round.Resolve();
        EXPECT_TRUE(outcome.anyHit);
        EXPECT_EQ(outcome.spentShots.size(), 10u) << start;
        EXPECT_EQ((std::array{outcome.leftEnergy, outcome.rightEnergy}),
                  (std::array{std::max(0, start - 390), std::max(0, start - 315)}))
            << start;
        EXPECT_EQ((std::array{round.leftShip.energy, round.rightShip.energy}),
                  (std::array{outcome.leftEnergy, outcome.rightEnergy}));
    }
}

// A bolt resting just beyond the left edge must not hurt a ship flying along that edge.
TEST(ResolveHits, OnlyShotsInFlightCount) {
    for (int shotX : {-29, -20, -19}) {
        CBattleRound round = Placed();
        round.leftShip.x = 29;
        round.rightShip.shots[0] = {shotX, 150};
        EXPECT_EQ(round.Resolve().anyHit, shotX == -19) << shotX;
        EXPECT_EQ(round.leftShip.energy, shotX == -19 ? 500 - 32 : 500) << shotX;
    }
}

// Both ships arrive on the same tick: the left ship's two draws come first.
TEST(BattleRound, AdvanceStepsTheLeftShipFirst) {
    CBattleRound round = Placed();
    Place(round.leftShip, {150, 150}, {150, 150});
    Place(round.rightShip, {450, 150}, {450, 150});
    round.leftShip.computer = round.rightShip.computer = true;
    SeedRandom(1);  // 41, 18467, 6334, 26500
    round.Advance();
    EXPECT_EQ(Target(round.leftShip), WorldPoint(31, 173));
    EXPECT_EQ(Target(round.rightShip), WorldPoint(374, 233));
}

TEST(MovePointer, ConvertsInDoublePrecisionAndTruncates) {
    const struct Case {
        const char* name;
        int width, height;  // of the client area
        int px, py;         // the pointer
        WorldPoint target;
    } cases[] = {{"600x400 maps one to one", 600, 400, 123, 321, {123, 321}},
                 {"800x400: x 400 gives 299, not 300", 800, 400, 400, 10, {299, 10}},
                 {"800x400: x 4 gives 2", 800, 400, 4, 0, {2, 0}},
                 {"800x400: the far corner", 800, 400, 799, 399, {599, 399}},
                 {"1200x800: the far corner", 1200, 800, 1199, 799, {599, 399}},
                 {"1920x1080: y 81 gives 29, not 30", 1920, 1080, 960, 81, {300, 29}},
                 {"beyond the client area: not clamped", 600, 400, 1000, 900, {1000, 900}},
                 {"negative: truncated toward zero", 900, 400, -5, -1, {-3, -1}},
                 {"16-bit extremes on a 1x1 area", 1, 1, 32767, -32768, {19660200, -13107200}},
                 {"width 0 leaves the target", 0, 400, 10, 10, {170, 200}},
                 {"height 0 leaves the target", 600, 0, 10, 10, {170, 200}}};
    for (const Case& c : cases) {
        CBattleRound round = Placed();
        EXPECT_EQ(MovePointer(round, c.px, c.py, c.width, c.height), ControlResult::Handled)
            << c.name;
        EXPECT_EQ(Target(round.leftShip), c.target) << c.name;
    }
}

TEST(PressLeftButton, FiresAtMostOncePerFiveTicks) {
    CBattleRound round = Placed();
    int launches = 0;
    for (int tick = 0; tick < 50; ++tick) {
        EXPECT_EQ(PressLeftButton(round), ControlResult::Handled);
        launches += IsInFlight(round.leftShip.shots[0]) ? 1 : 0;
        round.leftShip.shots.fill({900, 0});  // as if every shot hit at once
        round.Advance();
    }
    EXPECT_EQ(launches, 9);  // ticks 5, 10, ... 45
    EXPECT_FALSE(IsInFlight(round.rightShip.shots[0]));
}

// The right ship at (400, 150) with target (1, 2) and reload 5, as is the left ship.
TEST(PressKey, ActsByTheKeyTable) {
    const std::pair<int, WorldPoint> cases[] = {
        {vk::kEnd, {330, 280}},     {vk::kHome, {330, 36}},     {vk::kLeft, {330, 150}},
        {vk::kUp, {400, 36}},       {vk::kRight, {560, 150}},   {vk::kDown, {400, 280}},
        {vk::kInsert, {400, 150}},  {vk::kNumpad0, {400, 150}}, {vk::kNumpad1, {330, 280}},
        {vk::kNumpad2, {400, 280}}, {vk::kNumpad3, {560, 280}}, {vk::kNumpad4, {330, 150}},
        {vk::kNumpad6, {560, 150}}, {vk::kNumpad7, {330, 36}},  {vk::kNumpad8, {400, 36}},
        {vk::kNumpad9, {560, 36}},  {vk::kNumpad5, {1, 2}},     {vk::kClear, {1, 2}},
        {vk::kPrior, {1, 2}},       {vk::kNext, {1, 2}},        {0x41, {1, 2}},
        {vk::kSpace, {1, 2}}};
    for (const auto& [key, target] : cases) {
        CBattleRound round = Placed();
        Place(round.rightShip, {400, 150}, {1, 2});
        round.leftShip.reload = round.rightShip.reload = 5;
        EXPECT_EQ(PressKey(round, key), ControlResult::Handled) << key;
        EXPECT_EQ(Target(round.rightShip), target) << "key " << key;
        EXPECT_EQ(round.rightShip.shots[0], key == vk::kSpace ? WorldPoint(380, 150) : kParked)
            << "key " << key;
        EXPECT_EQ(round.leftShip.shots[0], kParked);
    }
}

TEST(Controls, AComputerDrivenSideIgnoresItsOwnControlsOnly) {
    for (bool leftComputer : {true, false}) {
        CBattleRound round = Placed();
        round.leftShip.computer = leftComputer;
        round.rightShip.computer = !leftComputer;
        round.leftShip.reload = round.rightShip.reload = 10;
        const ControlResult left = leftComputer ? ControlResult::Ignored : ControlResult::Handled;
        const ControlResult right = leftComputer ? ControlResult::Handled : ControlResult::Ignored;
        EXPECT_EQ(MovePointer(round, 30, 40, 600, 400), left);
        EXPECT_EQ(PressLeftButton(round), left);
        EXPECT_EQ(PressKey(round, vk::kHome), right);
        EXPECT_EQ(PressKey(round, vk::kSpace), right);
        EXPECT_EQ(PressKey(round, 0x41), right);
        EXPECT_EQ(Target(round.leftShip), leftComputer ? WorldPoint(170, 200) : WorldPoint(30, 40));
        EXPECT_EQ(IsInFlight(round.leftShip.shots[0]), !leftComputer);
        EXPECT_EQ(Target(round.rightShip),
                  leftComputer ? WorldPoint(330, 36) : WorldPoint(426, 200));
        EXPECT_EQ(IsInFlight(round.rightShip.shots[0]), leftComputer);
    }
}

}  // namespace
