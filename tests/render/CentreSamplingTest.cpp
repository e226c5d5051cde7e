#include "render/CentreSampling.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "NamedCases.h"
#include "Reference.h"

namespace {

struct WalkCase {
    const char* name;
    std::int64_t s, d, first, steps;
};

void PrintTo(const WalkCase& c, std::ostream* os) {
    *os << c.name;
}

constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();

const WalkCase kWalkCases[] = {
    {"Enlarge600To900", 600, 900, 0, 900},
    {"Enlarge600To3840", 600, 3840, 0, 3840},
    {"Shrink600To450", 600, 450, 0, 450},
    {"Shrink600To7", 600, 7, 0, 7},
    {"EqualSpans", 53, 53, 0, 53},
    {"StartingPartWay", 40, 60, 37, 23},
    {"LargestSourceOverSmallDestination", kMax, 3, 0, 3},
    {"LargestSpansNearTheirEnd", kMax, kMax, kMax - 20, 20},
    {"LargestDestinationNearItsEnd", 17, kMax, kMax - 1000, 1000},
};

class CentreWalkSteps : public ::testing::TestWithParam<WalkCase> {};

TEST_P(CentreWalkSteps, EveryStepShowsTheSourcePixelUnderTheDestinationCentre) {
    const WalkCase& c = GetParam();
    CentreWalk walk(c.first, c.s, c.d);
    for (std::int64_t i = c.first; i < c.first + c.steps; ++i, walk.Next()) {
        ASSERT_EQ(walk.Offset(), CentreSample(i, c.s, c.d)) << "offset " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, CentreWalkSteps, ::testing::ValuesIn(kWalkCases), CaseName());

std::vector<std::pair<int, int>> RepeatsOf(const ColumnPlan& plan) {
    std::vector<std::pair<int, int>> repeats;
    for (std::size_t r = 0; r < plan.repeatCount; ++r) {
        repeats.emplace_back(plan.repeats[r].column, plan.repeats[r].length);
    }
    return repeats;
}

TEST(PlanColumns, GroupsNeighbouringColumnsThatShowTheSameSourcePixel) {
    // Two source pixels over five columns: 0, 0, 1, 1, 1.
    const ColumnPlan plan = PlanColumns(0, 5, 0, 2, 5, 2, true);
    EXPECT_EQ(plan.firstOffset, 0);
    EXPECT_EQ(plan.count, 5);
    EXPECT_EQ(RepeatsOf(plan), (std::vector<std::pair<int, int>>{{0, 2}, {1, 3}}));
}

TEST(PlanColumns, DropsTheColumnsWhoseSourceLiesOutsideTheImage) {
    // Source span -1 to 2 of an image 3 wide over eight columns: -1, -1, 0, 0, 1, 1, 2, 2.
    const ColumnPlan plan = PlanColumns(0, 8, -1, 4, 8, 3, true);
    EXPECT_EQ(plan.firstOffset, 2);
    ASSERT_EQ(plan.count, 6);
    EXPECT_EQ(std::vector<int>(plan.columns, plan.columns + plan.count),
              (std::vector<int>{0, 0, 1, 1, 2, 2}));
    EXPECT_EQ(RepeatsOf(plan), (std::vector<std::pair<int, int>>{{0, 2}, {1, 2}, {2, 2}}));
}

TEST(PlanColumns, PlansOnlyTheVisiblePartOfAHugeSpan) {
    // Offsets 1e9 to 1e9 + 3 of a span of 2e9 columns over a source 20 wide: source column 10.
    const ColumnPlan plan = PlanColumns(1000000000, 4, 0, 20, 2000000000, 20, false);
    EXPECT_EQ(plan.firstOffset, 1000000000);
    ASSERT_EQ(plan.count, 4);
    EXPECT_EQ(std::vector<int>(plan.columns, plan.columns + 4), (std::vector<int>{10, 10, 10, 10}));
    EXPECT_EQ(plan.repeats, nullptr);
}

TEST(PlanColumns, NothingInsideTheSourceGivesAnEmptyPlan) {
    EXPECT_EQ(PlanColumns(0, 4, 3, 2, 4, 3, true).count, 0);
    EXPECT_EQ(PlanColumns(0, 4, -9, 2, 4, 3, true).count, 0);
}

}  // namespace
