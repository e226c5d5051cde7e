// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/artgen/IcoFile.h"

#include <stdexcept>

#include "tools/artgen/ByteWriter.h"
#include "tools/artgen/Dib.h"

namespace {

constexpr std::uint32_t kDirectoryBytes = 6;
constexpr std::uint32_t kEntryBytes = 16;
constexpr std::uint16_t kIconType = 1;

std::vector<std::uint8_t> PackAndMask(const IndexedImage& image,
                                      const std::vector<bool>& transparent) {
    const std::uint32_t stride = StrideBytes(image.width, 1);
    std::vector<std::uint8_t> rows(stride * image.height, 0);
    for (int y = 0; y < image.height; ++y) {
        std::uint8_t* row = rows.data() + stride * (image.height - 1 - y);
        for (int x = 0; x < image.width; ++x) {
            if (transparent[y * image.width + x]) {
                row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
    }
    return rows;
}

}  // namespace

std::vector<std::uint8_t> EncodeIco(const IndexedImage& colours,
                                    const std::vector<bool>& transparent) {
    if (colours.width > 255 || colours.height > 255 ||
        transparent.size() != colours.pixels.size()) {
        throw std::invalid_argument("icon image and mask do not match");
    }
    const std::vector<std::uint8_t> xorRows = PackPixelRows(colours);
    const std::vector<std::uint8_t> andRows = PackAndMask(colours, transparent);
    const auto tableBytes = static_cast<std::uint32_t>(colours.palette.size() * 4);
    const auto pixelBytes = static_cast<std::uint32_t>(xorRows.size() + andRows.size());
    const std::uint32_t imageBytes = kInfoHeaderBytes + tableBytes + pixelBytes;

    CByteWriter out;
    out.U16(0);
    out.U16(kIconType);
    out.U16(1);  // one image
    out.U8(static_cast<std::uint8_t>(colours.width));
    out.U8(static_cast<std::uint8_t>(colours.height));
    out.U8(static_cast<std::uint8_t>(colours.bitsPerPixel == 4 ? 16 : 0));  // 0 means 256 or more
    out.U8(0);
    out.U16(1);  // planes
    out.U16(static_cast<std::uint16_t>(colours.bitsPerPixel));
    out.U32(imageBytes);
    out.U32(kDirectoryBytes + kEntryBytes);
    WriteInfoHeader(out, colours, colours.height * 2, pixelBytes, 0);
    WriteColourTable(out, colours);
    out.Append(xorRows);
    out.Append(andRows);
    return out.Take();
}
