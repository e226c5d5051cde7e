// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// skirmora-artgen: writes every bitmap and icon of the game from its editable sources.
//
//   skirmora-artgen <output-dir> <art-source-dir>
//
// The pictures land in <output-dir>/images and <output-dir>/icons. Pointed at the resources
// folder itself it refreshes the committed art; the output is the same on every run.

#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <vector>

#include "tools/artgen/ArtCatalogue.h"

namespace {

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error(path.string() + ": cannot write");
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: skirmora-artgen <output-dir> <art-source-dir>\n";
        return 2;
    }
    try {
        const std::filesystem::path outputDir = argv[1];
        for (const ArtFile& file : BuildAllArt(argv[2])) {
            WriteFile(outputDir / file.path, file.bytes);
        }
    } catch (const std::exception& error) {
        std::cerr << "skirmora-artgen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
