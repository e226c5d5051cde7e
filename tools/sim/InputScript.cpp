// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/sim/InputScript.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

#include "gamepad/PadControls.h"

namespace {

// A pointer position is a signed 16-bit quantity, like the window system's.
constexpr int kPointerMin = std::numeric_limits<std::int16_t>::min();
constexpr int kPointerMax = std::numeric_limits<std::int16_t>::max();
constexpr int kKeyCodeMax = 0xFF;

std::vector<std::string_view> SplitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
            ++i;
        }
        if (i > start) {
            words.push_back(line.substr(start, i - start));
        }
    }
    return words;
}

// A whole word as an integer within [low, high], decimal or, where allowed, 0x hexadecimal.
std::optional<long long> ParseInteger(std::string_view word, long long low, long long high,
                                      bool allowHex) {
    int base = 10;
    if (allowHex && word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        word.remove_prefix(2);
        base = 16;
    }
    long long value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value, base);
    // from_chars takes a minus sign in any base, but "0x" must be followed by digits.
    if (word.empty() || (base == 16 && word.front() == '-') || ec != std::errc() || ptr != end ||
        value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

template <typename Value, std::size_t N>
std::optional<Value> ParseName(std::string_view word,
                               const std::pair<std::string_view, Value> (&names)[N]) {
    for (const auto& [name, value] : names) {
        if (word == name) {
            return value;
        }
    }
    return std::nullopt;
}

constexpr std::pair<std::string_view, PadSide> kPadSides[] = {{"left", PadSide::Left},
                                                              {"right", PadSide::Right}};
constexpr std::pair<std::string_view, PadDirection> kPadDirections[] = {
    {"up", PadDirection::Up},         {"upright", PadDirection::UpRight},
    {"right", PadDirection::Right},   {"downright", PadDirection::DownRight},
    {"down", PadDirection::Down},     {"downleft", PadDirection::DownLeft},
    {"left", PadDirection::Left},     {"upleft", PadDirection::UpLeft},
    {"centre", PadDirection::Centre},
};
constexpr std::pair<std::string_view, PadButton> kPadButtons[] = {
    {"south", PadButton::South},
    {"east", PadButton::East},
    {"west", PadButton::West},
    {"north", PadButton::North},
    {"rightshoulder", PadButton::RightShoulder},
    {"start", PadButton::Start},
    {"back", PadButton::Back},
};

// "SIDE dir DIRECTION" or "SIDE button NAME", after "pad".
bool ParsePadEvent(const std::vector<std::string_view>& words, ScriptEvent& event,
                   std::string& problem) {
    const auto side = ParseName(words[2], kPadSides);
    if (!side) {
        problem = "a controller's side must be left or right";
        return false;
    }
    event.a = static_cast<int>(*side);
    if (words[3] == "dir") {
        event.kind = ScriptEvent::Kind::PadDirection;
        const auto direction = ParseName(words[4], kPadDirections);
        event.b = static_cast<int>(direction.value_or(PadDirection::Centre));
        problem = direction ? "" : "unknown direction '" + std::string(words[4]) + "'";
        return direction.has_value();
    }
    if (words[3] == "button") {
        event.kind = ScriptEvent::Kind::PadButton;
        const auto button = ParseName(words[4], kPadButtons);
        event.b = static_cast<int>(button.value_or(PadButton::Other));
        problem = button ? "" : "unknown button '" + std::string(words[4]) + "'";
        return button.has_value();
    }
    problem = "a controller event is 'dir' or 'button'";
    return false;
}

std::optional<ScriptEvent> ParseEvent(const std::vector<std::string_view>& words,
                                      std::string& problem) {
    ScriptEvent event;
    const auto tick = ParseInteger(words[0], 1, std::numeric_limits<int>::max(), false);
    if (!tick) {
        problem = "the tick must be a whole number from 1 up";
        return std::nullopt;
    }
    event.tick = static_cast<int>(*tick);
    if (words.size() < 2) {
        problem = "an event name must follow the tick";
        return std::nullopt;
    }
    const std::string_view name = words[1];
    std::size_t operands = 0;
    if (name == "pointer") {
        event.kind = ScriptEvent::Kind::Pointer;
        operands = 2;
    } else if (name == "button") {
        event.kind = ScriptEvent::Kind::Button;
    } else if (name == "key") {
        event.kind = ScriptEvent::Kind::Key;
        operands = 1;
    } else if (name == "newround") {
        event.kind = ScriptEvent::Kind::NewRound;
    } else if (name == "paint") {
        event.kind = ScriptEvent::Kind::Paint;
    } else if (name == "pad") {
        event.kind = ScriptEvent::Kind::PadButton;
        operands = 3;
    } else {
        problem = std::string("unknown event '").append(name).append("'");
        return std::nullopt;
    }
    if (words.size() != 2 + operands) {
        problem = std::string("'").append(name).append("' takes ");
        problem.append(std::to_string(operands)).append(" operand(s)");
        return std::nullopt;
    }
    if (event.kind == ScriptEvent::Kind::Pointer) {
        const auto px = ParseInteger(words[2], kPointerMin, kPointerMax, false);
        const auto py = ParseInteger(words[3], kPointerMin, kPointerMax, false);
        if (!px || !py) {
            problem = "pointer coordinates must be integers from -32768 to 32767";
            return std::nullopt;
        }
        event.a = static_cast<int>(*px);
        event.b = static_cast<int>(*py);
    } else if (event.kind == ScriptEvent::Kind::Key) {
        const auto code = ParseInteger(words[2], 0, kKeyCodeMax, true);
        if (!code) {
            problem = "a key code must be 0 to 255, decimal or 0x hexadecimal";
            return std::nullopt;
        }
        event.a = static_cast<int>(*code);
    } else if (event.kind == ScriptEvent::Kind::PadButton &&
               !ParsePadEvent(words, event, problem)) {
        return std::nullopt;
    }
    return event;
}

}  // namespace

std::variant<std::vector<ScriptEvent>, ScriptError> ParseInputScript(std::string_view text) {
    std::vector<ScriptEvent> events;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);

        line = line.substr(0, line.find('#'));
        const std::vector<std::string_view> words = SplitWords(line);
        if (words.empty()) {
            continue;
        }
        std::string problem;
        const std::optional<ScriptEvent> event = ParseEvent(words, problem);
        if (!event) {
            return ScriptError{lineNumber, problem};
        }
        events.push_back(*event);
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.tick < b.tick; });
    return events;
}
