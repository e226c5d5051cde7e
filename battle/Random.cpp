// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "battle/Random.h"

#include <algorithm>

namespace {

std::uint32_t state = 0;

constexpr std::uint32_t kMultiplier = 214013;
constexpr std::uint32_t kIncrement = 2531011;

}  // namespace

void SeedRandom(std::uint32_t seed) {
    state = seed;
}

std::uint32_t RandomState() {
    return state;
}

int DrawRandom() {
    state = state * kMultiplier + kIncrement;  // unsigned: wraps modulo 2^32
    return static_cast<int>((state >> 16) & 0x7FFF);
}

int RandomIndex(int n) {
    const int r = DrawRandom();
    if (n < 2) {
        return 0;
    }
    // Each index owns a bucket of b draws, in order; the last index also takes the remainder
    // of the draw range, and all of it when the range holds fewer draws than indices.
    const int b = 32767 / n;
    if (b == 0) {
        return n - 1;
    }
    return std::min(r / b, n - 1);
}
