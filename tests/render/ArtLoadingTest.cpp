// Loads the packaged art by identifier: every bitmap is there, at its size, in the surface
// format, and the loaders of the sprite sets and the bar panel find theirs.

#include <gtest/gtest.h>

#include <QSize>

#include "NamedCases.h"

#include "render/EnergyBars.h"
#include "render/ImageLoader.h"
#include "render/SpriteSet.h"
#include "resources/ResourceIds.h"

namespace {

struct BitmapCase {
    const char* name;
    int id;
    QSize size;
};

void PrintTo(const BitmapCase& c, std::ostream* os) {
    *os << c.name;
}

const BitmapCase kBitmaps[] = {
    {"Background127", kBackgroundBitmap, {600, 400}},
    {"LeftShipImage118", kLeftShipImage, {53, 21}},
    {"LeftShipMask119", kLeftShipMask, {53, 21}},
    {"LeftShotImage125", kLeftShotImage, {20, 10}},
    {"LeftShotMask126", kLeftShotMask, {20, 10}},
    {"RightShipImage123", kRightShipImage, {53, 21}},
    {"RightShipMask124", kRightShipMask, {53, 21}},
    {"RightShotImage128", kRightShotImage, {20, 10}},
    {"RightShotMask129", kRightShotMask, {20, 10}},
    {"LeftBar133", kLeftBarBitmap, {290, 20}},
    {"RightBar134", kRightBarBitmap, {290, 20}},
};

class PackagedBitmap : public ::testing::TestWithParam<BitmapCase> {};

TEST_P(PackagedBitmap, LoadsByIdentifierAtItsSizeInTheSurfaceFormat) {
    const BitmapCase& c = GetParam();
    const QImage image = LoadBitmapById(c.id);
    ASSERT_FALSE(image.isNull()) << c.id;
    EXPECT_EQ(image.size(), c.size);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
}

INSTANTIATE_TEST_SUITE_P(Table, PackagedBitmap, ::testing::ValuesIn(kBitmaps), CaseName());

bool SolidColour(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != colour) {
                return false;
            }
        }
    }
    return !image.isNull();
}

TEST(EnergyBarsArt, TheBarPanelLoadsASolidGreyLeftBarAndASolidRedRightBar) {
    const CEnergyBars bars;
    EXPECT_TRUE(SolidColour(bars.leftBar, qRgb(192, 192, 192)));
    EXPECT_TRUE(SolidColour(bars.rightBar, qRgb(255, 0, 0)));
}

TEST(SpriteSetArt, EachSideLoadsItsFourImagesInTheirRoles) {
    for (const SpriteIds& ids : {kEmperorSpriteIds, kRebelSpriteIds}) {
        const CSpriteSet sprites(ids);
        EXPECT_EQ(sprites.shipImage.size(), QSize(53, 21)) << ids.shipImage;
        EXPECT_EQ(sprites.shipMask.size(), QSize(53, 21)) << ids.shipMask;
        EXPECT_EQ(sprites.shotImage.size(), QSize(20, 10)) << ids.shotImage;
        EXPECT_EQ(sprites.shotMask.size(), QSize(20, 10)) << ids.shotMask;
        EXPECT_TRUE(sprites.shipImage == LoadBitmapById(ids.shipImage));
        EXPECT_TRUE(sprites.shipMask == LoadBitmapById(ids.shipMask));
        EXPECT_TRUE(sprites.shotImage == LoadBitmapById(ids.shotImage));
        EXPECT_TRUE(sprites.shotMask == LoadBitmapById(ids.shotMask));
    }
}

}  // namespace
