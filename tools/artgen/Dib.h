// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "tools/artgen/ByteWriter.h"
#include "tools/artgen/IndexedImage.h"

// The device-independent bitmap block that BMP and ICO files share: an uncompressed
// BITMAPINFOHEADER, the full colour table and the pixel rows, bottom row first, each row
// padded to a multiple of four bytes.

inline constexpr std::uint32_t kInfoHeaderBytes = 40;

// Bytes of one stored row of `width` pixels at `bitsPerPixel`, padding included.
std::uint32_t StrideBytes(int width, int bitsPerPixel);

// The header for `image`. An icon stores its colour image and its mask under one header,
// which therefore declares twice the height and the bytes of both.
void WriteInfoHeader(CByteWriter& out, const IndexedImage& image, std::int32_t storedHeight,
                     std::uint32_t imageBytes, std::int32_t pixelsPerMetre);

// The colour table, each entry as blue, green, red and a zero byte.
void WriteColourTable(CByteWriter& out, const IndexedImage& image);

// The pixel indices, bottom row first; at 4 bits the left pixel of a pair is the high nibble.
std::vector<std::uint8_t> PackPixelRows(const IndexedImage& image);
