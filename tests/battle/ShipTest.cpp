#include <gtest/gtest.h>

#include "battle/Random.h"
#include "battle/Sides.h"

namespace {

CEmperorShip FreshLeft(bool computer = false) {
    CEmperorShip ship;
    ship.Reset();
    ship.computer = computer;
    return ship;
}

CRebelShip FreshRight(bool computer = false) {
    CRebelShip ship;
    ship.Reset();
    ship.computer = computer;
    return ship;
}

template <typename Ship>
void StepTimes(Ship& ship, int times) {
    for (int i = 0; i < times; ++i) {
        ship.Step();
    }
}

TEST(ShipConstruction, SetsBoxStartTargetAndParksShots) {
    const CEmperorShip left;
    EXPECT_EQ(left.minX, 31);
    EXPECT_EQ(left.maxX, 260);
    EXPECT_EQ(left.minY, 36);
    EXPECT_EQ(left.maxY, 280);
    EXPECT_EQ(left.shotStep, 10);
    EXPECT_EQ(WorldPoint(left.x, left.y), WorldPoint(170, 383));
    EXPECT_EQ(WorldPoint(left.targetX, left.targetY), WorldPoint(170, 200));
    const CRebelShip right;
    EXPECT_EQ(right.minX, 330);
    EXPECT_EQ(right.maxX, 560);
    EXPECT_EQ(right.minY, 36);
    EXPECT_EQ(right.maxY, 280);
    EXPECT_EQ(right.shotStep, -10);
    EXPECT_EQ(WorldPoint(right.x, right.y), WorldPoint(426, 380));
    EXPECT_EQ(WorldPoint(right.targetX, right.targetY), WorldPoint(426, 200));
    for (int i = 0; i < kShotSlots; ++i) {
        EXPECT_EQ(left.shots[i].x, -20);
        EXPECT_EQ(right.shots[i].x, -20);
    }
}

TEST(ShipReset, RestoresEverythingButBoxAndComputerFlag) {
    CRebelShip ship = FreshRight(true);
    ship.x = 500;
    ship.y = 100;
    ship.targetX = 1;
    ship.targetY = 2;
    ship.energy = 3;
    ship.reload = 7;
    ship.shots[2] = {300, 120};
    ship.shotStep = 99;
    ship.Reset();
    EXPECT_TRUE(ship.computer);
    EXPECT_EQ(ship.energy, 500);
    EXPECT_EQ(ship.reload, 0);
    EXPECT_EQ(ship.shotStep, -10);
    EXPECT_EQ(WorldPoint(ship.x, ship.y), WorldPoint(426, 380));
    EXPECT_EQ(WorldPoint(ship.targetX, ship.targetY), WorldPoint(426, 200));
    EXPECT_EQ(ship.minX, 330);
    EXPECT_EQ(ship.maxY, 280);
    for (const WorldPoint& shot : ship.shots) {
        EXPECT_EQ(shot, WorldPoint(-20, 0));
    }
}

TEST(ShipClimb, ReachesTheFirstTargetInSixtyOneAndSixtySteps) {
    CEmperorShip left = FreshLeft();
    StepTimes(left, 60);
    EXPECT_EQ(WorldPoint(left.x, left.y), WorldPoint(170, 203));
    left.Step();
    EXPECT_EQ(WorldPoint(left.x, left.y), WorldPoint(170, 200));

    CRebelShip right = FreshRight();
    StepTimes(right, 59);
    EXPECT_EQ(WorldPoint(right.x, right.y), WorldPoint(426, 203));
    right.Step();
    EXPECT_EQ(WorldPoint(right.x, right.y), WorldPoint(426, 200));
}

TEST(ShipClimb, ComputerFiresOnTheStepAfterArriving) {
    SeedRandom(7);
    CEmperorShip left = FreshLeft(true);
    StepTimes(left, 61);
    for (const WorldPoint& shot : left.shots) {
        EXPECT_FALSE(IsInFlight(shot));
    }
    left.Step();
    EXPECT_TRUE(IsInFlight(left.shots[0]));
    EXPECT_EQ(left.shots[0], WorldPoint(200, 200));
}

TEST(ShipClimb, StaysBelowTheBoxWhileTheTargetIsNotAbove) {
    CEmperorShip left = FreshLeft();
    left.targetY = 383;
    StepTimes(left, 20);
    EXPECT_EQ(WorldPoint(left.x, left.y), WorldPoint(170, 383));
    left.targetY = 400;
    StepTimes(left, 20);
    EXPECT_EQ(left.y, 383) << "the box's lower edge blocks the way down";
}

TEST(ShipArrival, PicksATargetFiresAndAdvancesTheNewShotInOneStep) {
    CEmperorShip left = FreshLeft(true);
    left.x = 170;
    left.y = 200;
    left.targetX = 170;
    left.targetY = 200;
    left.reload = 10;
    SeedRandom(1);  // draws 41 and 18467: buckets of 143 and 134
    left.Step();
    EXPECT_EQ(left.targetX, 31 + 41 / 143);
    EXPECT_EQ(left.targetY, 36 + 18467 / 134);
    EXPECT_EQ(left.shots[0], WorldPoint(200, 200));
    EXPECT_EQ(left.reload, 1);
    for (int i = 1; i < kShotSlots; ++i) {
        EXPECT_EQ(left.shots[i], WorldPoint(-20, 0));
    }
}

TEST(ShipArrival, PersonDrivenShipDoesNothingOnArrival) {
    CEmperorShip left = FreshLeft(false);
    left.x = left.targetX = 170;
    left.y = left.targetY = 200;
    left.reload = 10;
    SeedRandom(1);
    left.Step();
    EXPECT_EQ(WorldPoint(left.targetX, left.targetY), WorldPoint(170, 200));
    EXPECT_FALSE(IsInFlight(left.shots[0]));
    EXPECT_EQ(DrawRandom(), 41) << "no draw was consumed";
}

struct MoveCase {
    const char* name;
    bool rightSide;
    int x, y, targetX, targetY;
    int steps;
    int expectedX, expectedY;
};

TEST(ShipMovement, SettlesOnItsLatticeWithBoxTestsBeforeTheMove) {
    const MoveCase cases[] = {
        {"target one unit right: up and back within the step", false, 170, 200, 171, 200, 1, 170,
         200},
        {"target two units right: rests on the lattice below it", false, 170, 200, 172, 200, 5, 170,
         200},
        {"target three units right: one step", false, 170, 200, 173, 200, 1, 173, 200},
        {"left edge of the window: rests two units beyond minX", false, 170, 200, 0, 200, 100, 29,
         200},
        {"target x 31 on the left ship: rests at 29", false, 170, 200, 31, 200, 100, 29, 200},
        {"target x 32 on the left ship: rests at 32", false, 170, 200, 32, 200, 100, 32, 200},
        {"right ship at its box edge 560 rests at 558", true, 426, 200, 560, 200, 100, 558, 200},
        {"right ship far right stops past the edge", true, 426, 200, 900, 200, 100, 561, 200},
        {"target y 36: rests at 35", true, 426, 200, 426, 36, 100, 426, 35},
        {"left ship down to y 300 passes maxY to 281", false, 170, 200, 170, 300, 100, 170, 281},
        {"left ship far right stops at 260", false, 170, 200, 500, 200, 100, 260, 200},
        {"diagonal moves both axes", false, 100, 100, 200, 200, 1, 103, 103},
    };
    for (const MoveCase& c : cases) {
        CShip* ship = nullptr;
        CEmperorShip left = FreshLeft();
        CRebelShip right = FreshRight();
        ship = c.rightSide ? static_cast<CShip*>(&right) : static_cast<CShip*>(&left);
        ship->x = c.x;
        ship->y = c.y;
        ship->targetX = c.targetX;
        ship->targetY = c.targetY;
        for (int i = 0; i < c.steps; ++i) {
            ship->Step();
        }
        EXPECT_EQ(WorldPoint(ship->x, ship->y), WorldPoint(c.expectedX, c.expectedY)) << c.name;
    }
}

TEST(ShipMovement, RightShipAtItsEdgeFlipsOutAndBackWithinEachStep) {
    CRebelShip right = FreshRight();
    right.x = 558;
    right.y = 200;
    right.targetX = 560;
    right.targetY = 200;
    for (int i = 0; i < 5; ++i) {
        right.Step();
        EXPECT_EQ(right.x, 558);
    }
}

struct FireCase {
    const char* name;
    int reload;
    int inFlight;  // slots 0 .. inFlight - 1 are in flight
    bool fires;
    int slot;
    int reloadAfter;
};

TEST(ShipFire, NeedsReloadFiveAndAFreeSlot) {
    const FireCase cases[] = {
        {"reload 4 does nothing", 4, 0, false, -1, 4},
        {"reload 5 fires into slot 0", 5, 0, true, 0, 0},
        {"reload 10 fires", 10, 0, true, 0, 0},
        {"lowest free slot is taken", 10, 3, true, 3, 0},
        {"all slots in flight: nothing, reload kept", 10, 5, false, -1, 10},
    };
    for (const FireCase& c : cases) {
        CRebelShip right = FreshRight();
        right.x = 400;
        right.y = 150;
        right.reload = c.reload;
        for (int i = 0; i < c.inFlight; ++i) {
            right.shots[i] = {100 + i, 77};
        }
        right.Fire();
        EXPECT_EQ(right.reload, c.reloadAfter) << c.name;
        for (int i = 0; i < kShotSlots; ++i) {
            if (i == c.slot) {
                EXPECT_EQ(right.shots[i], WorldPoint(380, 150)) << c.name;
            } else if (i < c.inFlight) {
                EXPECT_EQ(right.shots[i], WorldPoint(100 + i, 77)) << c.name;
            } else {
                EXPECT_EQ(right.shots[i], WorldPoint(-20, 0)) << c.name;
            }
        }
    }
}

TEST(ShipFire, ReusesASlotFreedByLeavingTheBandOrByAHit) {
    CEmperorShip left = FreshLeft();
    left.x = 100;
    left.y = 60;
    left.reload = 5;
    left.shots = {WorldPoint{300, 1}, WorldPoint{900, 2}, WorldPoint{-20, 0}, WorldPoint{620, 4},
                  WorldPoint{5, 5}};
    left.Fire();
    EXPECT_EQ(left.shots[1], WorldPoint(120, 60));
}

struct ShotCase {
    const char* name;
    bool rightSide;
    int shotX;
    int expectedX;
};

TEST(ShipShots, MoveWhileInTheLiveBandOnly) {
    const ShotCase cases[] = {
        {"left shot at 619 moves to 629", false, 619, 629},
        {"left shot at 610 moves to 620", false, 610, 620},
        {"left shot at 620 stays", false, 620, 620},
        {"left shot at -20 stays", false, -20, -20},
        {"left shot at -19 moves", false, -19, -9},
        {"right shot at -19 moves to -29", true, -19, -29},
        {"right shot at 619 moves", true, 619, 609},
        {"right shot at -20 stays", true, -20, -20},
        {"spent shot at 900 stays", true, 900, 900},
    };
    for (const ShotCase& c : cases) {
        CEmperorShip left = FreshLeft();
        CRebelShip right = FreshRight();
        CShip& ship = c.rightSide ? static_cast<CShip&>(right) : static_cast<CShip&>(left);
        ship.shots[3] = {c.shotX, 5};
        ship.Step();
        EXPECT_EQ(ship.shots[3].x, c.expectedX) << c.name;
        if (!IsInFlight(ship.shots[3])) {
            ship.Step();
            EXPECT_EQ(ship.shots[3].x, c.expectedX) << c.name << ": a free shot stays put";
        }
    }
}

TEST(ShipShots, ReloadCountsUpToTen) {
    CEmperorShip left = FreshLeft();
    for (int expected = 1; expected <= 12; ++expected) {
        left.Step();
        EXPECT_EQ(left.reload, expected < 10 ? expected : 10);
    }
}

TEST(ShipRefire, NeverFiredSlotsDoNotTriggerAFire) {
    CEmperorShip left = FreshLeft(true);
    left.x = 100;
    left.y = 100;
    left.targetX = 200;
    left.targetY = 200;
    left.reload = 10;
    for (int i = 0; i < 10; ++i) {
        left.Step();
    }
    for (const WorldPoint& shot : left.shots) {
        EXPECT_EQ(shot, WorldPoint(-20, 0));
    }
}

TEST(ShipRefire, AFreeSlotFiredBeforeTriggersAFireIntoTheLowestSlot) {
    CEmperorShip left = FreshLeft(true);
    left.x = 100;
    left.y = 100;
    left.targetX = 200;
    left.targetY = 200;
    left.shots[0] = {-20, 0};
    left.shots[1] = {300, 120};
    left.shots[2] = {629, 150};
    left.shots[3] = {-20, 0};
    left.shots[4] = {-20, 0};
    left.reload = 9;
    left.Step();
    EXPECT_EQ(WorldPoint(left.x, left.y), WorldPoint(103, 103));
    EXPECT_EQ(left.shots[0], WorldPoint(123, 103)) << "launched, not advanced before next step";
    EXPECT_EQ(left.shots[1], WorldPoint(310, 120));
    EXPECT_EQ(left.shots[2], WorldPoint(629, 150));
    EXPECT_EQ(left.reload, 0);
    left.Step();
    EXPECT_EQ(left.shots[0], WorldPoint(133, 103)) << "a shot keeps the height it was fired at";
}

TEST(ShipRefire, ASlotLeavingTheBandInThisPassWaitsForTheNextStep) {
    CEmperorShip left = FreshLeft(true);
    left.x = 100;
    left.y = 100;
    left.targetX = 200;
    left.targetY = 200;
    left.shots[0] = {615, 150};
    left.shots[1] = {300, 120};
    left.shots[2] = {300, 120};
    left.shots[3] = {300, 120};
    left.shots[4] = {300, 120};
    left.reload = 10;
    left.Step();
    EXPECT_EQ(left.shots[0], WorldPoint(625, 150));
    EXPECT_EQ(left.reload, 10);
    left.Step();
    EXPECT_EQ(left.shots[0], WorldPoint(126, 106)) << "refilled by the pass of the next step";
    EXPECT_EQ(left.reload, 0);
}

TEST(ShipRefire, EarlierSlotThatLeftTheBandInThisPassIsFilled) {
    CRebelShip right = FreshRight(true);
    right.x = 400;
    right.y = 100;
    right.targetX = 500;
    right.targetY = 100;
    right.shots[0] = {-15, 150};  // leaves the band in this pass
    right.shots[1] = {-25, 150};  // free and fired before: triggers the pass's Fire
    right.shots[2] = {300, 120};
    right.shots[3] = {300, 120};
    right.shots[4] = {300, 120};
    right.reload = 10;
    right.Step();
    EXPECT_EQ(right.shots[0], WorldPoint(383, 100));
    EXPECT_EQ(right.shots[1], WorldPoint(-25, 150));
}

TEST(ShipLattice, LongComputerBattleKeepsPositionsOnTheirLattices) {
    SeedRandom(12345);
    CEmperorShip left = FreshLeft(true);
    CRebelShip right = FreshRight(true);
    bool leftInside = false;
    bool rightInside = false;
    for (int tick = 0; tick < 20000; ++tick) {
        left.Step();
        right.Step();
        ASSERT_EQ((left.x - 170) % 3, 0);
        ASSERT_EQ((left.y - 383) % 3, 0);
        ASSERT_EQ((right.x - 426) % 3, 0);
        ASSERT_EQ((right.y - 380) % 3, 0);
        leftInside = leftInside || left.y <= left.maxY;
        rightInside = rightInside || right.y <= right.maxY;
        if (leftInside) {
            ASSERT_GE(left.x, left.minX - 2);
            ASSERT_LE(left.x, left.maxX + 2);
            ASSERT_GE(left.y, left.minY - 2);
            ASSERT_LE(left.y, left.maxY + 2);
        }
        if (rightInside) {
            ASSERT_GE(right.x, right.minX - 2);
            ASSERT_LE(right.x, right.maxX + 2);
            ASSERT_GE(right.y, right.minY - 2);
            ASSERT_LE(right.y, right.maxY + 2);
        }
        ASSERT_GE(left.reload, 0);
        ASSERT_LE(left.reload, 10);
    }
    EXPECT_TRUE(leftInside);
    EXPECT_TRUE(rightInside);
}

TEST(ShipPickNewTarget, DrawsXThenYWithinTheBoxMinusOne) {
    SeedRandom(1);  // 41, 18467
    CRebelShip right = FreshRight(true);
    right.PickNewTarget();
    EXPECT_EQ(right.targetX, 330 + 41 / (32767 / 230));
    EXPECT_EQ(right.targetY, 36 + 18467 / (32767 / 244));
    for (int i = 0; i < 5000; ++i) {
        right.PickNewTarget();
        ASSERT_GE(right.targetX, 330);
        ASSERT_LE(right.targetX, 559);
        ASSERT_GE(right.targetY, 36);
        ASSERT_LE(right.targetY, 279);
    }
}

}  // namespace
