// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/artgen/PixelGrid.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

class CGridParser {
public:
    CGridParser(std::istream& in, std::string sourceName)
        : in_(in), sourceName_(std::move(sourceName)) {}

    PixelGrid Parse() {
        std::string line;
        while (NextLine(line)) {
            if (line.empty() || line[0] == '#') {
                continue;
            }
            std::istringstream words(line);
            std::string keyword;
            words >> keyword;
            if (keyword == "size") {
                ParseSize(words);
            } else if (keyword == "transparent") {
                grid_.transparent = ParseSymbol(words);
            } else if (keyword == "colour") {
                ParseColour(words);
            } else if (keyword == "rows") {
                ParseRows();
                return grid_;
            } else {
                Fail("unknown keyword '" + keyword + "'");
            }
        }
        Fail("missing 'rows'");
    }

private:
    bool NextLine(std::string& line) {
        if (!std::getline(in_, line)) {
            return false;
        }
        ++lineNumber_;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return true;
    }

    [[noreturn]] void Fail(const std::string& message) const {
        throw std::runtime_error(sourceName_ + ":" + std::to_string(lineNumber_) + ": " + message);
    }

    void ParseSize(std::istringstream& words) {
        if (!(words >> grid_.width >> grid_.height) || grid_.width <= 0 || grid_.height <= 0) {
            Fail("expected 'size <width> <height>'");
        }
    }

    char ParseSymbol(std::istringstream& words) {
        std::string symbol;
        if (!(words >> symbol) || symbol.size() != 1) {
            Fail("expected one character");
        }
        return symbol[0];
    }

    void ParseColour(std::istringstream& words) {
        const char symbol = ParseSymbol(words);
        int channels[3] = {};
        for (int& channel : channels) {
            if (!(words >> channel) || channel < 0 || channel > 255) {
                Fail("expected 'colour <char> <r> <g> <b>' with channels from 0 to 255");
            }
        }
        if (symbol == grid_.transparent || Defines(symbol)) {
            Fail(std::string("character '") + symbol + "' is defined twice");
        }
        grid_.legend.emplace_back(symbol, Rgb{static_cast<std::uint8_t>(channels[0]),
                                              static_cast<std::uint8_t>(channels[1]),
                                              static_cast<std::uint8_t>(channels[2])});
    }

    bool Defines(char symbol) const {
        for (const auto& [known, colour] : grid_.legend) {
            if (known == symbol) {
                return true;
            }
        }
        return false;
    }

    void ParseRows() {
        if (grid_.width == 0) {
            Fail("'size' must come before 'rows'");
        }
        std::string line;
        while (static_cast<int>(grid_.rows.size()) < grid_.height) {
            if (!NextLine(line)) {
                Fail("expected " + std::to_string(grid_.height) + " rows");
            }
            CheckRow(line);
            grid_.rows.push_back(line);
        }
        while (NextLine(line)) {
            if (!line.empty()) {
                Fail("text after the last row");
            }
        }
    }

    void CheckRow(const std::string& row) const {
        if (static_cast<int>(row.size()) != grid_.width) {
            Fail("row has " + std::to_string(row.size()) + " characters, expected " +
                 std::to_string(grid_.width));
        }
        for (const char symbol : row) {
            if (symbol != grid_.transparent && !Defines(symbol)) {
                Fail(std::string("character '") + symbol + "' is not in the legend");
            }
        }
    }

    std::istream& in_;
    std::string sourceName_;
    int lineNumber_ = 0;
    PixelGrid grid_;
};

}  // namespace

Rgb PixelGrid::ColourOf(char symbol) const {
    for (const auto& [known, colour] : legend) {
        if (known == symbol) {
            return colour;
        }
    }
    return Rgb{};
}

PixelGrid ParsePixelGrid(std::istream& in, const std::string& sourceName) {
    return CGridParser(in, sourceName).Parse();
}

PixelGrid LoadPixelGrid(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) {
        throw std::runtime_error(file.string() + ": cannot open");
    }
    return ParsePixelGrid(in, file.string());
}
