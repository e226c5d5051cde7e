#include "battle/BattleRound.h"

#include <gtest/gtest.h>

#include "battle/Random.h"

namespace {

TEST(BattleRound, NewRoundMidPlayRestoresShipsAndKeepsComputerFlags) {
    SeedRandom(3);
    CBattleRound round;
    round.NewRound();
    round.leftShip.computer = true;
    round.rightShip.computer = false;
    for (int i = 0; i < 300; ++i) {
        round.Advance();
        round.Resolve();
    }
    round.NewRound();
    EXPECT_TRUE(round.leftShip.computer);
    EXPECT_FALSE(round.rightShip.computer);
    EXPECT_EQ(WorldPoint(round.leftShip.x, round.leftShip.y), WorldPoint(170, 383));
    EXPECT_EQ(WorldPoint(round.rightShip.x, round.rightShip.y), WorldPoint(426, 380));
    for (const CShip* ship : {static_cast<const CShip*>(&round.leftShip),
                              static_cast<const CShip*>(&round.rightShip)}) {
        EXPECT_EQ(ship->energy, 500);
        EXPECT_EQ(ship->reload, 0);
        for (const WorldPoint& shot : ship->shots) {
            EXPECT_EQ(shot, WorldPoint(-20, 0));
        }
    }
}

TEST(BattleRound, PersonDrivenShipsWithoutInputClimbAndHoldFire) {
    CBattleRound round;
    round.NewRound();
    for (int i = 0; i < 500; ++i) {
        round.Advance();
        EXPECT_FALSE(round.Resolve().anyHit);
    }
    EXPECT_EQ(WorldPoint(round.leftShip.x, round.leftShip.y), WorldPoint(170, 200));
    EXPECT_EQ(WorldPoint(round.rightShip.x, round.rightShip.y), WorldPoint(426, 200));
    for (int i = 0; i < kShotSlots; ++i) {
        EXPECT_EQ(round.leftShip.shots[i], WorldPoint(-20, 0));
        EXPECT_EQ(round.rightShip.shots[i], WorldPoint(-20, 0));
    }
}

TEST(BattleRound, ResolveRightAfterNewRoundReportsNoHit) {
    CBattleRound round;
    round.NewRound();
    const HitOutcome outcome = round.Resolve();
    EXPECT_FALSE(outcome.anyHit);
    EXPECT_EQ(outcome.leftEnergy, 500);
    EXPECT_EQ(outcome.rightEnergy, 500);
}

TEST(BattleRound, LeftShipDrawsBeforeRightShipWhenBothArrive) {
    CBattleRound round;
    round.NewRound();
    round.leftShip.computer = true;
    round.rightShip.computer = true;
    round.leftShip.x = round.leftShip.targetX = 100;
    round.leftShip.y = round.leftShip.targetY = 100;
    round.rightShip.x = round.rightShip.targetX = 400;
    round.rightShip.y = round.rightShip.targetY = 100;
    SeedRandom(1);  // 41, 18467, 6334, 26500
    round.Advance();
    EXPECT_EQ(round.leftShip.targetX, 31 + 41 / (32767 / 229));
    EXPECT_EQ(round.leftShip.targetY, 36 + 18467 / (32767 / 244));
    EXPECT_EQ(round.rightShip.targetX, 330 + 6334 / (32767 / 230));
    EXPECT_EQ(round.rightShip.targetY, 36 + 26500 / (32767 / 244));
}

// With the random source seeded with 1, both sides computer-driven and no input, the right ship
// arrives first, on the 61st tick, and the left ship on the 62nd.
TEST(BattleRound, SeededBattleOpensAsPredicted) {
    CBattleRound round;
    SeedRandom(1);
    round.NewRound();
    round.leftShip.computer = true;
    round.rightShip.computer = true;
    for (int tick = 1; tick <= 60; ++tick) {
        round.Advance();
        ASSERT_FALSE(round.Resolve().anyHit);
    }
    round.Advance();
    EXPECT_EQ(WorldPoint(round.rightShip.targetX, round.rightShip.targetY), WorldPoint(330, 173));
    EXPECT_EQ(round.rightShip.shots[0], WorldPoint(396, 200));
    EXPECT_EQ(WorldPoint(round.rightShip.x, round.rightShip.y), WorldPoint(423, 197));
    EXPECT_EQ(round.rightShip.reload, 1);
    EXPECT_EQ(WorldPoint(round.leftShip.x, round.leftShip.y), WorldPoint(170, 200));
    EXPECT_FALSE(IsInFlight(round.leftShip.shots[0]));
    round.Resolve();

    round.Advance();
    EXPECT_EQ(WorldPoint(round.leftShip.targetX, round.leftShip.targetY), WorldPoint(75, 233));
    EXPECT_EQ(round.leftShip.shots[0], WorldPoint(200, 200));
    EXPECT_EQ(WorldPoint(round.leftShip.x, round.leftShip.y), WorldPoint(167, 203));
    EXPECT_EQ(round.rightShip.shots[0], WorldPoint(386, 200));
}

}  // namespace
