#include "battle/HitResolution.h"

#include <gtest/gtest.h>

#include <vector>

#include "battle/Sides.h"

namespace {

struct Ships {
    CEmperorShip left;
    CRebelShip right;
    Ships() {
        left.Reset();
        right.Reset();
        left.x = 150;
        left.y = 150;
        right.x = 450;
        right.y = 150;
    }
};

std::vector<WorldPoint> Spent(const HitOutcome& outcome) {
    return {outcome.spentShots.begin(), outcome.spentShots.end()};
}

struct WindowCase {
    const char* name;
    bool leftShot;  // a left ship's shot at the right ship, or the other way round
    int dx, dy;     // shot position relative to the target ship
    bool hits;
    int damage;
};

TEST(ResolveHits, HitWindowsAndDamageByDistance) {
    const WindowCase cases[] = {
        {"missile 44 left and 14 above hits for 7", true, -44, -14, true, 7},
        {"missile 45 away misses", true, -45, 0, false, 0},
        {"missile 15 above misses", true, 0, -15, false, 0},
        {"missile 44 right and 14 below hits for 7", true, 44, 14, true, 7},
        {"missile at the ship's point hits for 65", true, 0, 0, true, 65},
        {"missile 10 right and 3 up hits for 52", true, 10, -3, true, 52},
        {"bolt 59 in x and 14 in y hits for 7", false, 59, 14, true, 7},
        {"bolt at the ship's point hits for 80", false, 0, 0, true, 80},
        {"bolt 60 away misses", false, -60, 0, false, 0},
        {"bolt 15 below misses", false, 0, 15, false, 0},
        {"bolt 59 left hits for 21", false, -59, 0, true, 21},
    };
    for (const WindowCase& c : cases) {
        Ships ships;
        CShip& shooter = c.leftShot ? static_cast<CShip&>(ships.left) : ships.right;
        CShip& target = c.leftShot ? static_cast<CShip&>(ships.right) : ships.left;
        const WorldPoint shot{target.x + c.dx, target.y + c.dy};
        shooter.shots[2] = shot;
        const HitOutcome outcome = ResolveHits(ships.left, ships.right);
        EXPECT_EQ(outcome.anyHit, c.hits) << c.name;
        EXPECT_EQ(target.energy, 500 - c.damage) << c.name;
        EXPECT_EQ(shooter.energy, 500) << c.name;
        if (c.hits) {
            EXPECT_EQ(Spent(outcome), std::vector<WorldPoint>{shot}) << c.name;
            EXPECT_EQ(shooter.shots[2], WorldPoint(900, shot.y)) << c.name;
        } else {
            EXPECT_TRUE(outcome.spentShots.empty()) << c.name;
            EXPECT_EQ(shooter.shots[2], shot) << c.name;
        }
        EXPECT_EQ(outcome.leftEnergy, ships.left.energy) << c.name;
        EXPECT_EQ(outcome.rightEnergy, ships.right.energy) << c.name;
    }
}

TEST(ResolveHits, DetectionOrderIsSlotBySlotLeftShipFirst) {
    Ships ships;
    ships.left.shots[3] = {450, 150};
    ships.right.shots[3] = {150, 150};
    ships.left.shots[1] = {460, 151};
    ships.right.shots[4] = {140, 149};
    ships.right.shots[0] = {155, 150};
    const HitOutcome outcome = ResolveHits(ships.left, ships.right);
    const std::vector<WorldPoint> expected = {
        {155, 150}, {460, 151}, {450, 150}, {150, 150}, {140, 149}};
    EXPECT_EQ(Spent(outcome), expected);
    EXPECT_EQ(ships.right.energy, 500 - 54 - 65);
    EXPECT_EQ(ships.left.energy, 500 - 75 - 80 - 69);
}

TEST(ResolveHits, EnergyIsFlooredOnceAfterAllTests) {
    Ships ships;
    ships.right.energy = 30;
    // Damage 20 (dx 44, dy 1) and then 25 (dx 40, dy 0): -15 after the loop.
    ships.left.shots[0] = {ships.right.x - 44, ships.right.y + 1};
    ships.left.shots[1] = {ships.right.x + 40, ships.right.y};
    const HitOutcome outcome = ResolveHits(ships.left, ships.right);
    EXPECT_EQ(outcome.rightEnergy, 0);
    EXPECT_EQ(ships.right.energy, 0);
    EXPECT_EQ(outcome.spentShots.size(), 2u);
}

TEST(ResolveHits, HitOnAShipAtZeroStillSpendsTheShot) {
    Ships ships;
    ships.left.energy = 0;
    ships.right.shots[4] = {ships.left.x, ships.left.y};
    const HitOutcome outcome = ResolveHits(ships.left, ships.right);
    EXPECT_TRUE(outcome.anyHit);
    EXPECT_EQ(outcome.leftEnergy, 0);
    EXPECT_EQ(ships.right.shots[4].x, 900);
}

TEST(ResolveHits, NoShotInAWindowReportsNothingButTheEnergies) {
    Ships ships;
    ships.left.energy = 321;
    ships.right.energy = 123;
    ships.left.shots[0] = {300, 150};
    ships.right.shots[0] = {300, 150};
    const HitOutcome outcome = ResolveHits(ships.left, ships.right);
    EXPECT_FALSE(outcome.anyHit);
    EXPECT_TRUE(outcome.spentShots.empty());
    EXPECT_EQ(outcome.leftEnergy, 321);
    EXPECT_EQ(outcome.rightEnergy, 123);
}

TEST(ResolveHits, EveryShotOfBothSidesCanHitInOneCall) {
    Ships ships;
    for (int i = 0; i < kShotSlots; ++i) {
        ships.left.shots[i] = {ships.right.x - i, ships.right.y};
        ships.right.shots[i] = {ships.left.x + i, ships.left.y};
    }
    const HitOutcome outcome = ResolveHits(ships.left, ships.right);
    EXPECT_EQ(outcome.spentShots.size(), 10u);
    EXPECT_EQ(outcome.leftEnergy, 500 - (80 + 79 + 78 + 77 + 76));
    EXPECT_EQ(outcome.rightEnergy, 500 - (65 + 64 + 63 + 62 + 61));
}

struct OutOfBandCase {
    const char* name;
    int shotX;
    bool hits;
};

// A shot that has left the live band is out of play, even where its resting place lies within
// the hit window of a ship flying along the world's edge.
TEST(ResolveHits, ShotsOutsideTheLiveBandNeverHit) {
    const OutOfBandCase cases[] = {
        {"bolt resting at -20 beside a ship at x 29", -20, false},
        {"bolt resting at -29 beside a ship at x 29", -29, false},
        {"bolt in flight at -19 hits", -19, true},
    };
    for (const OutOfBandCase& c : cases) {
        Ships ships;
        ships.left.x = 29;
        ships.left.y = 100;
        ships.right.shots[0] = {c.shotX, 100};
        const HitOutcome outcome = ResolveHits(ships.left, ships.right);
        EXPECT_EQ(outcome.anyHit, c.hits) << c.name;
        EXPECT_EQ(ships.left.energy, c.hits ? 500 - (80 - (29 - c.shotX)) : 500) << c.name;
    }
}

TEST(ResolveHits, ParkedAndSpentSlotsAreIgnored) {
    Ships ships;
    ships.left.x = 31;
    ships.left.y = 10;
    ships.right.shots = {WorldPoint{-20, 0}, WorldPoint{900, 10}, WorldPoint{-20, 10},
                         WorldPoint{-25, 10}, WorldPoint{620, 10}};
    EXPECT_FALSE(ResolveHits(ships.left, ships.right).anyHit);
}

}  // namespace
