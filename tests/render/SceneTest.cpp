#include "render/Scene.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "NamedCases.h"
#include "Reference.h"
#include "SamePixels.h"
#include "TestArt.h"
#include "battle/Random.h"

namespace {

// The synthetic art of a whole scene, owned here, and the expectations built from it.
struct Art {
    QImage background = MakeBackground();
    SideArt leftArt = MakeSideArt(1);
    SideArt rightArt = MakeSideArt(9);
    CSpriteSet left{leftArt.ship.image, leftArt.ship.mask, leftArt.shot.image, leftArt.shot.mask};
    CSpriteSet right{rightArt.ship.image, rightArt.ship.mask, rightArt.shot.image,
                     rightArt.shot.mask};
    CEnergyBars bars{MakePatch(290, 20, 4), MakePatch(290, 20, 12)};

    SceneArt View() const { return {background, left, right, bars}; }

    ExpectedSide LeftSide() const {
        return {background, leftArt.ship.image, leftArt.ship.mask, leftArt.shot.image,
                leftArt.shot.mask};
    }
    ExpectedSide RightSide() const {
        return {background, rightArt.ship.image, rightArt.ship.mask, rightArt.shot.image,
                rightArt.shot.mask};
    }

    // Both ships as the scene draws them: each side's shots in flight, then its ship.
    void PaintShips(QImage& expected, const CBattleRound& round) const {
        PaintSide(expected, LeftSide(), round.leftShip);
        PaintSide(expected, RightSide(), round.rightShip);
    }

    static void PaintSide(QImage& expected, const ExpectedSide& side, const CShip& ship) {
        for (const WorldPoint& shot : ship.shots) {
            if (shot.x > -20 && shot.x < 620) {
                PaintExpectedShot(expected, side, shot.x, shot.y);
            }
        }
        PaintExpectedShip(expected, side, ship.x, ship.y);
    }

    void PaintBackground(QImage& expected) const {
        PaintWorldRect(expected, QRect(0, 0, 600, 400),
                       [&](int x, int y) { return std::optional<QRgb>(background.pixel(x, y)); });
    }

