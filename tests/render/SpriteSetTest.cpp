#include "render/SpriteSet.h"

#include <gtest/gtest.h>

#include <vector>

#include "NamedCases.h"
#include "Reference.h"
#include "SamePixels.h"
#include "TestArt.h"
#include "battle/Sides.h"

namespace {

// Both sides' synthetic sprites over a background with a colour per world point.
struct Scene {
    QImage background = MakeBackground();
    SideArt leftArt = MakeSideArt(1);
    SideArt rightArt = MakeSideArt(9);
    CSpriteSet left{leftArt.ship.image, leftArt.ship.mask, leftArt.shot.image, leftArt.shot.mask};
    CSpriteSet right{rightArt.ship.image, rightArt.ship.mask, rightArt.shot.image,
                     rightArt.shot.mask};

    ExpectedSide LeftExpected(const QImage& withBackground) const {
        return {withBackground, leftArt.ship.image, leftArt.ship.mask, leftArt.shot.image,
                leftArt.shot.mask};
    }
    ExpectedSide RightExpected(const QImage& withBackground) const {
        return {withBackground, rightArt.ship.image, rightArt.ship.mask, rightArt.shot.image,
                rightArt.shot.mask};
    }
};

CEmperorShip LeftShipAt(int x, int y, std::vector<WorldPoint> shots = {}) {
    CEmperorShip ship;
    ship.x = x;
    ship.y = y;
    for (std::size_t i = 0; i < shots.size(); ++i) {
        ship.shots[i] = shots[i];
    }
    return ship;
}

CRebelShip RightShipAt(int x, int y, std::vector<WorldPoint> shots = {}) {
    CRebelShip ship;
    ship.x = x;
    ship.y = y;
    for (std::size_t i = 0; i < shots.size(); ++i) {
        ship.shots[i] = shots[i];
    }
    return ship;
}

// The expected picture of DrawShip over a prefilled target: every shot in flight in slot order,
// then the ship.
void PaintExpectedDrawShip(QImage& expected, const ExpectedSide& side, const CShip& ship) {
    for (const WorldPoint& shot : ship.shots) {
        if (shot.x > -20 && shot.x < 620) {
            PaintExpectedShot(expected, side, shot.x, shot.y);
        }
    }
    PaintExpectedShip(expected, side, ship.x, ship.y);
}

CSurface PrefilledSurface(int width, int height) {
    CSurface surface(width, height);
    surface.Image() = MakePrefilled(width, height);
    return surface;
}

std::vector<QRect> Recorded(const CSurface& surface) {
    return {surface.Damage().begin(), surface.Damage().end()};
}

TEST(DrawShip, ComposesTheShipTileFromBackgroundMaskAndImage) {
    const Scene scene;
    const CEmperorShip ship = LeftShipAt(300, 200);
    CSurface surface = PrefilledSurface(600, 400);
    scene.left.DrawShip(ship, scene.background, ClientOfSize(600, 400), surface);

    QImage expected = MakePrefilled(600, 400);
    PaintExpectedShip(expected, scene.LeftExpected(scene.background), 300, 200);
    EXPECT_TRUE(SamePixels(surface.Image(), expected));

    // The sprite's corner lies at (280, 190). Its mask is (252, 252, 252) there and the image
    // black at sprite pixel (2, 0): the background loses the two low bits of each channel.
    EXPECT_EQ(surface.Image().pixel(282, 190), qRgb(24, 188, 0x84));
    // A stray grey image pixel in the transparent corner lightens the background.
    EXPECT_EQ(surface.Image().pixel(280, 190), qRgb(24 | 0x50, 188 | 0x50, 0x84 | 0x50));
    // The tile's margin outside the sprite is plain background.
    EXPECT_EQ(surface.Image().pixel(270, 185), WorldColour(270, 185));
    EXPECT_EQ(surface.Image().pixel(339, 214), WorldColour(339, 214));
    // Outside the tile nothing changed.
    EXPECT_EQ(surface.Image().pixel(269, 185), PrefillColour(269, 185));
    EXPECT_EQ(surface.Image().pixel(340, 214), PrefillColour(340, 214));
}

TEST(DrawShip, At600By400TilesAre70By30And40By12DrawnShotsFirst) {
    const Scene scene;
    const CEmperorShip ship = LeftShipAt(200, 150, {{300, 100}, {-20, 0}, {400, 120}});
    CSurface surface(600, 400);
    scene.left.DrawShip(ship, scene.background, ClientOfSize(600, 400), surface);
    EXPECT_EQ(Recorded(surface),
              (std::vector<QRect>{QRect(280, 94, 40, 12), QRect(380, 114, 40, 12),
                                  QRect(170, 135, 70, 30)}));
}

TEST(DrawShip, DrawsShotsInTheLiveBandFromMinus19To619Only) {
    const Scene scene;
    // Each shot on a row of its own. The target is wider than the client area, so a tile drawn
    // beyond the world's right edge would show there; a tile for a shot at -20 would lie wholly
    // left of the client area whatever its width.
    const CEmperorShip ship =
        LeftShipAt(300, 300, {{-20, 40}, {-19, 80}, {619, 120}, {620, 160}, {900, 200}});
    CSurface surface = PrefilledSurface(700, 400);
    scene.left.DrawShip(ship, scene.background, ClientOfSize(600, 400), surface);

    EXPECT_EQ(Recorded(surface), (std::vector<QRect>{QRect(0, 74, 1, 12), QRect(599, 114, 40, 12),
                                                     QRect(270, 285, 70, 30)}));
    QImage expected = MakePrefilled(600, 400);
    PaintExpectedDrawShip(expected, scene.LeftExpected(scene.background), ship);
    EXPECT_TRUE(SamePixels(surface.Image().copy(0, 0, 600, 400), expected));
}

TEST(DrawShip, LaterTilesCoverEarlierOnesSoTheRightSideWinsWhereTheyMeet) {
    const Scene scene;
    // The left ship's missile at (300, 200) overlaps the right ship's tile (300 to 369).
    const CEmperorShip left = LeftShipAt(250, 200, {{300, 200}});
    const CRebelShip right = RightShipAt(330, 205, {{240, 230}});
    CSurface surface = PrefilledSurface(600, 400);
    const ClientExtent client = ClientOfSize(600, 400);
    scene.left.DrawShip(left, scene.background, client, surface);
    scene.right.DrawShip(right, scene.background, client, surface);

    QImage expected = MakePrefilled(600, 400);
    PaintExpectedDrawShip(expected, scene.LeftExpected(scene.background), left);
    PaintExpectedDrawShip(expected, scene.RightExpected(scene.background), right);
    EXPECT_TRUE(SamePixels(surface.Image(), expected));

    // (305, 198) lies in the left missile's sprite and in the right tile's margin: the right
    // tile shows background there, not the missile.
    EXPECT_EQ(surface.Image().pixel(305, 198), WorldColour(305, 198));
}

TEST(DrawShip, AShotAtItsLaunchPointIsHiddenByItsShipTile) {
    const Scene scene;
    const CEmperorShip withShot = LeftShipAt(200, 200, {{220, 200}});
    const CEmperorShip withoutShot = LeftShipAt(200, 200);
    const ClientExtent client = ClientOfSize(600, 400);
    CSurface a = PrefilledSurface(600, 400);
    CSurface b = PrefilledSurface(600, 400);
    scene.left.DrawShip(withShot, scene.background, client, a);
    scene.left.DrawShip(withoutShot, scene.background, client, b);
    // The missile's sprite spans (210, 195) to (229, 204), inside the ship tile.
    EXPECT_TRUE(SamePixels(a.Image().copy(210, 195, 20, 10), b.Image().copy(210, 195, 20, 10)));
}

TEST(DrawShip, WithTheBackgroundMissingTilesShowBlackNeverAnEarlierComposition) {
    const Scene scene;
    // The missile tile is composed first; the ship's transparent pixels must not show it.
    const CEmperorShip ship = LeftShipAt(300, 200, {{300, 200}, {450, 100}});
    const QImage missing;
    CSurface surface = PrefilledSurface(600, 400);
    scene.left.DrawShip(ship, missing, ClientOfSize(600, 400), surface);

    QImage expected = MakePrefilled(600, 400);
    PaintExpectedDrawShip(expected, scene.LeftExpected(missing), ship);
    EXPECT_TRUE(SamePixels(surface.Image(), expected));
    EXPECT_EQ(surface.Image().pixel(271, 186), qRgb(0, 0, 0));
}

TEST(DrawShip, TilePixelsBeyondTheBackgroundAreBlack) {
    // A background smaller than the world leaves part of these tiles without background; the
    // shot drawn first must not show through the ship tile drawn after it.
    const Scene scene;
    const QImage small = MakeBackground(300, 200);
    const CEmperorShip ship = LeftShipAt(290, 180, {{150, 150}, {295, 195}, {320, 60}});
    CSurface surface = PrefilledSurface(600, 400);
    scene.left.DrawShip(ship, small, ClientOfSize(600, 400), surface);

    QImage expected = MakePrefilled(600, 400);
    PaintExpectedDrawShip(expected, scene.LeftExpected(small), ship);
    EXPECT_TRUE(SamePixels(surface.Image(), expected));
}

struct ScaledCase {
    const char* name;
    int width, height;
};

void PrintTo(const ScaledCase& c, std::ostream* os) {
    *os << c.name;
}

const ScaledCase kScaledCases[] = {
    {"Enlarged900By600", 900, 600},    {"Shrunk450By300", 450, 300},
    {"Width1000Height390", 1000, 390}, {"Widescreen1280By720", 1280, 720},
    {"OddSize601By401", 601, 401},     {"Tall333By777", 333, 777},
};

class DrawShipScaled : public ::testing::TestWithParam<ScaledCase> {};

TEST_P(DrawShipScaled, MatchesTheReferenceIncludingTilesBeyondTheWorldsEdges) {
    const ScaledCase& c = GetParam();
    const Scene scene;
    const CEmperorShip left = LeftShipAt(29, 383, {{-19, 100}, {619, 200}, {250, 383}});
    const CRebelShip right =
        RightShipAt(561, 35, {{-19, 35}, {590, 40}, {619, 380}, {330, 37}, {100, 250}});
    CSurface surface = PrefilledSurface(c.width, c.height);
    const ClientExtent client = ClientOfSize(c.width, c.height);
    scene.left.DrawShip(left, scene.background, client, surface);
    scene.right.DrawShip(right, scene.background, client, surface);

    QImage expected = MakePrefilled(c.width, c.height);
    PaintExpectedDrawShip(expected, scene.LeftExpected(scene.background), left);
    PaintExpectedDrawShip(expected, scene.RightExpected(scene.background), right);
    EXPECT_TRUE(SamePixels(surface.Image(), expected));
}

INSTANTIATE_TEST_SUITE_P(Table, DrawShipScaled, ::testing::ValuesIn(kScaledCases), CaseName());

TEST(DrawShip, EmptyClientDrawsNothingAndReturnsNormally) {
    const Scene scene;
    const CEmperorShip ship = LeftShipAt(300, 200, {{350, 200}});
    for (const ClientExtent client :
         {ClientOfSize(0, 0), ClientOfSize(0, 400), ClientOfSize(600, 0)}) {
        CSurface surface = PrefilledSurface(600, 400);
        scene.left.DrawShip(ship, scene.background, client, surface);
        EXPECT_TRUE(surface.Damage().empty());
        EXPECT_TRUE(SamePixels(surface.Image(), MakePrefilled(600, 400)));
    }
}

TEST(DrawShip, MissingSpritesLeavePlainBackgroundTiles) {
    const QImage background = MakeBackground();
    const CSpriteSet missing{QImage(), QImage(), QImage(), QImage()};
    const CEmperorShip ship = LeftShipAt(300, 200, {{400, 200}});
    CSurface surface = PrefilledSurface(600, 400);
    missing.DrawShip(ship, background, ClientOfSize(600, 400), surface);
    QImage expected = MakePrefilled(600, 400);
    for (const QRect& tile : {QRect(380, 194, 40, 12), QRect(270, 185, 70, 30)}) {
        for (int y = tile.top(); y <= tile.bottom(); ++y) {
            for (int x = tile.left(); x <= tile.right(); ++x) {
                expected.setPixel(x, y, WorldColour(x, y));
            }
        }
    }
    EXPECT_TRUE(SamePixels(surface.Image(), expected));
}

// ---- The erase patch ------------------------------------------------------------------------

TEST(EraseShot, RestoresPlainBackgroundAlsoOverAShip) {
    const Scene scene;
    const CEmperorShip ship = LeftShipAt(300, 200);
    CSurface surface = PrefilledSurface(600, 400);
    const ClientExtent client = ClientOfSize(600, 400);
    scene.left.DrawShip(ship, scene.background, client, surface);
    surface.ClearDamage();
    EraseShot(surface, client, scene.background, 300, 200);

    EXPECT_EQ(Recorded(surface), (std::vector<QRect>{QRect(280, 194, 40, 12)}));
    QImage expected = MakePrefilled(600, 400);
    PaintExpectedShip(expected, scene.LeftExpected(scene.background), 300, 200);
    for (int y = 194; y < 206; ++y) {
        for (int x = 280; x < 320; ++x) {
            expected.setPixel(x, y, WorldColour(x, y));
        }
    }
    EXPECT_TRUE(SamePixels(surface.Image(), expected));
}

TEST(EraseShot, CoversExactlyTheShotTileOfTheSamePoint) {
    const Scene scene;
    const ClientExtent client = ClientOfSize(900, 600);
    CSurface drawn(900, 600);
    CSurface erased(900, 600);
    scene.left.DrawShip(LeftShipAt(100, 300, {{437, 123}}), scene.background, client, drawn);
    EraseShot(erased, client, scene.background, 437, 123);
    ASSERT_EQ(drawn.Damage().size(), 2u);
    ASSERT_EQ(erased.Damage().size(), 1u);
    EXPECT_EQ(erased.Damage()[0], drawn.Damage()[0]);
}

struct EraseCase {
    const char* name;
    int width, height;
    int sx, sy;
};

void PrintTo(const EraseCase& c, std::ostream* os) {
    *os << c.name;
}

const EraseCase kEraseCases[] = {
    {"InsideAt600By400", 600, 400, 300, 200},
    {"AtTheLeftEdgeOnlyThePartInsideIsDrawn", 600, 400, -19, 100},
    {"AtTheRightEdgeOnlyThePartInsideIsDrawn", 600, 400, 619, 100},
    {"ScaledTo900By600", 900, 600, 437, 123},
    {"ScaledTo900By600AtTheLeftEdge", 900, 600, -19, 300},
    {"ShrunkTo450By300AtTheRightEdge", 450, 300, 615, 390},
};

class EraseShotCases : public ::testing::TestWithParam<EraseCase> {};

TEST_P(EraseShotCases, ShowsTheBackgroundTheTileShowedWithoutTheShot) {
    const EraseCase& c = GetParam();
    const QImage background = MakeBackground();
    CSurface surface = PrefilledSurface(c.width, c.height);
    EraseShot(surface, ClientOfSize(c.width, c.height), background, c.sx, c.sy);
    QImage expected = MakePrefilled(c.width, c.height);
    PaintExpectedErase(expected, background, c.sx, c.sy);
    EXPECT_TRUE(SamePixels(surface.Image(), expected));
}

INSTANTIATE_TEST_SUITE_P(Table, EraseShotCases, ::testing::ValuesIn(kEraseCases), CaseName());

TEST(EraseShot, EmptyClientDrawsNothingAndReturnsNormally) {
    const QImage background = MakeBackground();
    CSurface surface = PrefilledSurface(600, 400);
    EraseShot(surface, ClientOfSize(0, 0), background, 300, 200);
    EXPECT_TRUE(surface.Damage().empty());
    EXPECT_TRUE(SamePixels(surface.Image(), MakePrefilled(600, 400)));
}

TEST(SpriteIds, EachSideNamesItsFourImagesInLoadingOrder) {
    EXPECT_EQ(kEmperorSpriteIds.shipImage, 118);
    EXPECT_EQ(kEmperorSpriteIds.shipMask, 119);
    EXPECT_EQ(kEmperorSpriteIds.shotImage, 125);
    EXPECT_EQ(kEmperorSpriteIds.shotMask, 126);
    EXPECT_EQ(kRebelSpriteIds.shipImage, 123);
    EXPECT_EQ(kRebelSpriteIds.shipMask, 124);
    EXPECT_EQ(kRebelSpriteIds.shotImage, 128);
    EXPECT_EQ(kRebelSpriteIds.shotMask, 129);
}

}  // namespace
