// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "SceneReference.h"
#include "Support.h"
#include "SyntheticScene.h"
#include "play/Sequence.h"

namespace {

CBattleRound Round(WorldPoint left, WorldPoint right) {
    CBattleRound round;
    round.NewRound();
    Place(round.leftShip, left);
    Place(round.rightShip, right);
    return round;
}

// After one step the left missile stands 40 units before the right ship and the right bolt 40
// units from the left ship, unless the ships stand apart; two more shots fly on.
CBattleRound NextTick(bool hits) {
    CBattleRound round = Round({200, hits ? 150 : 50}, {400, hits ? 150 : 250});
    round.leftShip.shots[0] = {350, 150};
    round.leftShip.shots[1] = {100, 300};
    round.rightShip.shots[0] = {250, 150};
    round.rightShip.shots[2] = {500, 60};
    return round;
}

TEST(RunTick, AdvancesDrawsTheShipsThenRepairsWhatTheHitsTook) {
    const SyntheticArt art;
    for (const bool hits : {true, false}) {
        for (const QSize size : {QSize(600, 400), QSize(1280, 720)}) {
            CBattleRound round = NextTick(hits);
            CBattleRound drawn = round;
            drawn.Advance();
            CSurface surface = Prefilled(size.width(), size.height());
            const HitOutcome outcome =
                RunTick(round, art.View(), ClientOfSize(size.width(), size.height()), surface);
            EXPECT_EQ(outcome.anyHit, hits);
            EXPECT_EQ(round.leftShip.shots[1].x, 110);
            EXPECT_TRUE(SamePixels(
                surface.Image(),
                ExpectedScene(art.View(), size.width(), size.height(), drawn, outcome, false)))
                << size.width() << (hits ? " with hits" : " without hits");
        }
    }
    // Left shots, left ship, right shots, right ship, the erases, one blanking for 460 and 475.
    CBattleRound round = NextTick(true);
    CSurface surface(600, 400);
    RunTick(round, art.View(), ClientOfSize(600, 400), surface);
    EXPECT_EQ(Recorded(surface),
              (std::vector<QRect>{
                  QRect(340, 144, 40, 12), QRect(90, 294, 40, 12), QRect(170, 135, 70, 30),
                  QRect(220, 144, 40, 12), QRect(470, 54, 40, 12), QRect(370, 135, 70, 30),
                  QRect(340, 144, 40, 12), QRect(220, 144, 40, 12), QRect(266, 0, 57, 20)}));
}

TEST(PaintScene, DrawsEverythingThenResolvesAPendingHit) {
    const SyntheticArt art;
    // Tiles beyond the edges, the right ship's under the bars, a shot that may hit at (541, 30).
    CBattleRound round = Round({29, 383}, {561, 25});
    round.leftShip.energy = 123;
    round.rightShip.energy = 7;
    round.leftShip.shots[0] = {-19, 383};
    round.leftShip.shots[1] = {619, 200};
    round.rightShip.shots[0] = {300, 35};
    const struct {
        int width, height;
        bool hit;
    } cases[] = {{600, 400, true}, {600, 400, false}, {1000, 390, true}, {333, 777, false}};
    for (const auto& c : cases) {
        round.leftShip.shots[2] = {541, c.hit ? 30 : 130};
        CBattleRound painted = round;
        CSurface surface = Prefilled(c.width, c.height);
        const HitOutcome outcome =
            PaintScene(painted, art.View(), ClientOfSize(c.width, c.height), surface);
        EXPECT_EQ(outcome.anyHit, c.hit);
        EXPECT_TRUE(SamePixels(surface.Image(),
                               ExpectedScene(art.View(), c.width, c.height, round, outcome, true)))
            << c.width << (c.hit ? " with a hit" : " without a hit");
    }
}

TEST(Scene, AnEmptyClientDrawsNothingWhileTheBattleGoesOn) {
    const SyntheticArt art;
    for (const ClientExtent client :
         {ClientOfSize(0, 0), ClientOfSize(0, 400), ClientOfSize(600, 0)}) {
        CSurface surface = Prefilled(600, 400);
        CBattleRound round = NextTick(true);
        EXPECT_TRUE(RunTick(round, art.View(), client, surface).anyHit);
        EXPECT_EQ(round.leftShip.shots[1].x, 110);
        PaintScene(round, art.View(), client, surface);
        EXPECT_TRUE(surface.Damage().empty());
        EXPECT_TRUE(SamePixels(surface.Image(), Pattern(600, 400, 2)));
    }
}

// Without a picture the battle takes the same steps: a tick steps, then resolves; a paint only
// resolves. From NextTick(true) the bolt 50 units from the left ship hits before a step (80 - 50
// off 500), and after it both shots hit from 40 units (65 - 40 and 80 - 40).
TEST(Unseen, ABattleNobodySeesStepsAndResolvesAsAShownOne) {
    struct Case {
        const char* name;
        bool hits;  // NextTick's ships in line
        bool tick;  // else a paint
        bool anyHit;
        std::size_t spent;
        int leftEnergy, rightEnergy;
        int leftShot1X;  // 100 before the step, 110 after it
    };
    const Case cases[] = {
        {"a tick with two hits", true, true, true, 2, 460, 475, 110},
        {"a tick without hits", false, true, false, 0, 500, 500, 110},
        {"a paint resolves without a step", true, false, true, 1, 470, 500, 100},
        {"a paint of ships apart", false, false, false, 0, 500, 500, 100},
    };
    for (const Case& c : cases) {
        CBattleRound round = NextTick(c.hits);
        const HitOutcome outcome = c.tick ? RunTickUnseen(round) : PaintSceneUnseen(round);
        EXPECT_EQ(outcome.anyHit, c.anyHit) << c.name;
        EXPECT_EQ(outcome.spentShots.size(), c.spent) << c.name;
        EXPECT_EQ(round.leftShip.energy, c.leftEnergy) << c.name;
        EXPECT_EQ(round.rightShip.energy, c.rightEnergy) << c.name;
        EXPECT_EQ(round.leftShip.shots[1].x, c.leftShot1X) << c.name;
    }
}

}  // namespace
