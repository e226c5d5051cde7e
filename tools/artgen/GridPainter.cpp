// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/artgen/GridPainter.h"

#include <algorithm>

namespace {

std::uint8_t IndexOf(const std::vector<Rgb>& table, Rgb colour) {
    return static_cast<std::uint8_t>(std::find(table.begin(), table.end(), colour) - table.begin());
}

}  // namespace

IndexedImage PaintColours(const PixelGrid& grid, int bitsPerPixel) {
    std::vector<Rgb> table{Rgb{}};
    for (const auto& [symbol, colour] : grid.legend) {
        if (std::find(table.begin(), table.end(), colour) == table.end()) {
            table.push_back(colour);
        }
    }
    IndexedImage image = MakeIndexedImage(grid.width, grid.height, bitsPerPixel, table);
    for (int y = 0; y < grid.height; ++y) {
        for (int x = 0; x < grid.width; ++x) {
            if (!grid.IsTransparent(x, y)) {
                image.Set(x, y, IndexOf(table, grid.ColourOf(grid.At(x, y))));
            }
        }
    }
    return image;
}

IndexedImage PaintMask(const PixelGrid& grid, int bitsPerPixel, Rgb clear, Rgb opaque) {
    IndexedImage mask = MakeIndexedImage(grid.width, grid.height, bitsPerPixel, {clear, opaque});
    for (int y = 0; y < grid.height; ++y) {
        for (int x = 0; x < grid.width; ++x) {
            mask.Set(x, y, grid.IsTransparent(x, y) ? 0 : 1);
        }
    }
    return mask;
}

std::vector<bool> TransparentPixels(const PixelGrid& grid) {
    std::vector<bool> transparent;
    transparent.reserve(static_cast<std::size_t>(grid.width) * grid.height);
    for (int y = 0; y < grid.height; ++y) {
        for (int x = 0; x < grid.width; ++x) {
            transparent.push_back(grid.IsTransparent(x, y));
        }
    }
    return transparent;
}
