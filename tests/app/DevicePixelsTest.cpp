// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <limits>

#include "app/DevicePixels.h"

namespace {

// Each expected edge is worked out from the exact value of the ratio's double: the product
// rounded to the nearest double, then to the nearest integer with a tie going down. At 1.1,
// 1.3 and 1.33 these products fall a hair above a half, and rounding the product to double
// makes them a tie; a unit that kept the hair (the x87) would give one pixel more.
TEST(DevicePixels, EdgesRoundTheProductToDoubleThenTiesDown) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    const struct Case {
        int logical;
        double ratio;
        int expected;
    } cases[] = {
        {5, 1.1, 5},  // 5 x 1.1 is a tie between two doubles; the even one is 5.5
        {15, 1.1, 16},
        {605, 1.1, 665},
        {-605, 1.1, -666},
        {5, 1.3, 6},
        {50, 1.33, 66},
        {3, 1.5, 4},
        {-3, 1.5, -5},
        {3, 1.25, 4},
        {0, 1.1, 0},
        {kMax, 2.0, kMax},
        {kMin, 2.0, kMin},
        {10, 0.0, 0},
        {10, std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DevicePixelEdge(c.logical, c.ratio), c.expected)
            << c.logical << " at " << c.ratio;
    }
    // A rectangle's device pixels run from its left edge's to its right edge's.
    EXPECT_EQ(DeviceRectOf(QRect(5, 15, 600, 400), 1.1), QRect(5, 16, 660, 441));
}

}  // namespace
