// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

// One file of the game's art: where it goes, relative to the resources folder, and its bytes.
struct ArtFile {
    std::filesystem::path path;
    std::vector<std::uint8_t> bytes;
};

// Every bitmap and icon of the game, in identifier order, built from the hand-drawn grids in
// `artSources` and from the background's painters. Throws std::runtime_error when a source
// is missing or does not fit its picture.
std::vector<ArtFile> BuildAllArt(const std::filesystem::path& artSources);
