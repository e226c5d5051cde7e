// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "tools/artgen/Rgb.h"

// A palette picture as the game stores it: 4 bits per pixel with a 16-entry colour table or
// 8 bits per pixel with a 256-entry one. The table always has its full size, so the files
// declare exactly the number of colours their depth allows.
struct IndexedImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 8;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> pixels;  // row by row, top row first

    std::uint8_t At(int x, int y) const { return pixels[y * width + x]; }
    void Set(int x, int y, std::uint8_t index) { pixels[y * width + x] = index; }
};

// An image of the given size filled with index 0, whose colour table starts with `colours`
// and is padded with black to the full table size of the depth. Throws when the colours do
// not fit or the depth is neither 4 nor 8.
IndexedImage MakeIndexedImage(int width, int height, int bitsPerPixel, std::vector<Rgb> colours);
