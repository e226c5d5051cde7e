// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/artgen/BmpFile.h"

#include "tools/artgen/ByteWriter.h"
#include "tools/artgen/Dib.h"

namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const IndexedImage& image) {
    const std::vector<std::uint8_t> rows = PackPixelRows(image);
    const auto tableBytes = static_cast<std::uint32_t>(image.palette.size() * 4);
    const std::uint32_t pixelOffset = kFileHeaderBytes + kInfoHeaderBytes + tableBytes;
    const auto rowBytes = static_cast<std::uint32_t>(rows.size());

    CByteWriter out;
    out.U8('B');
    out.U8('M');
    out.U32(pixelOffset + rowBytes);
    out.U16(0);
    out.U16(0);
    out.U32(pixelOffset);
    WriteInfoHeader(out, image, image.height, rowBytes, kPixelsPerMetre);
    WriteColourTable(out, image);
    out.Append(rows);
    return out.Take();
}
