// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

// The simulator's command line. Every battle it runs is fixed by these and the input script.
struct SimOptions {
    std::uint32_t seed = 1;
    int ticks = 100;
    bool leftComputer = true;
    bool rightComputer = true;
    int width = 600;  // client extent for the pointer rule (and the picture)
    int height = 400;
    std::string inputPath;  // empty: no input
    bool trace = false;
    std::string pngPath;  // empty: no picture
    bool help = false;
};

// Why the command line was refused, naming the argument.
struct OptionsError {
    std::string message;
};

std::variant<SimOptions, OptionsError> ParseSimOptions(std::span<const std::string_view> args);

// The synopsis, shown with a refused command line, and the whole help of --help.
extern const char* const kSimUsage;
extern const char* const kSimHelp;
