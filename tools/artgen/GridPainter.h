// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "tools/artgen/IndexedImage.h"
#include "tools/artgen/PixelGrid.h"

// Turns a hand-drawn grid into the stored pictures: the colour image and its mask come from
// the same grid, so a sprite and its silhouette can never disagree.

// The colour image: black wherever the grid is transparent (so the OR step of sprite
// drawing leaves the background there), the legend's colours elsewhere. The table holds
// black first, then each further legend colour once, in legend order.
IndexedImage PaintColours(const PixelGrid& grid, int bitsPerPixel);

// The mask: `clear` where the grid is transparent, `opaque` where it has a colour.
IndexedImage PaintMask(const PixelGrid& grid, int bitsPerPixel, Rgb clear, Rgb opaque);

// True for each transparent pixel, row by row from the top.
std::vector<bool> TransparentPixels(const PixelGrid& grid);
