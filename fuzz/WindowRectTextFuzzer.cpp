// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The "pozice" reader and writer. The input is read as a stored text; its first bytes also make
// a rectangle to format and read back.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "app/WindowRectText.h"

namespace {

constexpr std::array<std::size_t, 4> kOffsets{0, 5, 10, 15};

// The same reading done by the C library: strtoll on a NUL-terminated copy of what the text
// holds from the field's offset on, clamped to 32 bits. The copy ends where the text ends, so
// this reading cannot see past it.
int ReferenceField(std::string_view text, std::size_t offset) {
    if (offset >= text.size()) {
        return 0;
    }
    const std::string copy(text.substr(offset));
    const long long value = std::strtoll(copy.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

ScreenRect ReferenceRect(std::string_view text) {
    return {ReferenceField(text, kOffsets[0]), ReferenceField(text, kOffsets[1]),
            ReferenceField(text, kOffsets[2]), ReferenceField(text, kOffsets[3])};
}

bool FitsFourCharacters(int v) {
    return v >= -999 && v <= 9999;
}

bool Fits(const ScreenRect& r) {
    return FitsFourCharacters(r.left) && FitsFourCharacters(r.top) && FitsFourCharacters(r.right) &&
           FitsFourCharacters(r.bottom);
}

// Four 32-bit numbers from the input's first 16 bytes, zeros where it is shorter.
ScreenRect RectFromBytes(const std::uint8_t* data, std::size_t size) {
    std::array<std::int32_t, 4> v{};
    std::memcpy(v.data(), data, std::min(size, sizeof v));
    return {v[0], v[1], v[2], v[3]};
}

// The same numbers brought into -999..9999, where every one takes four characters.
ScreenRect Folded(const ScreenRect& r) {
    const auto fold = [](int v) {
        constexpr std::int64_t kSpan = 9999 - -999 + 1;
        return static_cast<int>(-999 + ((std::int64_t{v} % kSpan) + kSpan) % kSpan);
    };
    return {fold(r.left), fold(r.top), fold(r.right), fold(r.bottom)};
}

void CheckFormatAndReadBack(const ScreenRect& rect) {
    const std::string text = FormatWindowRect(rect);
    const ScreenRect back = ParseWindowRect(text);
    Require(back == ReferenceRect(text), "a formatted text reads as the C library reads it");
    Require(back.left == rect.left, "the left field always reads back");
    if (Fits(rect)) {
        Require(text.size() == 19 && text[4] == ' ' && text[9] == ' ' && text[14] == ' ',
                "four-character fields take their fixed places");
        Require(back == rect, "a rectangle of four-character fields reads back as itself");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // libFuzzer hands over exactly size bytes, so reading past the text is an overflow.
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    Require(ParseWindowRect(text) == ReferenceRect(text), "the reader follows atoi's rule");
    Require(
        WindowRectFromSetting(text) == (text.empty() ? kDefaultWindowRect : ParseWindowRect(text)),
        "only an empty text stands for the first-run rectangle");

    // A shorter view of the same bytes: what follows its end must not change the reading.
    const std::size_t longestPrefix = std::min<std::size_t>(size, 64);
    for (std::size_t length = 0; length <= longestPrefix; ++length) {
        const std::string_view prefix = text.substr(0, length);
        Require(ParseWindowRect(prefix) == ReferenceRect(prefix),
                "the reader stops at the end of the text");
    }

    const ScreenRect raw = RectFromBytes(data, size);
    CheckFormatAndReadBack(raw);
    CheckFormatAndReadBack(Folded(raw));
    return 0;
}
