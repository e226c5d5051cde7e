#include "tests/resources/DibReader.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace {

class CLittleEndian {
public:
    explicit CLittleEndian(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    void Seek(std::size_t offset) { position_ = offset; }
    std::size_t Position() const { return position_; }
    std::size_t Size() const { return bytes_.size(); }

    std::uint32_t Unsigned(int width) {
        if (position_ + width > bytes_.size()) {
            throw std::runtime_error("truncated at byte " + std::to_string(position_));
        }
        std::uint32_t value = 0;
        for (int i = 0; i < width; ++i) {
            value |= std::uint32_t{bytes_[position_ + i]} << (8 * i);
        }
        position_ += width;
        return value;
    }
    std::uint8_t U8() { return static_cast<std::uint8_t>(Unsigned(1)); }
    std::uint16_t U16() { return static_cast<std::uint16_t>(Unsigned(2)); }
    std::uint32_t U32() { return Unsigned(4); }
    std::int32_t I32() { return static_cast<std::int32_t>(Unsigned(4)); }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t position_ = 0;
};

InfoHeader ReadInfoHeader(CLittleEndian& in) {
    InfoHeader info;
    info.size = in.U32();
    info.width = in.I32();
    info.height = in.I32();
    info.planes = in.U16();
    info.bitCount = in.U16();
    info.compression = in.U32();
    info.imageSize = in.U32();
    info.xPixelsPerMetre = in.I32();
    info.yPixelsPerMetre = in.I32();
    info.coloursUsed = in.U32();
    info.coloursImportant = in.U32();
    if (info.size != 40) {
        throw std::runtime_error("not a BITMAPINFOHEADER");
    }
    return info;
}

// A zero count of colours used means the full table for the depth.
std::uint32_t TableEntries(const InfoHeader& info) {
    if (info.coloursUsed != 0) {
        return info.coloursUsed;
    }
    return info.bitCount <= 8 ? (1u << info.bitCount) : 0u;
}

std::vector<Colour> ReadTable(CLittleEndian& in, std::uint32_t entries) {
    std::vector<Colour> table;
    for (std::uint32_t i = 0; i < entries; ++i) {
        const int blue = in.U8();
        const int green = in.U8();
        const int red = in.U8();
        in.U8();
        table.push_back(Colour{red, green, blue});
    }
    return table;
}

std::size_t RowBytes(int width, int bitCount) {
    return (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
}

// Rows stored bottom first at 4 or 8 bits per pixel.
PalettePicture ReadPixels(CLittleEndian& in, int width, int height, int bitCount,
                          std::vector<Colour> table) {
    if (bitCount != 4 && bitCount != 8) {
        throw std::runtime_error("unexpected depth " + std::to_string(bitCount));
    }
    PalettePicture picture{width, height, std::move(table), {}};
    picture.indices.assign(static_cast<std::size_t>(width) * height, 0);
    const std::size_t start = in.Position();
    const std::size_t stride = RowBytes(width, bitCount);
    if (start + stride * height > in.Size()) {
        throw std::runtime_error("pixel rows truncated");
    }
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row;
        for (int x = 0; x < width; ++x) {
            int index = 0;
            if (bitCount == 8) {
                in.Seek(start + row * stride + x);
                index = in.U8();
            } else {
                in.Seek(start + row * stride + x / 2);
                const int pair = in.U8();
                index = (x % 2 == 0) ? (pair >> 4) : (pair & 0x0F);
            }
            if (index >= static_cast<int>(picture.table.size())) {
                throw std::runtime_error("pixel index beyond the colour table");
            }
            picture.indices[y * width + x] = index;
        }
    }
    in.Seek(start + stride * height);
    return picture;
}

}  // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw std::runtime_error(file.string() + ": cannot open");
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

DecodedBmp DecodeBmp(const std::vector<std::uint8_t>& bytes) {
    CLittleEndian in(bytes);
    if (in.U8() != 'B' || in.U8() != 'M') {
        throw std::runtime_error("no BM signature");
    }
    DecodedBmp bmp;
    bmp.declaredFileSize = in.U32();
    in.U16();
    in.U16();
    bmp.pixelOffset = in.U32();
    bmp.info = ReadInfoHeader(in);
    std::vector<Colour> table = ReadTable(in, TableEntries(bmp.info));
    in.Seek(bmp.pixelOffset);
    const int height = bmp.info.height < 0 ? -bmp.info.height : bmp.info.height;
    bmp.picture = ReadPixels(in, bmp.info.width, height, bmp.info.bitCount, std::move(table));
    return bmp;
}

DecodedIco DecodeIco(const std::vector<std::uint8_t>& bytes) {
    CLittleEndian in(bytes);
    DecodedIco ico;
    ico.reserved = in.U16();
    ico.type = in.U16();
    const int count = in.U16();
    for (int i = 0; i < count; ++i) {
        IconDirectoryEntry entry;
        entry.width = in.U8();
        entry.height = in.U8();
        entry.colourCount = in.U8();
        entry.reserved = in.U8();
        entry.planes = in.U16();
        entry.bitCount = in.U16();
        entry.bytesInResource = in.U32();
        entry.imageOffset = in.U32();
        ico.entries.push_back(entry);
    }
    if (ico.entries.empty()) {
        throw std::runtime_error("icon without images");
    }
    in.Seek(ico.entries[0].imageOffset);
    ico.info = ReadInfoHeader(in);
    // The stored height covers the colour image and the mask below it.
    const int height = ico.info.height / 2;
    std::vector<Colour> table = ReadTable(in, TableEntries(ico.info));
    ico.picture = ReadPixels(in, ico.info.width, height, ico.info.bitCount, std::move(table));
    const std::size_t start = in.Position();
    const std::size_t stride = RowBytes(ico.info.width, 1);
    if (start + stride * height > bytes.size()) {
        throw std::runtime_error("AND mask truncated");
    }
    ico.andMask.assign(static_cast<std::size_t>(ico.info.width) * height, false);
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row;
        for (int x = 0; x < ico.info.width; ++x) {
            in.Seek(start + row * stride + x / 8);
            ico.andMask[y * ico.info.width + x] = ((in.U8() >> (7 - x % 8)) & 1) != 0;
        }
    }
    return ico;
}
