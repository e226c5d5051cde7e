// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <vector>

#include "BusyRound.h"
#include "render/GameArt.h"

// What the benchmarks share: the game's own art, checked, and the figures of timings taken by
// hand.

// The packaged art. Exits the program with a message when any image is missing: a benchmark of
// null images would measure nothing.
struct CheckedArt : GameArt {
    CheckedArt();
};

using BenchClock = std::chrono::steady_clock;

// The seconds from `start` to now.
double SecondsSince(BenchClock::time_point start);

// The nearest-rank percentile: the smallest value that at least `fraction` of the values do not
// exceed (0 for none). On a shared machine a run now and then loses its core for far longer
// than its work takes; the median ignores those losses where the mean carries them.
double Percentile(std::vector<double> values, double fraction);