    void PaintFullBars(QImage& expected) const {
        const int w = expected.width();
        const int h = expected.height();
        const QRect barSize(0, 0, 290, 20);
        ReferenceStretch(expected,
                         QRect(0, 0, WorldToClient(w, 290, 600), WorldToClient(h, 20, 400)),
                         bars.leftBar, barSize, RasterOp::Copy);
        ReferenceStretch(expected,
                         QRect(WorldToClient(w, 310, 600), 0, WorldToClient(w, 290, 600),
                               WorldToClient(h, 20, 400)),
                         bars.rightBar, barSize, RasterOp::Copy);
    }
};

// Two person-driven ships standing at their target points, so a step moves only their shots,
// and no random draw happens.
CBattleRound StandingShips(WorldPoint left, WorldPoint right) {
    CBattleRound round;
    round.NewRound();
    round.leftShip.x = round.leftShip.targetX = left.x;
    round.leftShip.y = round.leftShip.targetY = left.y;
    round.rightShip.x = round.rightShip.targetX = right.x;
    round.rightShip.y = round.rightShip.targetY = right.y;
    return round;
}

CSurface PrefilledSurface(int width, int height) {
    CSurface surface(width, height);
    surface.Image() = MakePrefilled(width, height);
    return surface;
}

std::vector<QRect> Recorded(const CSurface& surface) {
    return {surface.Damage().begin(), surface.Damage().end()};
}

// After one step the left missile stands at (360, 150), 40 units before the right ship at
// (400, 150): a hit for 65 - 40 = 25. The right bolt stands at (240, 150), 40 units from the
// left ship at (200, 150): a hit for 80 - 40 = 40. Two more shots fly on without hitting.
CBattleRound TickWithTwoHits() {
    CBattleRound round = StandingShips({200, 150}, {400, 150});
    round.leftShip.shots[0] = {350, 150};
    round.leftShip.shots[1] = {100, 300};
    round.rightShip.shots[0] = {250, 150};
    round.rightShip.shots[2] = {500, 60};
    return round;
}

TEST(RunTick, AdvancesDrawsBothSidesResolvesThenErasesAndBlanks) {
    const Art art;
    CBattleRound round = TickWithTwoHits();
    CSurface surface = PrefilledSurface(600, 400);
    const HitOutcome outcome = RunTick(round, art.View(), ClientOfSize(600, 400), surface);

    ASSERT_TRUE(outcome.anyHit);
    ASSERT_EQ(outcome.spentShots.size(), 2u);
    EXPECT_EQ(outcome.spentShots[0], (WorldPoint{360, 150}));
    EXPECT_EQ(outcome.spentShots[1], (WorldPoint{240, 150}));
    EXPECT_EQ(outcome.leftEnergy, 460);
    EXPECT_EQ(outcome.rightEnergy, 475);
    EXPECT_EQ(round.leftShip.shots[1].x, 110) << "the model advanced once";

    // In order: left missiles, left ship, right bolts, right ship, the two erase patches in
    // detection order, and one blanking for energies 460 and 475: world x 266 for 57 units.
    EXPECT_EQ(Recorded(surface),
              (std::vector<QRect>{
                  QRect(340, 144, 40, 12), QRect(90, 294, 40, 12), QRect(170, 135, 70, 30),
                  QRect(220, 144, 40, 12), QRect(470, 54, 40, 12), QRect(370, 135, 70, 30),
                  QRect(340, 144, 40, 12), QRect(220, 144, 40, 12), QRect(266, 0, 57, 20)}));

    QImage expected = MakePrefilled(600, 400);
    CBattleRound drawn = TickWithTwoHits();
    drawn.Advance();
    art.PaintShips(expected, drawn);
    PaintExpectedErase(expected, art.background, 360, 150);
    PaintExpectedErase(expected, art.background, 240, 150);
    PaintExpectedBlank(expected, art.background, 460, 475);
    EXPECT_TRUE(SamePixels(surface.Image(), expected));
}

TEST(RunTick, WithoutAHitDrawsOnlyTheTiles) {
    const Art art;
    CBattleRound round = StandingShips({200, 150}, {400, 250});
    round.leftShip.shots[3] = {100, 150};
    CSurface surface = PrefilledSurface(600, 400);
    const HitOutcome outcome = RunTick(round, art.View(), ClientOfSize(600, 400), surface);

    EXPECT_FALSE(outcome.anyHit);
    EXPECT_TRUE(outcome.spentShots.empty());
    EXPECT_EQ(Recorded(surface),
              (std::vector<QRect>{QRect(90, 144, 40, 12), QRect(170, 135, 70, 30),
                                  QRect(370, 235, 70, 30)}));
    QImage expected = MakePrefilled(600, 400);
    art.PaintShips(expected, round);
    EXPECT_TRUE(SamePixels(surface.Image(), expected));
}

TEST(RunTick, ScaledTickMatchesTheReference) {
    const Art art;
    CBattleRound round = TickWithTwoHits();
    CSurface surface = PrefilledSurface(1280, 720);
    RunTick(round, art.View(), ClientOfSize(1280, 720), surface);

    QImage expected = MakePrefilled(1280, 720);
    CBattleRound drawn = TickWithTwoHits();
    drawn.Advance();
    art.PaintShips(expected, drawn);
    PaintExpectedErase(expected, art.background, 360, 150);
    PaintExpectedErase(expected, art.background, 240, 150);
    PaintExpectedBlank(expected, art.background, 460, 475);
    EXPECT_TRUE(SamePixels(surface.Image(), expected));
}

TEST(RunTick, MinimisedClientStillAdvancesAndResolvesButDrawsNothing) {
    const Art art;
    CBattleRound round = TickWithTwoHits();
    CSurface surface(0, 0);
    const HitOutcome outcome = RunTick(round, art.View(), ClientOfSize(0, 0), surface);
    EXPECT_TRUE(outcome.anyHit);
    EXPECT_EQ(outcome.rightEnergy, 475);
    EXPECT_EQ(round.leftShip.shots[1].x, 110);
    EXPECT_TRUE(surface.Damage().empty());
}

TEST(PaintScene, DrawsTheWholePictureWithBarsShowingTheCurrentEnergies) {
    const Art art;
    CBattleRound round = StandingShips({200, 150}, {400, 250});
    round.leftShip.energy = 300;
    round.leftShip.shots[0] = {300, 100};
    round.rightShip.shots[4] = {250, 300};
    CSurface surface = PrefilledSurface(600, 400);
    const HitOutcome outcome = PaintScene(round, art.View(), ClientOfSize(600, 400), surface);

    EXPECT_FALSE(outcome.anyHit);
    EXPECT_EQ(outcome.leftEnergy, 300);
    EXPECT_EQ(round.leftShip.shots[0].x, 300) << "a paint does not advance the model";

    QImage expected = MakePrefilled(600, 400);
    art.PaintBackground(expected);
    art.PaintShips(expected, round);
    art.PaintFullBars(expected);
    PaintExpectedBlank(expected, art.background, 300, 500);
    EXPECT_TRUE(SamePixels(surface.Image(), expected));
    // The left bar with energy 300 keeps world x 0 to 173; beyond it lies background.
    EXPECT_EQ(surface.Image().pixel(173, 10), art.bars.leftBar.pixel(173, 10));
    EXPECT_EQ(surface.Image().pixel(174, 10), WorldColour(174, 10));
    EXPECT_EQ(surface.DamageBounds(), QRect(0, 0, 600, 400));
}

TEST(PaintScene, ResolvesAPendingHitWithItsEraseAndBlank) {
    const Art art;
    CBattleRound round = StandingShips({200, 150}, {400, 150});
    round.leftShip.shots[2] = {380, 155};  // 20 and 5 units off the right ship: 40 damage
    CSurface surface = PrefilledSurface(600, 400);
    const HitOutcome outcome = PaintScene(round, art.View(), ClientOfSize(600, 400), surface);

    ASSERT_TRUE(outcome.anyHit);
    EXPECT_EQ(outcome.rightEnergy, 460);
    EXPECT_EQ(round.rightShip.energy, 460);

    QImage expected = MakePrefilled(600, 400);
    art.PaintBackground(expected);
    CBattleRound drawn = StandingShips({200, 150}, {400, 150});
    drawn.leftShip.shots[2] = {380, 155};
    art.PaintShips(expected, drawn);
    art.PaintFullBars(expected);
    PaintExpectedBlank(expected, art.background, 500, 500);
    PaintExpectedErase(expected, art.background, 380, 155);
    PaintExpectedBlank(expected, art.background, 500, 460);
    EXPECT_TRUE(SamePixels(surface.Image(), expected));
}

struct PaintSize {
    const char* name;
    int width, height;
};

void PrintTo(const PaintSize& c, std::ostream* os) {
    *os << c.name;
}

const PaintSize kPaintSizes[] = {
    {"Widescreen1280By720", 1280, 720},
    {"Width1000Height390", 1000, 390},
    {"Shrunk300By200", 300, 200},
};

class PaintSceneScaled : public ::testing::TestWithParam<PaintSize> {};

TEST_P(PaintSceneScaled, MatchesTheReference) {
    const PaintSize& c = GetParam();
    const Art art;
    CBattleRound round = StandingShips({29, 383}, {561, 35});
    round.leftShip.energy = 123;
    round.rightShip.energy = 7;
    round.leftShip.shots[0] = {-19, 383};
    round.leftShip.shots[1] = {619, 200};
    round.rightShip.shots[0] = {300, 35};
    CSurface surface = PrefilledSurface(c.width, c.height);
    PaintScene(round, art.View(), ClientOfSize(c.width, c.height), surface);

    QImage expected = MakePrefilled(c.width, c.height);
    art.PaintBackground(expected);
    art.PaintShips(expected, round);
    art.PaintFullBars(expected);
    PaintExpectedBlank(expected, art.background, 123, 7);
    EXPECT_TRUE(SamePixels(surface.Image(), expected));
}

INSTANTIATE_TEST_SUITE_P(Table, PaintSceneScaled, ::testing::ValuesIn(kPaintSizes), CaseName());

// At whole multiples of the world's size every tile lines up with the stretched background,
// so a battle drawn tick by tick must end up exactly as a full paint of the same moment.
class TicksAgainstPaint : public ::testing::TestWithParam<PaintSize> {};

TEST_P(TicksAgainstPaint, ABattleDrawnTickByTickLooksLikeAFullPaint) {
    const PaintSize& c = GetParam();
    const Art art;
    CBattleRound round;
    round.leftShip.computer = true;
    round.rightShip.computer = true;
    SeedRandom(7);
    round.NewRound();
    const ClientExtent client = ClientOfSize(c.width, c.height);
    CSurface ticked(c.width, c.height);
    PaintScene(round, art.View(), client, ticked);
    int hits = 0;
    bool lastTickHit = false;
    // A hit's erase patch may cut into a ship until its next draw, so stop after a quiet tick.
    for (int tick = 0; tick < 400 || lastTickHit; ++tick) {
        lastTickHit = RunTick(round, art.View(), client, ticked).anyHit;
        hits += lastTickHit ? 1 : 0;
    }
    ASSERT_GT(hits, 0) << "the battle should have seen hits, and with them erases and blanks";

    CSurface painted(c.width, c.height);
    PaintScene(round, art.View(), client, painted);
    EXPECT_TRUE(SamePixels(ticked.Image(), painted.Image()));
}

const PaintSize kWholeMultiples[] = {
    {"WorldSize600By400", 600, 400},
    {"Double1200By800", 1200, 800},
};

INSTANTIATE_TEST_SUITE_P(Table, TicksAgainstPaint, ::testing::ValuesIn(kWholeMultiples),
                         CaseName());

TEST(PaintScene, MinimisedClientDrawsNothingAndReturnsNormally) {
    const Art art;
    CBattleRound round = StandingShips({200, 150}, {400, 150});
    round.leftShip.shots[2] = {380, 155};
    CSurface surface(0, 0);
    const HitOutcome outcome = PaintScene(round, art.View(), ClientOfSize(0, 0), surface);
    EXPECT_TRUE(outcome.anyHit);
    EXPECT_TRUE(surface.Damage().empty());
}

}  // namespace
