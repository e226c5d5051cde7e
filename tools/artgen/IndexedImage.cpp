// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/artgen/IndexedImage.h"

#include <stdexcept>
#include <string>

IndexedImage MakeIndexedImage(int width, int height, int bitsPerPixel, std::vector<Rgb> colours) {
    if (bitsPerPixel != 4 && bitsPerPixel != 8) {
        throw std::invalid_argument("unsupported depth " + std::to_string(bitsPerPixel));
    }
    const std::size_t tableSize = std::size_t{1} << bitsPerPixel;
    if (colours.size() > tableSize) {
        throw std::invalid_argument(std::to_string(colours.size()) + " colours do not fit a " +
                                    std::to_string(bitsPerPixel) + "-bit colour table");
    }
    colours.resize(tableSize, Rgb{});
    IndexedImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = bitsPerPixel;
    image.palette = std::move(colours);
    image.pixels.assign(static_cast<std::size_t>(width) * height, 0);
    return image;
}
