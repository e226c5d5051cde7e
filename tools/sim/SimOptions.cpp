#include "tools/sim/SimOptions.h"

#include <charconv>
#include <limits>
#include <optional>

const char* const kSimUsage =
    "usage: skirmora-sim [--seed N] [--ticks N] [--left person|computer] "
    "[--right person|computer]\n"
    "                    [--size WxH] [--input FILE] [--trace] [--png FILE]\n";

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
