// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <vector>

#include "BusyRound.h"
#include "render/GameArt.h"

// What the drawing benchmarks share: the game's own art, and timing iterations by hand.

// The packaged art. Exits the program with a message when any image is missing: a benchmark of
// null images would measure nothing.
struct CheckedArt : GameArt {
    CheckedArt();
};

using BenchClock = std::chrono::steady_clock;

// The seconds from `start` to now.
double SecondsSince(BenchClock::time_point start);

// The median of per-iteration times in seconds, in microseconds (0 for none). A benchmark on a
// shared machine now and then loses its core for far longer than its work takes; the median
// of its iterations ignores those losses where the mean carries them. Reorders `seconds`.
double MedianMicroseconds(std::vector<double>& seconds);
