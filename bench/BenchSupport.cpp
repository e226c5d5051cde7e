// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BenchSupport.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

namespace {

void RequireLoaded(const QImage& image, const char* what) {
    if (image.isNull()) {
        std::fprintf(stderr, "the %s could not be loaded\n", what);
        std::exit(1);
    }
}

}  // namespace

CheckedArt::CheckedArt() {
    RequireLoaded(background, "background");
    for (const CSpriteSet* side : {&left, &right}) {
        RequireLoaded(side->shipImage, "ship image");
        RequireLoaded(side->shipMask, "ship mask");
        RequireLoaded(side->shotImage, "shot image");
        RequireLoaded(side->shotMask, "shot mask");
    }
    RequireLoaded(bars.leftBar, "left energy bar");
    RequireLoaded(bars.rightBar, "right energy bar");
}

double SecondsSince(BenchClock::time_point start) {
    return std::chrono::duration<double>(BenchClock::now() - start).count();
}

double MedianMicroseconds(std::vector<double>& seconds) {
    if (seconds.empty()) {
        return 0;
    }
    const auto middle = seconds.begin() + static_cast<std::ptrdiff_t>(seconds.size() / 2);
    std::nth_element(seconds.begin(), middle, seconds.end());
    return *middle * 1e6;
}
