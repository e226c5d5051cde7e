// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/artgen/ArtCatalogue.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "resources/PictureSizes.h"
#include "resources/ResourceIds.h"
#include "tools/artgen/Background.h"
#include "tools/artgen/BmpFile.h"
#include "tools/artgen/GridPainter.h"
#include "tools/artgen/IcoFile.h"

namespace {

// The ship masks are 8-bit and keep a white of 252 and a black of 4 in every channel; an
// AND with them only touches the two lowest bits of the background. The 4-bit shot masks
// are pure white and black.
constexpr Rgb kShipMaskClear{252, 252, 252};
constexpr Rgb kShipMaskOpaque{4, 4, 4};
constexpr Rgb kShotMaskClear{255, 255, 255};
constexpr Rgb kShotMaskOpaque{0, 0, 0};

std::filesystem::path Bitmap(int id, const std::string& role) {
    return std::filesystem::path("images") / (std::to_string(id) + "_" + role + ".bmp");
}

std::filesystem::path Icon(int id, const std::string& role) {
    return std::filesystem::path("icons") / (std::to_string(id) + "_" + role + ".ico");
}

struct Picture {
    int id;
    const char* role;
    int bitsPerPixel;
};

// A sprite and its mask, both drawn from the one grid `<image id>_<image role>.txt`.
struct Sprite {
    Picture image;
    Picture mask;
    int width;
    int height;
    Rgb maskClear;
    Rgb maskOpaque;
};

constexpr Sprite kSprites[] = {
    {{kLeftShipImage, "left_ship", 8},
     {kLeftShipMask, "left_ship_mask", 8},
     kShipPictureWidth,
     kShipPictureHeight,
     kShipMaskClear,
     kShipMaskOpaque},
    {{kRightShipImage, "right_ship", 8},
     {kRightShipMask, "right_ship_mask", 8},
     kShipPictureWidth,
     kShipPictureHeight,
     kShipMaskClear,
     kShipMaskOpaque},
    {{kLeftShotImage, "left_shot", 8},
     {kLeftShotMask, "left_shot_mask", 4},
     kShotPictureWidth,
     kShotPictureHeight,
     kShotMaskClear,
     kShotMaskOpaque},
    {{kRightShotImage, "right_shot", 4},
     {kRightShotMask, "right_shot_mask", 4},
     kShotPictureWidth,
     kShotPictureHeight,
     kShotMaskClear,
     kShotMaskOpaque},
};

// The energy bars are one solid colour each.
struct Bar {
    Picture picture;
    Rgb colour;
};

constexpr Bar kBars[] = {
    {{kLeftBarBitmap, "left_bar", 8}, {192, 192, 192}},
    {{kRightBarBitmap, "right_bar", 4}, {255, 0, 0}},
};

constexpr Picture kIcons[] = {
    {kEmblemIcon, "emblem", 4},
    {kRebelEmblemIcon, "rebel_emblem", 4},
};

PixelGrid LoadSized(const std::filesystem::path& file, int width, int height) {
    PixelGrid grid = LoadPixelGrid(file);
    if (grid.width != width || grid.height != height) {
        throw std::runtime_error(file.string() + ": expected a grid of " + std::to_string(width) +
                                 " by " + std::to_string(height));
    }
    return grid;
}

std::filesystem::path GridFile(const std::filesystem::path& artSources, const Picture& picture) {
    return artSources / (std::to_string(picture.id) + "_" + picture.role + ".txt");
}

void AddSprite(std::vector<ArtFile>& files, const std::filesystem::path& artSources,
               const Sprite& sprite) {
    const PixelGrid grid =
        LoadSized(GridFile(artSources, sprite.image), sprite.width, sprite.height);
    files.push_back({Bitmap(sprite.image.id, sprite.image.role),
                     EncodeBmp(PaintColours(grid, sprite.image.bitsPerPixel))});
    files.push_back({Bitmap(sprite.mask.id, sprite.mask.role),
                     EncodeBmp(PaintMask(grid, sprite.mask.bitsPerPixel, sprite.maskClear,
                                         sprite.maskOpaque))});
}

void AddBar(std::vector<ArtFile>& files, const Bar& bar) {
    // Index 0 is the bar's colour, so the blank image is already the solid bar.
    const IndexedImage image =
        MakeIndexedImage(kBarWidth, kBarHeight, bar.picture.bitsPerPixel, {bar.colour});
    files.push_back({Bitmap(bar.picture.id, bar.picture.role), EncodeBmp(image)});
}

void AddIcon(std::vector<ArtFile>& files, const std::filesystem::path& artSources,
             const Picture& icon) {
    const PixelGrid grid = LoadSized(GridFile(artSources, icon), kIconSide, kIconSide);
    files.push_back({Icon(icon.id, icon.role),
                     EncodeIco(PaintColours(grid, icon.bitsPerPixel), TransparentPixels(grid))});
}

int IdOf(const ArtFile& file) {
    return std::stoi(file.path.filename().string());
}

}  // namespace

std::vector<ArtFile> BuildAllArt(const std::filesystem::path& artSources) {
    std::vector<ArtFile> files;
    files.push_back({Bitmap(kBackgroundBitmap, "background"), EncodeBmp(PaintBackground())});
    for (const Sprite& sprite : kSprites) {
        AddSprite(files, artSources, sprite);
    }
    for (const Bar& bar : kBars) {
        AddBar(files, bar);
    }
    for (const Picture& icon : kIcons) {
        AddIcon(files, artSources, icon);
    }
    std::sort(files.begin(), files.end(),
              [](const ArtFile& a, const ArtFile& b) { return IdOf(a) < IdOf(b); });
    return files;
}
