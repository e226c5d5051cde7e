// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The one random source of the process: a linear congruential generator whose state is an
// unsigned 32-bit integer. Every draw in the game goes through RandomIndex, so a seed fixes a
// whole battle.

// Sets the generator's state to the seed. The game seeds once, with the calendar time.
void SeedRandom(std::uint32_t seed);

// One draw: advances the state and returns bits 16 to 30 of it, a value from 0 to 32767.
int DrawRandom();

// A random index from 0 to n - 1. Always consumes exactly one draw, also when n is below 2,
// in which case the answer is 0.
int RandomIndex(int n);

// The generator's state, for tools that save and compare whole battles.
std::uint32_t RandomState();
