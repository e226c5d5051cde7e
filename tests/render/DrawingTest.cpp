// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "Support.h"
#include "battle/Sides.h"
#include "render/Scaling.h"
#include "render/Scene.h"

namespace {

TEST(Scaling, MultipliesFirstAndTruncatesTowardZero) {
    struct Case {
        int extent, v, x, y;  // ScaleX(extent, v) is x, ScaleY(extent, v) is y
    };
    const Case cases[] = {{600, 437, 437, 655},
                          {900, -19, -28, -42},
                          {900, -1, -1, -2},
                          {1000, 290, 483, 725},
                          {390, 20, 13, 19},
                          {0, 437, 0, 0},
                          {3000000, 1000, 5000000, 7500000},
                          {4000000, -601, -4006666, -6010000}};
    for (const Case& c : cases) {
        EXPECT_EQ(ScaleX(c.extent, c.v), c.x) << c.extent << ", " << c.v;
        EXPECT_EQ(ScaleY(c.extent, c.v), c.y) << c.extent << ", " << c.v;
    }
}

// ---- Expected pictures, from the per-pixel reference -------------------------------------------

QRect ToClient(const QImage& picture, const QRect& world) {
    const auto scaled = [](int extent, int v, int size) {
        return static_cast<int>(static_cast<long long>(extent) * v / size);
    };
    const int w = picture.width();
    const int h = picture.height();
    return {scaled(w, world.x(), 600), scaled(h, world.y(), 400), scaled(w, world.width(), 600),
            scaled(h, world.height(), 400)};
}

// A tile composed at world scale, the background (black where there is none) with the sprite
// whose corner is at `corner` put down through its mask, then stretched to its place.
void PaintTile(QImage& expected, const QImage& background, const QRect& world, const QImage& image,
               const QImage& mask, QPoint corner) {
    QImage tile(world.size(), QImage::Format_RGB32);
    for (int y = 0; y < world.height(); ++y) {
        for (int x = 0; x < world.width(); ++x) {
            const QPoint p = world.topLeft() + QPoint(x, y);
            QRgb colour = background.valid(p) ? background.pixel(p) : qRgb(0, 0, 0);
            colour &= mask.valid(p - corner) ? mask.pixel(p - corner) : 0xFFFFFFFF;
            colour |= image.valid(p - corner) ? image.pixel(p - corner) : 0;
            tile.setPixel(x, y, colour);
        }
    }
    ReferenceStretch(expected, ToClient(expected, world), tile, QRect(QPoint(), world.size()),
                     RasterOp::Copy);
}

// One side: its shots in flight in slot order, then its ship.
void PaintSide(QImage& expected, const QImage& background, const CSpriteSet& art,
               const CShip& ship) {
    for (const WorldPoint& s : ship.shots) {
        if (s.x > -20 && s.x < 620) {
            PaintTile(expected, background, {s.x - 20, s.y - 6, 40, 12}, art.shotImage,
                      art.shotMask, {s.x - 10, s.y - 5});
        }
    }
    PaintTile(expected, background, {ship.x - 30, ship.y - 15, 70, 30}, art.shipImage, art.shipMask,
              {ship.x - 20, ship.y - 10});
}

QRect PaintErase(QImage& expected, const QImage& background, WorldPoint s) {
    const QRect world(s.x - 20, s.y - 6, 40, 12);
    return ReferenceStretch(expected, ToClient(expected, world), background, world, RasterOp::Copy);
}

void PaintBars(QImage& expected, const CEnergyBars& bars) {
    ReferenceStretch(expected, ToClient(expected, {0, 0, 290, 20}), bars.leftBar, {0, 0, 290, 20},
                     RasterOp::Copy);
    ReferenceStretch(expected, ToClient(expected, {310, 0, 290, 20}), bars.rightBar,
                     {0, 0, 290, 20}, RasterOp::Copy);
}

// The background between what remains of the bars: the left keeps world x 0 to eL × 290 / 500,
// the right from 600 - eR × 290 / 500; the stretch lands at client x W × eL × 290 / 300000.
void PaintBlank(QImage& expected, const QImage& background, int eL, int eR) {
    const int width = (1000 - eL - eR) * 290 / 500 + 20;
    QRect to = ToClient(expected, {0, 0, width, 20});
    to.moveLeft(static_cast<int>(static_cast<long long>(expected.width()) * eL * 290 / 300000));
    ReferenceStretch(expected, to, background, {eL * 290 / 500, 0, width, 20}, RasterOp::Copy);
}

// ---- Synthetic art and positions ---------------------------------------------------------------

// Sprites as the art has them: a diamond where the mask is `opaque`, elsewhere the mask `clear`
// and the image black but for a few stray pixels that the OR lays over the background.
CSpriteSet MakeSide(int family) {
    QImage images[4];
    const struct {
        int w, h;
        QRgb clear, opaque;
    } kinds[] = {{53, 21, 0xFFFCFCFC, 0xFF040404}, {20, 10, 0xFFFFFFFF, 0xFF000000}};
    for (int k = 0; k < 2; ++k) {
        const auto [w, h, clear, opaque] = kinds[k];
        QImage& image = images[2 * k] = Pattern(w, h, family + k);
        QImage& mask = images[2 * k + 1] = QImage(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool inside =
                    std::abs(2 * x - w + 1) * h + std::abs(2 * y - h + 1) * w <= w * h;
                mask.setPixel(x, y, inside ? opaque : clear);
                if (!inside && (x + y) % 7 != 0) {
                    image.setPixel(x, y, qRgb(0, 0, 0));
                }
            }
        }
    }
    return CSpriteSet(images[0], images[1], images[2], images[3]);
}

