#include "battle/Random.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// Finds a seed whose next draw is the wanted value, by running the generator's rule backwards:
// the draw is bits 16 to 30 of the new state, so any state with those bits set will do.
std::uint32_t SeedBeforeDraw(int wanted) {
    const std::uint32_t state = static_cast<std::uint32_t>(wanted) << 16;
    // Inverse of state * 214013 + 2531011 modulo 2^32.
    std::uint32_t inverse = 1;
    for (int i = 0; i < 5; ++i) {
        inverse *= 2 - 214013u * inverse;  // Newton's iteration for the 2-adic inverse
    }
    return (state - 2531011u) * inverse;
}

TEST(RandomSource, SeedOneGivesTheKnownFirstDraws) {
    SeedRandom(1);
    for (int expected : {41, 18467, 6334, 26500, 19169}) {
        EXPECT_EQ(DrawRandom(), expected);
    }
}

TEST(RandomSource, DrawsStayWithinFifteenBits) {
    SeedRandom(0xFFFFFFFFu);
    for (int i = 0; i < 100000; ++i) {
        const int r = DrawRandom();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 32767);
    }
}

TEST(RandomSource, HelperSeedProducesTheWantedDraw) {
    for (int wanted : {0, 1, 142, 143, 32603, 32604, 32767}) {
        SeedRandom(SeedBeforeDraw(wanted));
        EXPECT_EQ(DrawRandom(), wanted) << wanted;
    }
}

struct IndexCase {
    const char* name;
    int n;
    int draw;
    int expected;
};

TEST(RandomIndex, WalksBucketsOfEqualSizeWithTheRemainderInTheLast) {
    const IndexCase cases[] = {
        {"n 229: draw 0 gives 0", 229, 0, 0},
        {"n 229: draw 142 is the end of the first bucket", 229, 142, 0},
        {"n 229: draw 143 opens the second bucket", 229, 143, 1},
        {"n 229: draw 32603 is the last full bucket's end", 229, 32603, 227},
        {"n 229: draw 32604 opens the last bucket", 229, 32604, 228},
        {"n 229: draw 32767 lands in the last bucket", 229, 32767, 228},
        {"n 2: buckets of 16383", 2, 16382, 0},
        {"n 2: draw 16383 gives 1", 2, 16383, 1},
        {"n 2: draw 32767 gives 1", 2, 32767, 1},
        {"n 244: box height of both ships", 244, 32767, 243},
        {"n 32767: one draw a bucket", 32767, 32766, 32766},
        {"n 32767: the top draw joins the last index", 32767, 32767, 32766},
        {"n 1 gives 0", 1, 32767, 0},
        {"n 0 gives 0", 0, 5000, 0},
        {"negative n gives 0", -7, 5000, 0},
    };
    for (const IndexCase& c : cases) {
        SeedRandom(SeedBeforeDraw(c.draw));
        EXPECT_EQ(RandomIndex(c.n), c.expected) << c.name;
    }
}

TEST(RandomIndex, MatchesTheClosedFormForEveryDraw) {
    for (int n : {3, 7, 229, 230, 1000}) {
        const int b = 32767 / n;
        for (int draw = 0; draw <= 32767; draw += 13) {
            SeedRandom(SeedBeforeDraw(draw));
            const int closedForm = draw / b < n - 1 ? draw / b : n - 1;
            ASSERT_EQ(RandomIndex(n), closedForm) << "n " << n << " draw " << draw;
        }
    }
}

TEST(RandomIndex, ConsumesOneDrawEvenBelowTwo) {
    for (int n : {1, 0, -5, 229}) {
        SeedRandom(1);
        RandomIndex(n);
        EXPECT_EQ(DrawRandom(), 18467) << "n " << n;
    }
}

}  // namespace
