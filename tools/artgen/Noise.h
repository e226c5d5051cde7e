// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// Deterministic randomness for the generated art: integer arithmetic only, fixed seeds, so
// every build on every compiler writes the same pictures.

// A well-mixed 32-bit value for an integer point and a seed.
std::uint32_t HashPoint(int x, int y, std::uint32_t seed);

// Smooth value noise from 0 to 255: random values on a lattice of `cell` pixels, blended
// with an eased bilinear weight.
int ValueNoise(int x, int y, int cell, std::uint32_t seed);

// Value noise over `octaves` octaves, each half the cell and half the weight of the one
// before, normalised to 0 to 255.
int FractalNoise(int x, int y, int cell, int octaves, std::uint32_t seed);

// A sequence of pseudo-random numbers from a fixed seed (xorshift32).
class CArtRandom {
public:
    explicit CArtRandom(std::uint32_t seed) : state_(seed != 0 ? seed : 0x9E3779B9u) {}

    std::uint32_t Next();

    // A value from 0 to n - 1; n must be positive.
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint32_t>(n)); }

    // A value from low to high inclusive.
    int Between(int low, int high) { return low + Below(high - low + 1); }

private:
    std::uint32_t state_;
};
