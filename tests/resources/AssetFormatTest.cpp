// The committed bitmaps and icons, read with the tests' own decoder: names, headers, depths,
// the mask convention and the solid colours the game relies on.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>

#include "tests/resources/CommittedArt.h"
#include "tests/resources/DibReader.h"

namespace {

constexpr Colour kBlack{0, 0, 0};

DecodedBmp LoadBmp(int id) {
    return DecodeBmp(ReadFileBytes(ArtRoot() / RelativeArtPath(AssetById(id))));
}

DecodedIco LoadIco(int id) {
    return DecodeIco(ReadFileBytes(ArtRoot() / RelativeArtPath(AssetById(id))));
}

int LeadingNumber(const std::string& name) {
    std::size_t digits = 0;
    while (digits < name.size() && std::isdigit(static_cast<unsigned char>(name[digits]))) {
        ++digits;
    }
    return digits == 0 ? -1 : std::stoi(name.substr(0, digits));
}

TEST(CommittedArt, HoldsExactlyOneCorrectlyNamedFilePerIdentifier) {
    std::map<int, std::filesystem::path> found;
    for (const char* folder : {"images", "icons"}) {
        for (const auto& entry : std::filesystem::directory_iterator(ArtRoot() / folder)) {
            const std::filesystem::path relative =
                std::filesystem::path(folder) / entry.path().filename();
            const int id = LeadingNumber(entry.path().filename().string());
            EXPECT_TRUE(found.emplace(id, relative).second)
                << relative << " repeats identifier " << id;
        }
    }
    std::set<int> expectedIds;
    for (const ArtAsset& asset : kArtAssets) {
        expectedIds.insert(asset.id);
        ASSERT_TRUE(found.count(asset.id)) << "no file for identifier " << asset.id;
        EXPECT_EQ(found[asset.id], RelativeArtPath(asset));
    }
    for (const auto& [id, path] : found) {
        EXPECT_TRUE(expectedIds.count(id)) << path << " is not one of the game's images";
    }
}

// ---------------------------------------------------------------------------------------
// Every bitmap: an uncompressed BMP with a full palette of its depth.

class BitmapFile : public testing::TestWithParam<ArtAsset> {};

TEST_P(BitmapFile, IsAnUncompressedPaletteBmpOfItsSizeAndDepth) {
    const ArtAsset& asset = GetParam();
    const std::vector<std::uint8_t> bytes = ReadFileBytes(ArtRoot() / RelativeArtPath(asset));
    DecodedBmp bmp;
    ASSERT_NO_THROW(bmp = DecodeBmp(bytes));
    const std::uint32_t tableEntries = 1u << asset.bitsPerPixel;
    EXPECT_EQ(bmp.declaredFileSize, bytes.size());
    EXPECT_EQ(bmp.pixelOffset, 14 + 40 + 4 * tableEntries);
    EXPECT_EQ(bmp.info.width, asset.width);
    EXPECT_EQ(bmp.info.height, asset.height) << "rows are stored bottom up";
    EXPECT_EQ(bmp.info.planes, 1);
    EXPECT_EQ(bmp.info.bitCount, asset.bitsPerPixel);
    EXPECT_EQ(bmp.info.compression, 0u) << "BI_RGB";
    EXPECT_EQ(bmp.picture.table.size(), tableEntries);
    EXPECT_TRUE(bmp.info.coloursUsed == 0 || bmp.info.coloursUsed == tableEntries);
}

std::vector<ArtAsset> Bitmaps() {
    std::vector<ArtAsset> bitmaps;
    std::copy_if(std::begin(kArtAssets), std::end(kArtAssets), std::back_inserter(bitmaps),
                 [](const ArtAsset& asset) { return asset.kind != ArtKind::Icon; });
    return bitmaps;
}

std::string AssetName(const testing::TestParamInfo<ArtAsset>& info) {
    return std::to_string(info.param.id) + "_" + info.param.role;
}

INSTANTIATE_TEST_SUITE_P(Art, BitmapFile, testing::ValuesIn(Bitmaps()), AssetName);

// ---------------------------------------------------------------------------------------
// Sprites and their masks: white where transparent, black where opaque, and an image that
// is black wherever its mask is white, since the OR step would otherwise lighten the
// background there.

struct SpritePair {
    const char* name;
    int imageId;
    int maskId;
    Colour clear;
    Colour opaque;
};

class SpriteMask : public testing::TestWithParam<SpritePair> {};

TEST_P(SpriteMask, UsesExactlyItsWhiteAndItsBlack) {
    const DecodedBmp mask = LoadBmp(GetParam().maskId);
    int clear = 0;
    int opaque = 0;
    for (int y = 0; y < mask.picture.height; ++y) {
        for (int x = 0; x < mask.picture.width; ++x) {
            const Colour colour = mask.picture.At(x, y);
            clear += colour == GetParam().clear;
            opaque += colour == GetParam().opaque;
        }
    }
    EXPECT_EQ(clear + opaque, mask.picture.width * mask.picture.height)
        << "a mask pixel is neither its white nor its black";
    EXPECT_GT(clear, 0) << "the mask hides the whole background";
    EXPECT_GT(opaque, 0) << "the sprite has no opaque pixel";
}

TEST_P(SpriteMask, ImageIsBlackWhereverTheMaskIsWhite) {
    const DecodedBmp image = LoadBmp(GetParam().imageId);
    const DecodedBmp mask = LoadBmp(GetParam().maskId);
    ASSERT_EQ(image.picture.width, mask.picture.width);
    ASSERT_EQ(image.picture.height, mask.picture.height);
    for (int y = 0; y < mask.picture.height; ++y) {
        for (int x = 0; x < mask.picture.width; ++x) {
            if (mask.picture.At(x, y) == GetParam().clear) {
                EXPECT_EQ(image.picture.At(x, y), kBlack) << "stray pixel at " << x << "," << y;
            }
        }
    }
}

TEST_P(SpriteMask, ImageCarriesColoursWhereTheMaskIsBlack) {
    const DecodedBmp image = LoadBmp(GetParam().imageId);
    const DecodedBmp mask = LoadBmp(GetParam().maskId);
    int coloured = 0;
    int opaque = 0;
    for (int y = 0; y < mask.picture.height; ++y) {
        for (int x = 0; x < mask.picture.width; ++x) {
            if (mask.picture.At(x, y) == GetParam().opaque) {
                ++opaque;
                coloured += !(image.picture.At(x, y) == kBlack);
            }
        }
    }
    EXPECT_GT(coloured, opaque / 2) << "most of the silhouette should be painted";
}

INSTANTIATE_TEST_SUITE_P(
    Art, SpriteMask,
    testing::Values(SpritePair{"left_ship", 118, 119, {252, 252, 252}, {4, 4, 4}},
                    SpritePair{"right_ship", 123, 124, {252, 252, 252}, {4, 4, 4}},
                    SpritePair{"left_shot", 125, 126, {255, 255, 255}, {0, 0, 0}},
                    SpritePair{"right_shot", 128, 129, {255, 255, 255}, {0, 0, 0}}),
    [](const testing::TestParamInfo<SpritePair>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------
// Each side keeps its colours: the emperor's grey, the rebels' red ship and green bolts.

enum class Hue { Grey, Red, Green };

Hue HueOf(const Colour& c) {
    const int high = std::max({c.r, c.g, c.b});
    const int low = std::min({c.r, c.g, c.b});
    if (high - low <= 32) {
        return Hue::Grey;
    }
    return c.r == high ? Hue::Red : (c.g == high ? Hue::Green : Hue::Grey);
}

struct SideColours {
    const char* name;
    int imageId;
    int maskId;
    Colour opaque;
    Hue hue;
    int minimumPercent;  // of the opaque pixels that are of that hue
};

class SpriteColours : public testing::TestWithParam<SideColours> {};

TEST_P(SpriteColours, ShowTheSidesColour) {
    const DecodedBmp image = LoadBmp(GetParam().imageId);
    const DecodedBmp mask = LoadBmp(GetParam().maskId);
    int opaque = 0;
    int ofHue = 0;
    for (int y = 0; y < mask.picture.height; ++y) {
        for (int x = 0; x < mask.picture.width; ++x) {
            if (mask.picture.At(x, y) == GetParam().opaque) {
                ++opaque;
                ofHue += HueOf(image.picture.At(x, y)) == GetParam().hue;
            }
        }
    }
    ASSERT_GT(opaque, 0);
    EXPECT_GE(ofHue * 100 / opaque, GetParam().minimumPercent);
}

INSTANTIATE_TEST_SUITE_P(
    Art, SpriteColours,
    testing::Values(SideColours{"left_ship_is_grey", 118, 119, {4, 4, 4}, Hue::Grey, 70},
                    SideColours{"left_shot_is_grey", 125, 126, {0, 0, 0}, Hue::Grey, 50},
                    SideColours{"right_ship_has_red_panels", 123, 124, {4, 4, 4}, Hue::Red, 15},
                    SideColours{"right_shot_is_green", 128, 129, {0, 0, 0}, Hue::Green, 80}),
    [](const testing::TestParamInfo<SideColours>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------
// The energy bars and the sky beneath them.

struct SolidBar {
    const char* name;
    int id;
    Colour colour;
};

class EnergyBar : public testing::TestWithParam<SolidBar> {};

TEST_P(EnergyBar, IsOneSolidColour) {
    const DecodedBmp bar = LoadBmp(GetParam().id);
    for (int y = 0; y < bar.picture.height; ++y) {
        for (int x = 0; x < bar.picture.width; ++x) {
            ASSERT_EQ(bar.picture.At(x, y), GetParam().colour) << "at " << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Art, EnergyBar,
                         testing::Values(SolidBar{"left_grey", 133, {192, 192, 192}},
                                         SolidBar{"right_red", 134, {255, 0, 0}}),
                         [](const testing::TestParamInfo<SolidBar>& info) {
                             return std::string(info.param.name);
                         });

TEST(Background, SkyUnderTheEnergyBarsIsNearBlack) {
    // A blanked stretch of bar shows these rows, so they must read as dark sky.
    constexpr int kBarRows = 20;
    constexpr int kDarkest = 32;
    const DecodedBmp background = LoadBmp(127);
    for (int y = 0; y < kBarRows; ++y) {
        for (int x = 0; x < background.picture.width; ++x) {
            const Colour c = background.picture.At(x, y);
            ASSERT_LE(std::max({c.r, c.g, c.b}), kDarkest) << "at " << x << "," << y;
        }
    }
}

// ---------------------------------------------------------------------------------------
// The icons: one 32 by 32 image of 16 colours with its AND mask.

struct Emblem {
    const char* name;
    int id;
    Hue hue;
};

class EmblemIcon : public testing::TestWithParam<Emblem> {};

TEST_P(EmblemIcon, HoldsOne32By32ImageOf16ColoursWithAnAndMask) {
    const std::vector<std::uint8_t> bytes =
        ReadFileBytes(ArtRoot() / RelativeArtPath(AssetById(GetParam().id)));
    DecodedIco ico;
    ASSERT_NO_THROW(ico = DecodeIco(bytes));
    EXPECT_EQ(ico.reserved, 0);
    EXPECT_EQ(ico.type, 1) << "an icon, not a cursor";
    ASSERT_EQ(ico.entries.size(), 1u);
    const IconDirectoryEntry& entry = ico.entries[0];
    EXPECT_EQ(entry.width, 32);
    EXPECT_EQ(entry.height, 32);
    EXPECT_EQ(entry.colourCount, 16);
    EXPECT_EQ(entry.reserved, 0);
    EXPECT_EQ(entry.bitCount, 4);
    EXPECT_EQ(entry.imageOffset, 6u + 16u);
    EXPECT_EQ(entry.bytesInResource, bytes.size() - entry.imageOffset);

    EXPECT_EQ(ico.info.width, 32);
    EXPECT_EQ(ico.info.height, 64) << "colour image and mask together";
    EXPECT_EQ(ico.info.planes, 1);
    EXPECT_EQ(ico.info.bitCount, 4);
    EXPECT_EQ(ico.info.compression, 0u);
    EXPECT_EQ(ico.picture.table.size(), 16u);
    constexpr std::size_t kColourRows = 32 * 16;
    constexpr std::size_t kMaskRows = 32 * 4;
    EXPECT_EQ(bytes.size(), entry.imageOffset + 40 + 16 * 4 + kColourRows + kMaskRows);
}

TEST_P(EmblemIcon, MaskLeavesACleanShapeOfTheSidesColour) {
    const DecodedIco ico = LoadIco(GetParam().id);
    int transparent = 0;
    int ofHue = 0;
    int opaque = 0;
    for (int y = 0; y < ico.picture.height; ++y) {
        for (int x = 0; x < ico.picture.width; ++x) {
            const Colour colour = ico.picture.At(x, y);
            if (ico.andMask[y * ico.picture.width + x]) {
                ++transparent;
                EXPECT_EQ(colour, kBlack) << "stray pixel at " << x << "," << y;
            } else if (!(colour == kBlack)) {
                ++opaque;
                ofHue += HueOf(colour) == GetParam().hue;
            }
        }
    }
    EXPECT_GT(transparent, 0);
    ASSERT_GT(opaque, 0);
    EXPECT_GE(ofHue * 100 / opaque, 80);
}

INSTANTIATE_TEST_SUITE_P(Art, EmblemIcon,
                         testing::Values(Emblem{"white_blade", 113, Hue::Grey},
                                         Emblem{"red_arrowhead", 132, Hue::Red}),
                         [](const testing::TestParamInfo<Emblem>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
