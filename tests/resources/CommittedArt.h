#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

// The catalogue of the committed art as the tests expect it: one file per identifier, named
// <id>_<role>, bitmaps under images/ and icons under icons/ of the resources folder.

enum class ArtKind { Background, Sprite, ShipMask, ShotMask, Bar, Icon };

struct ArtAsset {
    int id;
    const char* role;
    ArtKind kind;
    int width;
    int height;
    int bitsPerPixel;
};

inline constexpr ArtAsset kArtAssets[] = {
    {113, "emblem", ArtKind::Icon, 32, 32, 4},
    {118, "left_ship", ArtKind::Sprite, 53, 21, 8},
    {119, "left_ship_mask", ArtKind::ShipMask, 53, 21, 8},
    {123, "right_ship", ArtKind::Sprite, 53, 21, 8},
    {124, "right_ship_mask", ArtKind::ShipMask, 53, 21, 8},
    {125, "left_shot", ArtKind::Sprite, 20, 10, 8},
    {126, "left_shot_mask", ArtKind::ShotMask, 20, 10, 4},
    {127, "background", ArtKind::Background, 600, 400, 8},
    {128, "right_shot", ArtKind::Sprite, 20, 10, 4},
    {129, "right_shot_mask", ArtKind::ShotMask, 20, 10, 4},
    {132, "rebel_emblem", ArtKind::Icon, 32, 32, 4},
    {133, "left_bar", ArtKind::Bar, 290, 20, 8},
    {134, "right_bar", ArtKind::Bar, 290, 20, 4},
};

// The resources folder holding the committed art.
inline std::filesystem::path ArtRoot() {
    return SKIRMORA_RESOURCES_DIR;
}

// The path of an asset relative to the resources folder, e.g. images/127_background.bmp.
inline std::filesystem::path RelativeArtPath(const ArtAsset& asset) {
    const bool icon = asset.kind == ArtKind::Icon;
    return std::filesystem::path(icon ? "icons" : "images") /
           (std::to_string(asset.id) + "_" + asset.role + (icon ? ".ico" : ".bmp"));
}

inline const ArtAsset& AssetById(int id) {
    for (const ArtAsset& asset : kArtAssets) {
        if (asset.id == id) {
            return asset;
        }
    }
    throw std::out_of_range("no asset " + std::to_string(id));
}