struct Art {
    QImage background = Pattern(600, 400, 8);
    CSpriteSet left = MakeSide(4);
    CSpriteSet right = MakeSide(6);
    CEnergyBars bars{Pattern(290, 20, 10), Pattern(290, 20, 11)};

    SceneArt View() const { return {background, left, right, bars}; }
};

// Standing at its target, so that a step moves only its shots.
void Place(CShip& ship, WorldPoint at) {
    ship.x = ship.targetX = at.x;
    ship.y = ship.targetY = at.y;
}

template <typename Ship>
Ship ShipAt(int x, int y, std::vector<WorldPoint> shots = {}) {
    Ship ship;
    Place(ship, {x, y});
    std::copy(shots.begin(), shots.end(), ship.shots.begin());
    return ship;
}

// ---- Ships, erase patches, bars --------------------------------------------------------------

TEST(DrawShip, ComposesATileForEachShotInFlightThenForTheShip) {
    const Art art;
    // A target wider than the client shows a tile drawn beyond the world's right edge.
    const auto ship =
        ShipAt<CEmperorShip>(300, 200, {{-20, 40}, {-19, 80}, {619, 120}, {620, 160}, {450, 100}});
    CSurface surface(700, 400);
    art.left.DrawShip(ship, art.background, ClientOfSize(600, 400), surface);
    EXPECT_EQ(Recorded(surface),
              (std::vector<QRect>{QRect(0, 74, 1, 12), QRect(599, 114, 40, 12),
                                  QRect(430, 94, 40, 12), QRect(270, 185, 70, 30)}));
    // From the sprite's corner at (280, 190): transparent, a stray pixel, opaque.
    const QImage& bg = art.background;
    EXPECT_EQ(surface.Image().pixel(282, 190), bg.pixel(282, 190) & 0xFFFCFCFC);
    EXPECT_EQ(surface.Image().pixel(280, 190),
              (bg.pixel(280, 190) & 0xFFFCFCFC) | art.left.shipImage.pixel(0, 0));
    EXPECT_EQ(surface.Image().pixel(300, 200),
              (bg.pixel(300, 200) & 0xFF040404) | art.left.shipImage.pixel(20, 10));
}

TEST(DrawShip, TilePixelsThatNoBackgroundReachesAreBlackNeverLeftovers) {
    const Art art;
    const CSpriteSet noSprites{QImage(), QImage(), QImage(), QImage()};
    // The last shot's tile is composed just before the ship's, whose right part lacks background.
    const auto ship = ShipAt<CEmperorShip>(290, 180, {{295, 195}, {150, 150}});
    const struct {
        QImage background;
        const CSpriteSet& sprites;
    } cases[] = {
        {Pattern(300, 200, 8), art.left}, {QImage(), art.left}, {art.background, noSprites}};
    for (const auto& [background, sprites] : cases) {
        CSurface surface = Prefilled(600, 400);
        sprites.DrawShip(ship, background, ClientOfSize(600, 400), surface);
        QImage expected = Pattern(600, 400, 2);
        PaintSide(expected, background, sprites, ship);
        EXPECT_TRUE(SamePixels(surface.Image(), expected)) << background.width();
    }
}

