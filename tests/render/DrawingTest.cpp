// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <vector>

#include "SceneReference.h"
#include "Support.h"
#include "SyntheticScene.h"
#include "battle/Sides.h"
#include "render/Scaling.h"

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

// ---- Ships, erase patches, bars --------------------------------------------------------------

TEST(DrawShip, ComposesATileForEachShotInFlightThenForTheShip) {
    const SyntheticArt art;
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
    const SyntheticArt art;
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
    const SyntheticArt art;
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

}  // namespace
