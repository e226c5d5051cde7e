// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BenchSupport.h"

#include <algorithm>
#include <cmath>
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

double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) {
        return 0;
    }
    const auto rank = static_cast<std::size_t>(
        std::max(1.0, std::ceil(fraction * static_cast<double>(values.size()))));
    const auto at = values.begin() + static_cast<std::ptrdiff_t>(std::min(rank, values.size()) - 1);
    std::nth_element(values.begin(), at, values.end());
    return *at;
}
