// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The committed bitmaps and icons, read with the tests' own decoder (written from the file
// formats alone, sharing no code with the generator), repainted by skirmora-artgen and loaded
// through the Qt resource system.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QImage>
#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "resources/ResourceIds.h"
#include "resources/ResourcePaths.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct Art {
    int id;
    const char* file;  // below the resources folder
    int width, height, bitCount;
    int maskOf = 0;                      // a mask: the identifier of its sprite
    std::uint32_t white = 0, black = 0;  // a mask's two colours; a bar's one colour is `white`
};

const Art kArt[] = {
    {kEmblemIcon, "icons/113_emblem.ico", 32, 32, 4},
    {kLeftShipImage, "images/118_left_ship.bmp", 53, 21, 8},
    {kLeftShipMask, "images/119_left_ship_mask.bmp", 53, 21, 8, 118, 0xFCFCFC, 0x040404},
    {kRightShipImage, "images/123_right_ship.bmp", 53, 21, 8},
    {kRightShipMask, "images/124_right_ship_mask.bmp", 53, 21, 8, 123, 0xFCFCFC, 0x040404},
    {kLeftShotImage, "images/125_left_shot.bmp", 20, 10, 8},
    {kLeftShotMask, "images/126_left_shot_mask.bmp", 20, 10, 4, 125, 0xFFFFFF, 0x000000},
    {kBackgroundBitmap, "images/127_background.bmp", 600, 400, 8},
    {kRightShotImage, "images/128_right_shot.bmp", 20, 10, 4},
    {kRightShotMask, "images/129_right_shot_mask.bmp", 20, 10, 4, 128, 0xFFFFFF, 0x000000},
    {kRebelEmblemIcon, "icons/132_rebel_emblem.ico", 32, 32, 4},
    {kLeftBarBitmap, "images/133_left_bar.bmp", 290, 20, 8, 0, 0xC0C0C0},
    {kRightBarBitmap, "images/134_right_bar.bmp", 290, 20, 4, 0, 0xFF0000},
};

fs::path Root() {
    return SKIRMORA_RESOURCES_DIR;
}

bool IsIcon(const Art& art) {
    return fs::path(art.file).extension() == ".ico";
}

const Art& ById(int id) {
    return *std::find_if(std::begin(kArt), std::end(kArt),
                         [id](const Art& a) { return a.id == id; });
}

Bytes ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The little-endian unsigned value of `size` bytes at `at`.
std::uint32_t U(const Bytes& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | bytes.at(at + i);
    }
    return value;
}

// A BMP's or an icon's palette picture, its rows turned top first.
struct Dib {
    std::array<std::uint32_t, 6> info;  // header size, width, height, planes, depth, compression
    std::uint32_t tableSize = 0;
    std::vector<std::uint32_t> pixels;  // 0xRRGGBB
    std::vector<bool> clear;            // an icon's AND mask: true where transparent
    std::size_t end = 0;                // just past the pixels (and the mask)
};

Dib Decode(const Bytes& bytes, bool icon) {
    const std::size_t at = icon ? 22 : 14;
    Dib d;
    d.info = {U(bytes, at, 4),      U(bytes, at + 4, 4),  U(bytes, at + 8, 4),
              U(bytes, at + 12, 2), U(bytes, at + 14, 2), U(bytes, at + 16, 4)};
    const std::uint32_t width = d.info[1], height = d.info[2] / (icon ? 2 : 1), depth = d.info[4];
    if (d.info[0] != 40 || (depth != 4 && depth != 8)) {
        throw std::runtime_error("not a 4 or 8 bit BITMAPINFOHEADER");
    }
    d.tableSize = U(bytes, at + 32, 4) != 0 ? U(bytes, at + 32, 4) : 1u << depth;
    const std::size_t pixelsAt = icon ? at + 40 + 4 * d.tableSize : U(bytes, 10, 4);
    const std::size_t stride = (width * depth + 31) / 32 * 4;
    const std::size_t maskAt = pixelsAt + stride * height;
    const std::size_t maskStride = (width + 31) / 32 * 4;
    for (std::size_t row = height; row-- > 0;) {  // stored bottom first
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint8_t byte = bytes.at(pixelsAt + row * stride + x * depth / 8);
            const std::uint32_t index = depth == 8 ? byte : (x % 2 ? byte & 15 : byte >> 4);
            if (index >= d.tableSize) {
                throw std::runtime_error("a pixel beyond the colour table");
            }
            d.pixels.push_back(U(bytes, at + 40 + 4 * index, 3));
            if (icon) {
                d.clear.push_back((bytes.at(maskAt + row * maskStride + x / 8) >> (7 - x % 8)) & 1);
            }
        }
    }
    d.end = icon ? maskAt + maskStride * height : maskAt;
    return d;
}

Dib Decode(const Art& art) {
    return Decode(ReadBytes(Root() / art.file), IsIcon(art));
}

// The pictures below `root`, by their paths relative to it.
std::set<std::string> PicturesBelow(const fs::path& root) {
    std::set<std::string> files;
    for (const char* folder : {"images", "icons"}) {
        for (const auto& entry : fs::directory_iterator(root / folder)) {
            files.insert(fs::relative(entry.path(), root).string());
        }
    }
    return files;
}

