#include "render/Scaling.h"

#include <gtest/gtest.h>

#include "NamedCases.h"

namespace {

struct ScaleCase {
    const char* name;
    int extent;
    int v;
    int expected;
};

void PrintTo(const ScaleCase& c, std::ostream* os) {
    *os << c.name;
}

const ScaleCase kScaleXCases[] = {
    {"AtWidth600EveryValueIsItself", 600, 437, 437},
    {"AtWidth600NegativeValuesAreThemselves", 600, -19, -19},
    {"Minus19AtWidth900TruncatesTowardZeroToMinus28", 900, -19, -28},
    {"Minus1AtWidth900IsMinus1NotMinus2", 900, -1, -1},
    {"OneAtWidth900IsOne", 900, 1, 1},
    {"BarLengthAtWidth1000", 1000, 290, 483},
    {"RightBarStartAtWidth1000", 1000, 310, 516},
    {"ZeroWidthScalesEverythingToZero", 0, 437, 0},
    {"Width16000ScalesTheWorldWidth", 16000, 600, 16000},
    {"ProductBeyond32BitsStaysExact", 4000000, 600, 4000000},
    {"NegativeProductBeyond32BitsStaysExact", 4000000, -601, -4006666},
};

class ScaleXRule : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleXRule, MultipliesFirstAndTruncatesTowardZero) {
    const ScaleCase& c = GetParam();
    EXPECT_EQ(ScaleX(c.extent, c.v), c.expected);
    EXPECT_EQ(ScaleX(ClientOfSize(c.extent, 1), c.v), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ScaleXRule, ::testing::ValuesIn(kScaleXCases), CaseName());

const ScaleCase kScaleYCases[] = {
    {"AtHeight400EveryValueIsItself", 400, 383, 383},
    {"BarHeightAtHeight390Is19", 390, 20, 19},
    {"BarHeightAtHeight400Is20", 400, 20, 20},
    {"Minus6AtHeight500TruncatesTowardZero", 500, -6, -7},
    {"Minus1AtHeight700IsMinus1", 700, -1, -1},
    {"ZeroHeightScalesEverythingToZero", 0, 383, 0},
    {"ProductBeyond32BitsStaysExact", 3000000, 1000, 7500000},
};

class ScaleYRule : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleYRule, MultipliesFirstAndTruncatesTowardZero) {
    const ScaleCase& c = GetParam();
    EXPECT_EQ(ScaleY(c.extent, c.v), c.expected);
    EXPECT_EQ(ScaleY(ClientOfSize(1, c.extent), c.v), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ScaleYRule, ::testing::ValuesIn(kScaleYCases), CaseName());

TEST(ClientExtent, WidthIsRightAndHeightIsBottom) {
    const ClientExtent client = ClientOfSize(640, 480);
    EXPECT_EQ(client.left, 0);
    EXPECT_EQ(client.top, 0);
    EXPECT_EQ(client.Width(), 640);
    EXPECT_EQ(client.Height(), 480);
}

}  // namespace
