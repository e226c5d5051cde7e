// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/artgen/Dib.h"

std::uint32_t StrideBytes(int width, int bitsPerPixel) {
    const std::uint32_t bits = static_cast<std::uint32_t>(width) * bitsPerPixel;
    return (bits + 31) / 32 * 4;
}

void WriteInfoHeader(CByteWriter& out, const IndexedImage& image, std::int32_t storedHeight,
                     std::uint32_t imageBytes, std::int32_t pixelsPerMetre) {
    constexpr std::uint32_t kUncompressed = 0;  // BI_RGB
    out.U32(kInfoHeaderBytes);
    out.I32(image.width);
    out.I32(storedHeight);
    out.U16(1);  // planes
    out.U16(static_cast<std::uint16_t>(image.bitsPerPixel));
    out.U32(kUncompressed);
    out.U32(imageBytes);
    out.I32(pixelsPerMetre);
    out.I32(pixelsPerMetre);
    out.U32(static_cast<std::uint32_t>(image.palette.size()));  // colours used: the whole table
    out.U32(0);                                                 // all colours are important
}

void WriteColourTable(CByteWriter& out, const IndexedImage& image) {
    for (const Rgb& colour : image.palette) {
        out.U8(colour.b);
        out.U8(colour.g);
        out.U8(colour.r);
        out.U8(0);
    }
}

std::vector<std::uint8_t> PackPixelRows(const IndexedImage& image) {
    const std::uint32_t stride = StrideBytes(image.width, image.bitsPerPixel);
    std::vector<std::uint8_t> rows(stride * image.height, 0);
    for (int y = 0; y < image.height; ++y) {
        std::uint8_t* row = rows.data() + stride * (image.height - 1 - y);
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t index = image.At(x, y);
            if (image.bitsPerPixel == 8) {
                row[x] = index;
            } else {
                const int shift = (x % 2 == 0) ? 4 : 0;
                row[x / 2] |= static_cast<std::uint8_t>((index & 0x0F) << shift);
            }
        }
    }
    return rows;
}