// One file per identifier, named after it: an uncompressed palette BMP of its size with a full
// colour table, or an icon holding one 32 x 32 image of 16 colours with its AND mask.
TEST(CommittedArt, FilesHaveTheirIdentifierSizeDepthAndFullColourTable) {
    std::set<std::string> catalogued;
    for (const Art& art : kArt) {
        catalogued.insert(art.file);
        SCOPED_TRACE(art.file);
        EXPECT_TRUE(
            fs::path(art.file).filename().string().starts_with(std::to_string(art.id) + "_"));
        const Bytes bytes = ReadBytes(Root() / art.file);
        const std::uint32_t size = bytes.size();
        if (IsIcon(art)) {  // reserved, type, count; one entry: 32 x 32, 16 colours, 4 bits
            EXPECT_EQ((std::array{U(bytes, 0, 2), U(bytes, 2, 2), U(bytes, 4, 2), U(bytes, 6, 4),
                                  U(bytes, 12, 2), U(bytes, 14, 4), U(bytes, 18, 4)}),
                      (std::array{0u, 1u, 1u, 0x00102020u, 4u, size - 22, 22u}));
        } else {
            EXPECT_EQ((std::array{U(bytes, 0, 2), U(bytes, 2, 4), U(bytes, 10, 4)}),
                      (std::array{0x4D42u, size, 14 + 40 + (4u << art.bitCount)}));
        }
        const Dib dib = Decode(bytes, IsIcon(art));
        const std::uint32_t storedHeight = art.height * (IsIcon(art) ? 2 : 1);
        EXPECT_EQ(dib.info,
                  (std::array<std::uint32_t, 6>{40, std::uint32_t(art.width), storedHeight, 1,
                                                std::uint32_t(art.bitCount), 0}));
        EXPECT_EQ(dib.tableSize, 1u << art.bitCount);
        EXPECT_EQ(dib.end, size);
    }
    EXPECT_EQ(PicturesBelow(Root()), catalogued);
    EXPECT_EQ((std::array{kMainMenu, kAboutDialog, kSetupDialog}), (std::array{114, 130, 131}));
}

// A mask is white where the background stays and black where the sprite covers it; the sprite
// is black wherever its mask is white, or the OR step would lighten the background there. The
// same holds for an icon's AND mask. Bars are solid; the sky under them is near-black.
TEST(CommittedArt, PicturesFollowTheMaskConventionAndTheBarColours) {
    for (const Art& art : kArt) {
        SCOPED_TRACE(art.file);
        const Dib dib = Decode(art);
        std::vector<bool> clear = dib.clear;
        std::vector<std::uint32_t> sprite = dib.pixels;
        if (art.maskOf != 0) {
            sprite = Decode(ById(art.maskOf)).pixels;
            for (std::uint32_t pixel : dib.pixels) {
                ASSERT_TRUE(pixel == art.white || pixel == art.black) << std::hex << pixel;
                clear.push_back(pixel == art.white);
            }
        } else if (art.white != 0) {
            EXPECT_EQ(std::count(sprite.begin(), sprite.end(), art.white), art.width * art.height);
        }
        for (std::size_t i = 0; i < clear.size(); ++i) {
            ASSERT_TRUE(!clear[i] || sprite[i] == 0) << "a stray pixel at " << i;
        }
        if (!clear.empty()) {
            EXPECT_NE(std::count(clear.begin(), clear.end(), true), 0) << "nothing transparent";
            EXPECT_NE(std::count(clear.begin(), clear.end(), false), 0) << "nothing opaque";
        }
    }
    const Dib sky = Decode(ById(kBackgroundBitmap));
    for (std::size_t i = 0; i < 600 * 20; ++i) {
        const std::uint32_t c = sky.pixels[i];
        ASSERT_LE(std::max({c >> 16, c >> 8 & 0xFF, c & 0xFF}), 32u) << "pixel " << i;
    }
}

TEST(Artgen, RepaintsEveryCommittedFileByteForByte) {
    const fs::path output =
        fs::temp_directory_path() / ("skirmora-art-" + std::to_string(getpid()));
    const std::string command = std::string("'") + SKIRMORA_ARTGEN + "' '" + output.string() +
                                "' '" + (Root() / "art").string() + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
    EXPECT_EQ(PicturesBelow(output), PicturesBelow(Root()));
    for (const Art& art : kArt) {
        EXPECT_TRUE(ReadBytes(output / art.file) == ReadBytes(Root() / art.file)) << art.file;
    }
    fs::remove_all(output);
}

// Every picture is reachable by its identifier alone and shows the committed pixels.
TEST(QtResources, LoadEveryPictureByItsIdentifier) {
    EXPECT_EQ(BitmapResourcePath(127), ":/bitmap/127");
    EXPECT_EQ(IconResourcePath(113), ":/icon/113");
    for (const Art& art : kArt) {
        SCOPED_TRACE(art.file);
        const std::string path =
            IsIcon(art) ? IconResourcePath(art.id) : BitmapResourcePath(art.id);
        const QImage image =
            QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(art.width, art.height));
        const Dib committed = Decode(art);
        for (std::size_t i = 0; i < committed.pixels.size(); ++i) {
            const QRgb pixel = image.pixel(i % art.width, i / art.width);
            const bool clear = IsIcon(art) && committed.clear[i];
            ASSERT_EQ(clear ? pixel & 0xFF000000u : pixel,
                      clear ? 0u : 0xFF000000u | committed.pixels[i])
                << "pixel " << i;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Image format plugins (the icon reader among them) are found through the application.
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
