#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

// A reader for the committed BMP and ICO files, written for the tests from the file formats
// alone and sharing no code with the generator, so the two cannot agree on a mistake.
// Every decoder throws std::runtime_error on truncated or inconsistent data.

struct Colour {
    int r = 0;
    int g = 0;
    int b = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
};

// The fields of a BITMAPINFOHEADER, in file order.
struct InfoHeader {
    std::uint32_t size = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::int32_t xPixelsPerMetre = 0;
    std::int32_t yPixelsPerMetre = 0;
    std::uint32_t coloursUsed = 0;
    std::uint32_t coloursImportant = 0;
};

// A palette picture with its rows top first, whatever order the file stores them in.
struct PalettePicture {
    int width = 0;
    int height = 0;
    std::vector<Colour> table;
    std::vector<int> indices;

    Colour At(int x, int y) const { return table.at(indices.at(y * width + x)); }
};

struct DecodedBmp {
    std::uint32_t declaredFileSize = 0;
    std::uint32_t pixelOffset = 0;
    InfoHeader info;
    PalettePicture picture;
};

struct IconDirectoryEntry {
    int width = 0;
    int height = 0;
    int colourCount = 0;
    int reserved = 0;
    int planes = 0;
    int bitCount = 0;
    std::uint32_t bytesInResource = 0;
    std::uint32_t imageOffset = 0;
};

struct DecodedIco {
    int reserved = 0;
    int type = 0;
    std::vector<IconDirectoryEntry> entries;
    // The first image: its header, colours and AND mask (true where transparent).
    InfoHeader info;
    PalettePicture picture;
    std::vector<bool> andMask;
};

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file);

DecodedBmp DecodeBmp(const std::vector<std::uint8_t>& bytes);

DecodedIco DecodeIco(const std::vector<std::uint8_t>& bytes);
