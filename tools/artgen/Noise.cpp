// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/artgen/Noise.h"

namespace {

// The eased weight 3t^2 - 2t^3 of t = step / cell, in 1/256ths.
int Ease(int step, int cell) {
    const std::int64_t t = std::int64_t{step} * 256 / cell;
    return static_cast<int>(t * t * (3 * 256 - 2 * t) / (256 * 256));
}

int FloorDiv(int value, int divisor) {
    const int quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

}  // namespace

std::uint32_t HashPoint(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

int ValueNoise(int x, int y, int cell, std::uint32_t seed) {
    const int cx = FloorDiv(x, cell);
    const int cy = FloorDiv(y, cell);
    const int wx = Ease(x - cx * cell, cell);
    const int wy = Ease(y - cy * cell, cell);
    const auto corner = [&](int dx, int dy) {
        return static_cast<int>(HashPoint(cx + dx, cy + dy, seed) & 0xFF);
    };
    const int top = corner(0, 0) * (256 - wx) + corner(1, 0) * wx;
    const int bottom = corner(0, 1) * (256 - wx) + corner(1, 1) * wx;
    return (top * (256 - wy) + bottom * wy) / (256 * 256);
}

int FractalNoise(int x, int y, int cell, int octaves, std::uint32_t seed) {
    int sum = 0;
    int weightSum = 0;
    int weight = 256;
    for (int octave = 0; octave < octaves && cell > 0; ++octave) {
        sum += ValueNoise(x, y, cell, seed + static_cast<std::uint32_t>(octave) * 7919u) * weight;
        weightSum += weight;
        weight /= 2;
        cell /= 2;
    }
    return sum / weightSum;
}

std::uint32_t CArtRandom::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}