TEST(EraseShot, RestoresTheBackgroundOverTheShotsTile) {
    const QImage background = Pattern(600, 400, 8);
    struct Case {
        int width, height;
        WorldPoint shot;
    };
    for (const Case& c : {Case{600, 400, {300, 200}}, Case{900, 600, {-19, 300}},
                          Case{450, 300, {615, 390}}, Case{1000, 390, {437, 123}}}) {
        CSurface surface = Prefilled(c.width, c.height);
        EraseShot(surface, ClientOfSize(c.width, c.height), background, c.shot.x, c.shot.y);
        QImage expected = Pattern(c.width, c.height, 2);
        const QRect erased = PaintErase(expected, background, c.shot);
        EXPECT_TRUE(SamePixels(surface.Image(), expected)) << c.width;
        EXPECT_EQ(Recorded(surface), std::vector<QRect>{erased});
    }
}

TEST(EnergyBars, BlankingLeavesEachFullBarItsRemainingPart) {
    const Art art;
    struct Case {
        int width, height, eL, eR;
        QRect world, client;  // the blanked stretch, worked out by hand
    };
    const Case cases[] = {
        {600, 400, 500, 500, {290, 0, 20, 20}, {290, 0, 20, 20}},
        {600, 400, 0, 0, {0, 0, 600, 20}, {0, 0, 600, 20}},
        {600, 400, 250, 500, {145, 0, 165, 20}, {145, 0, 165, 20}},
        {600, 400, 500, 250, {290, 0, 165, 20}, {290, 0, 165, 20}},
        {600, 400, 1, 500, {0, 0, 309, 20}, {0, 0, 309, 20}},
        // The client x divides the whole product: 2, not the scaled world x 1.
        {1000, 400, 3, 500, {1, 0, 308, 20}, {2, 0, 513, 20}},
        {600, 390, 500, 500, {290, 0, 20, 20}, {290, 0, 20, 19}},
        // W × eL × 290 no longer fits 32 bits.
        {16000, 40, 500, 0, {290, 0, 310, 20}, {7733, 0, 8266, 2}},
    };
    for (const Case& c : cases) {
        CSurface surface = Prefilled(c.width, c.height);
        const ClientExtent client = ClientOfSize(c.width, c.height);
        art.bars.DrawBars(surface, client);
        CEnergyBars::BlankBars(surface, client, art.background, c.eL, c.eR);
        QImage expected = Pattern(c.width, c.height, 2);
        PaintBars(expected, art.bars);
        ReferenceStretch(expected, c.client, art.background, c.world, RasterOp::Copy);
        EXPECT_TRUE(SamePixels(surface.Image(), expected))
            << c.width << ": " << c.eL << ", " << c.eR;
        EXPECT_EQ(Recorded(surface),
                  (std::vector<QRect>{ToClient(expected, {0, 0, 290, 20}),
                                      ToClient(expected, {310, 0, 290, 20}), c.client}));
    }
}

// ---- The scene ---------------------------------------------------------------------------------

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

// A tick's picture (full = false) or a paint's, for `drawn` as the ships are drawn and the
// repairs of the resolution that followed.
QImage ExpectedScene(const Art& art, int width, int height, const CBattleRound& drawn,
                     const HitOutcome& outcome, bool full) {
    QImage expected = Pattern(width, height, 2);
    if (full) {
        ReferenceStretch(expected, {0, 0, width, height}, art.background, {0, 0, 600, 400},
                         RasterOp::Copy);
    }
    PaintSide(expected, art.background, art.left, drawn.leftShip);
    PaintSide(expected, art.background, art.right, drawn.rightShip);
    if (full) {
        PaintBars(expected, art.bars);
        PaintBlank(expected, art.background, drawn.leftShip.energy, drawn.rightShip.energy);
    }
    for (const WorldPoint& shot : outcome.spentShots) {
        PaintErase(expected, art.background, shot);
    }
    if (outcome.anyHit) {
        PaintBlank(expected, art.background, outcome.leftEnergy, outcome.rightEnergy);
    }
    return expected;
}

TEST(RunTick, AdvancesDrawsTheShipsThenRepairsWhatTheHitsTook) {
    const Art art;
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
            EXPECT_TRUE(SamePixels(surface.Image(), ExpectedScene(art, size.width(), size.height(),
                                                                  drawn, outcome, false)))
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
    const Art art;
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
                               ExpectedScene(art, c.width, c.height, round, outcome, true)))
            << c.width << (c.hit ? " with a hit" : " without a hit");
    }
}

TEST(Scene, AnEmptyClientDrawsNothingWhileTheBattleGoesOn) {
    const Art art;
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

}  // namespace
