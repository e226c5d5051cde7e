// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The simulator's input script reader, against a second reading written straight from the
// script's grammar: both must accept the same scripts, find the same events in them, and reject
// the others at the same line.

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "FuzzCheck.h"
#include "tools/sim/InputScript.h"

namespace {

using Kind = ScriptEvent::Kind;

bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::vector<std::string> Words(std::string_view line) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : line) {
        if (!IsSeparator(c)) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    return words;
}

// An integer word: an optional minus and decimal digits, or where allowed "0x" or "0X" and
// hexadecimal digits; its value read by the C library and kept only within [low, high].
std::optional<long long> Integer(const std::string& word, long long low, long long high,
                                 bool hexAllowed) {
    const bool hex =
        hexAllowed && word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X');
    const std::size_t digitsFrom = hex ? 2 : (!word.empty() && word[0] == '-' ? 1 : 0);
    if (digitsFrom == word.size() ||
        !std::all_of(word.begin() + static_cast<std::ptrdiff_t>(digitsFrom), word.end(),
                     hex ? IsHexDigit : IsDigit)) {
        return std::nullopt;
    }
    errno = 0;
    const long long value = std::strtoll(word.c_str() + (hex ? 2 : 0), nullptr, hex ? 16 : 10);
    if (errno == ERANGE || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<ScriptEvent> Event(const std::vector<std::string>& words) {
    const auto tick = Integer(words[0], 1, std::numeric_limits<int>::max(), false);
    if (!tick || words.size() < 2) {
        return std::nullopt;
    }
    ScriptEvent event;
    event.tick = static_cast<int>(*tick);
    const std::string& name = words[1];
    if (name == "pointer" && words.size() == 4) {
        const auto x = Integer(words[2], -32768, 32767, false);
        const auto y = Integer(words[3], -32768, 32767, false);
        if (!x || !y) {
            return std::nullopt;
        }
        event.kind = Kind::Pointer;
        event.a = static_cast<int>(*x);
        event.b = static_cast<int>(*y);
    } else if (name == "key" && words.size() == 3) {
        const auto code = Integer(words[2], 0, 255, true);
        if (!code) {
            return std::nullopt;
        }
        event.kind = Kind::Key;
        event.a = static_cast<int>(*code);
    } else if (words.size() == 2 && (name == "button" || name == "newround" || name == "paint")) {
        event.kind =
            name == "button" ? Kind::Button : (name == "newround" ? Kind::NewRound : Kind::Paint);
    } else {
        return std::nullopt;
    }
    return event;
}

struct Reading {
    int badLine = 0;  // 0 when every line reads
    std::vector<ScriptEvent> events;
};

Reading Read(std::string_view text) {
    Reading reading;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        ++lineNumber;
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        line = line.substr(0, line.find('#'));
        const std::vector<std::string> words = Words(line);
        if (words.empty()) {
            continue;
        }
        const std::optional<ScriptEvent> event = Event(words);
        if (!event) {
            reading.badLine = lineNumber;
            return reading;
        }
        reading.events.push_back(*event);
    }
    // Applied tick by tick, each tick's events in the order the file gives them.
    std::stable_sort(reading.events.begin(), reading.events.end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.tick < b.tick; });
    return reading;
}

bool Same(const ScriptEvent& x, const ScriptEvent& y) {
    return x.tick == y.tick && x.kind == y.kind && x.a == y.a && x.b == y.b;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = ParseInputScript(text);
    const Reading expected = Read(text);

    if (const auto* error = std::get_if<ScriptError>(&parsed)) {
        Require(expected.badLine != 0, "a script of well-formed lines is accepted");
        Require(error->line == expected.badLine, "a rejected script names its first bad line");
        Require(!error->message.empty(), "a rejected script says what is wrong");
        return 0;
    }
    const auto& events = std::get<std::vector<ScriptEvent>>(parsed);
    Require(expected.badLine == 0, "a script with a malformed line is rejected");
    Require(std::equal(events.begin(), events.end(), expected.events.begin(), expected.events.end(),
                       Same),
            "an accepted script gives its events with the ticks and values written, by tick");
    return 0;
}
