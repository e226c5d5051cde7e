// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/WindowRectText.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace {

// Where left, top, right and bottom start in the stored text.
constexpr std::array<std::size_t, 4> kFieldOffsets{0, 5, 10, 15};

// White space as the C library's "C" locale knows it.
constexpr bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// The atoi rule, with the one difference that a number beyond the 32-bit range saturates
// instead of being undefined. The text written by the program never gets there; an edited
// one may.
int LeadingDecimal(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && IsCSpace(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    // Past this magnitude every further digit saturates anyway, so growth stops there and the
    // 64-bit accumulator cannot overflow however long the run of digits.
    constexpr std::int64_t kMagnitudeCap = std::int64_t{std::numeric_limits<int>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; at < text.size() && IsDecimalDigit(text[at]); ++at) {
        magnitude = std::min(magnitude * 10 + (text[at] - '0'), kMagnitudeCap);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

}  // namespace

std::string FormatWindowRect(const ScreenRect& rect) {
    // Four numbers of at most 11 characters ("-2147483648"), three blanks and the closing NUL.
    std::array<char, 4 * 11 + 3 + 1> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%04d %04d %04d %04d", rect.left,
                                     rect.top, rect.right, rect.bottom);
    return std::string(buffer.data(), static_cast<std::size_t>(std::max(length, 0)));
}

ScreenRect ParseWindowRect(std::string_view text) {
    std::array<int, kFieldOffsets.size()> fields{};
    for (std::size_t i = 0; i < kFieldOffsets.size(); ++i) {
        if (kFieldOffsets[i] < text.size()) {
            fields[i] = LeadingDecimal(text.substr(kFieldOffsets[i]));
        }
    }
    return {fields[0], fields[1], fields[2], fields[3]};
}

ScreenRect WindowRectFromSetting(std::string_view text) {
    return text.empty() ? kDefaultWindowRect : ParseWindowRect(text);
}
