// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <vector>

#include "desktop/ScreenGeometry.h"

namespace {

// Two areas side by side with a gap between them, (0, 0)-(100, 100) and (150, 0)-(250, 100),
// and one below the first, (0, 200)-(100, 300).
TEST(NearestArea, TakesTheAreaHoldingMostOfTheRectangleOrElseTheNearestOne) {
    const std::vector<ScreenRect> areas{{0, 0, 100, 100}, {150, 0, 250, 100}, {0, 200, 100, 300}};
    const struct {
        const char* name;
        ScreenRect rect;
        int expected;
    } cases[] = {
        {"inside the first", {10, 10, 50, 50}, 0},
        {"inside the second", {160, 10, 200, 50}, 1},
        {"over the gap, 30 wide on the first and 40 on the second", {70, 0, 190, 10}, 1},
        {"over the gap, 40 wide on the first and 30 on the second", {60, 0, 180, 10}, 0},
        {"equal parts on both: the earlier one", {65, 0, 185, 10}, 0},
        {"a small part on the third beats nothing elsewhere", {0, 150, 10, 201}, 2},
        {"in the gap, 10 from the first and 20 from the second", {110, 10, 130, 20}, 0},
        {"in the gap, 20 from the first and 10 from the second", {120, 10, 140, 20}, 1},
        {"in the gap, as near to both: the earlier one", {115, 10, 135, 20}, 0},
        // 20 across and 40 down or up to each of the three.
        {"diagonally off all three, as near to each: the first", {120, 140, 130, 160}, 0},
        {"far right, nearest the second", {1000, 500, 1100, 600}, 1},
        {"far below, nearest the third", {50, 900, 60, 910}, 2},
        {"touching the first's right edge only", {100, 10, 120, 20}, 0},
        {"an empty rectangle on the second", {200, 50, 200, 50}, 1},
        {"far off in negative space", {-100000, -100000, -99990, -99990}, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NearestArea(c.rect, areas), c.expected) << c.name;
    }
    EXPECT_EQ(NearestArea({0, 0, 10, 10}, {}), -1);
}

// The rectangle and the areas at the ends of the coordinate range: no product overflows.
TEST(NearestArea, MeasuresFarApartRectanglesWithoutOverflow) {
    constexpr int kFar = 2000000000;
    const std::vector<ScreenRect> areas{{-kFar, -kFar, -kFar + 10, -kFar + 10},
                                        {kFar - 10, kFar - 10, kFar, kFar}};
    EXPECT_EQ(NearestArea({kFar - 100, kFar - 100, kFar - 90, kFar - 90}, areas), 1);
    EXPECT_EQ(NearestArea({-kFar + 20, -kFar + 20, -kFar + 30, -kFar + 30}, areas), 0);
    EXPECT_EQ(NearestArea({-kFar, -kFar, kFar, kFar}, areas), 0);  // both wholly inside: tie
}

}  // namespace
