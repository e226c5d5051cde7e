// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "BusyRound.h"
#include "render/GameArt.h"

// The packaged art. Exits the program with a message when any image is missing: a benchmark of
// null images would measure nothing.
struct CheckedArt : GameArt {
    CheckedArt() {
        const QImage* const images[] = {&background,     &left.shipImage,  &left.shipMask,
                                        &left.shotImage, &left.shotMask,   &right.shipImage,
                                        &right.shipMask, &right.shotImage, &right.shotMask,
                                        &bars.leftBar,   &bars.rightBar};
        if (std::any_of(std::begin(images), std::end(images),
                        [](auto* i) { return i->isNull(); })) {
            std::fprintf(stderr, "the game's art could not be loaded\n");
            std::exit(1);
        }
    }
};

using BenchClock = std::chrono::steady_clock;

inline double SecondsSince(BenchClock::time_point start) {
    return std::chrono::duration<double>(BenchClock::now() - start).count();
}

// The nearest-rank percentile: the smallest value that at least `fraction` of the values do not
// exceed (0 for none). On a shared machine a run now and then loses its core for far longer
// than its work takes; the median ignores those losses where the mean carries them.
inline double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) {
        return 0;
    }
    const auto rank = static_cast<std::size_t>(
        std::max(1.0, std::ceil(fraction * static_cast<double>(values.size()))));
    const auto at = values.begin() + static_cast<std::ptrdiff_t>(std::min(rank, values.size()) - 1);
    std::nth_element(values.begin(), at, values.end());
    return *at;
}
