// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/sim/SimOptions.h"

#include <charconv>
#include <limits>
#include <optional>

const char* const kSimUsage =
    "usage: skirmora-sim [--seed N] [--ticks N] [--left person|computer] "
    "[--right person|computer]\n"
    "                    [--size WxH] [--input FILE] [--trace] [--png FILE]\n";

const char* const kSimHelp =
    "usage: skirmora-sim [--seed N] [--ticks N] [--left person|computer] "
    "[--right person|computer]\n"
    "                    [--size WxH] [--input FILE] [--trace] [--png FILE]\n"
    "\n"
    "Plays a battle without a window, deterministically from the seed and the input script.\n"
    "\n"
    "  --seed N        the random source's seed, 0 to 4294967295 (default 1)\n"
    "  --ticks N       how many ticks to run, 0 to 2147483647 (default 100)\n"
    "  --left WHO      who plays the left ship, person or computer (default computer)\n"
    "  --right WHO     who plays the right ship, person or computer (default computer)\n"
    "  --size WxH      the client area in pixels, each side 0 to 65535, for the pointer\n"
    "                  and the picture (default 600x400)\n"
    "  --input FILE    the input script (default none)\n"
    "  --trace         prints the battle's state after every tick, one JSON object a line\n"
    "  --png FILE      draws the battle as the game window does and writes it as a PNG\n"
    "                  after the last tick\n"
    "  -h, --help      prints this help\n"
    "\n"
    "The input script has one event a line, applied before tick T; '#' starts a comment:\n"
    "  T pointer PX PY   the pointer at client pixel (PX, PY), each -32768 to 32767\n"
    "  T button          the left mouse button\n"
    "  T key CODE        a key by its virtual-key code, 0 to 255, decimal or 0x hex\n"
    "  T newround        a new game: both ships back at their start, the picture redrawn\n"
    "  T paint           the whole picture redrawn, as the window redraws it after a resize\n"
    "  T pad SIDE dir D  the controller of side left or right comes to point direction D:\n"
    "                    up, upright, right, downright, down, downleft, left, upleft, centre\n"
    "  T pad SIDE button B  that controller's button B goes down: south (fire), west (halt),\n"
    "                    rightshoulder (fire), start (a new game), east, north, back\n"
    "T is a whole number from 1 up; the events of one tick keep their order in the script,\n"
    "and events after the last tick are ignored.\n"
    "\n"
    "Exit status: 0 done; 1 the picture or the trace could not be written; 2 a bad argument\n"
    "or script line, named on standard error.\n";

namespace {

// Large enough for any screen; small enough that a picture of it fits in memory.
constexpr long long kMaxClientSide = 65535;

std::optional<long long> WholeNumber(std::string_view word, long long high) {
    long long value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (word.empty() || ec != std::errc() || ptr != end || value < 0 || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> Driver(std::string_view word) {
    if (word == "computer") {
        return true;
    }
    if (word == "person") {
        return false;
    }
    return std::nullopt;
}

bool ParseSize(std::string_view word, SimOptions& options) {
    const std::size_t x = word.find('x');
    if (x == std::string_view::npos) {
        return false;
    }
    const auto width = WholeNumber(word.substr(0, x), kMaxClientSide);
    const auto height = WholeNumber(word.substr(x + 1), kMaxClientSide);
    if (!width || !height) {
        return false;
    }
    options.width = static_cast<int>(*width);
    options.height = static_cast<int>(*height);
    return true;
}

// Applies one option with its value; false when the value is not acceptable.
bool ApplyOption(std::string_view name, std::string_view value, SimOptions& options) {
    if (name == "--seed") {
        const auto seed = WholeNumber(value, std::numeric_limits<std::uint32_t>::max());
        options.seed = seed ? static_cast<std::uint32_t>(*seed) : 0;
        return seed.has_value();
    }
    if (name == "--ticks") {
        const auto ticks = WholeNumber(value, std::numeric_limits<int>::max());
        options.ticks = ticks ? static_cast<int>(*ticks) : 0;
        return ticks.has_value();
    }
    if (name == "--left" || name == "--right") {
        const auto computer = Driver(value);
        (name == "--left" ? options.leftComputer : options.rightComputer) = computer.value_or(true);
        return computer.has_value();
    }
    if (name == "--size") {
        return ParseSize(value, options);
    }
    if (name == "--input") {
        options.inputPath = std::string(value);
        return !value.empty();
    }
    if (name == "--png") {
        options.pngPath = std::string(value);
        return !value.empty();
    }
    return false;
}

bool TakesValue(std::string_view name) {
    return name == "--seed" || name == "--ticks" || name == "--left" || name == "--right" ||
           name == "--size" || name == "--input" || name == "--png";
}

}  // namespace

std::variant<SimOptions, OptionsError> ParseSimOptions(std::span<const std::string_view> args) {
    SimOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view name = args[i];
        if (name == "--trace") {
            options.trace = true;
        } else if (name == "--help" || name == "-h") {
            options.help = true;
        } else if (TakesValue(name)) {
            if (i + 1 >= args.size()) {
                return OptionsError{
                    std::string("argument ").append(name).append(": a value must follow")};
            }
            const std::string_view value = args[++i];
            if (!ApplyOption(name, value, options)) {
                return OptionsError{std::string("argument ")
                                        .append(name)
                                        .append(": bad value '")
                                        .append(value)
                                        .append("'")};
            }
        } else {
            return OptionsError{std::string("argument ").append(name).append(": unknown option")};
        }
    }
    return options;
}
