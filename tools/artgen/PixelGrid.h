// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <istream>
#include <string>
#include <utility>
#include <vector>

#include "tools/artgen/Rgb.h"

// A hand-drawn picture kept as text: one character per pixel and a legend that gives each
// character its colour. The file reads
//
//   # comments and blank lines anywhere before the rows
//   size <width> <height>
//   transparent <char>            (optional: the character of see-through pixels)
//   colour <char> <r> <g> <b> [what it is for]
//   rows
//   <height lines of exactly width characters>
struct PixelGrid {
    int width = 0;
    int height = 0;
    char transparent = '\0';  // '\0' when every pixel has a colour
    std::vector<std::pair<char, Rgb>> legend;
    std::vector<std::string> rows;

    char At(int x, int y) const { return rows[y][x]; }
    bool IsTransparent(int x, int y) const {
        return transparent != '\0' && At(x, y) == transparent;
    }
    Rgb ColourOf(char symbol) const;
};

// Parses a grid; throws std::runtime_error naming `sourceName` and the line at fault.
PixelGrid ParsePixelGrid(std::istream& in, const std::string& sourceName);

// Reads and parses the grid file at `file`.
PixelGrid LoadPixelGrid(const std::filesystem::path& file);
