// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cstdint>
#include <limits>

#include "battle/BattleRound.h"
#include "battle/Binary64.h"
#include "battle/PlayerControls.h"

namespace {

// The processor's own double arithmetic, as the reference. A 32-bit PC's x87 rounds to its own
// greater precision first, so there the reference takes the SSE2 unit, which rounds to double
// as IEEE 754 has it.
#if defined(__i386__) && defined(__GNUC__)
#define DOUBLE_UNIT __attribute__((target("sse2,fpmath=sse"), noinline))
bool HasDoubleUnit() {
    return __builtin_cpu_supports("sse2");
}
#else
#define DOUBLE_UNIT __attribute__((noinline))
bool HasDoubleUnit() {
    return FLT_EVAL_METHOD == 0;
}
#endif

DOUBLE_UNIT std::uint64_t UnitProduct(std::uint64_t a, std::uint64_t b) {
    return std::bit_cast<std::uint64_t>(std::bit_cast<double>(a) * std::bit_cast<double>(b));
}

DOUBLE_UNIT std::uint64_t UnitQuotient(std::uint64_t a, std::uint64_t b) {
    return std::bit_cast<std::uint64_t>(std::bit_cast<double>(a) / std::bit_cast<double>(b));
}

DOUBLE_UNIT std::uint64_t UnitOf(std::int32_t value) {
    return std::bit_cast<std::uint64_t>(static_cast<double>(value));
}

DOUBLE_UNIT std::int32_t UnitPointerTarget(std::int32_t p, std::int32_t size, double scale) {
    return static_cast<std::int32_t>(p / (size * scale));
}

std::uint64_t Product(std::uint64_t a, std::uint64_t b) {
    return BitsOf(Multiply(Binary64FromBits(a), Binary64FromBits(b)));
}

std::uint64_t Quotient(std::uint64_t a, std::uint64_t b) {
    return BitsOf(Divide(Binary64FromBits(a), Binary64FromBits(b)));
}

// A fixed sequence of 32-bit numbers, the same on every machine.
struct Sequence {
    std::uint32_t state = 12345;
    std::uint32_t Next() { return state = state * 1664525u + 1013904223u; }
};

constexpr std::uint64_t kOne = 0x3FF0000000000000u;
constexpr std::uint64_t kOnePlusUlp = 0x3FF0000000000001u;
constexpr std::uint64_t kThree = 0x4008000000000000u;
constexpr std::uint64_t kOneSixHundredth = 0x3F5B4E81B4E81B4Fu;
constexpr std::uint64_t kOneFourHundredth = 0x3F647AE147AE147Bu;

TEST(Binary64, RoundsToNearestWithTiesToEven) {
    // Each expected pattern is worked out by hand from the operands.
    const struct Case {
        const char* name;
        std::uint64_t result, expected;
    } cases[] = {
        {"3 x (1 + 2^-52) is a tie between 3 + 2^-51 and 3 + 2^-50: the even one",  //
         Product(kThree, kOnePlusUlp), 0x4008000000000002u},
        {"3 x (1 + 3 x 2^-52) is a tie between 3 + 4 x 2^-51 and 3 + 5 x 2^-51: the even one",
         Product(kThree, 0x3FF0000000000003u), 0x4008000000000004u},
        {"(1 + 2^-52)^2 = 1 + 2^-51 + 2^-104: below half an ulp of 1 + 2^-51, down",  //
         Product(kOnePlusUlp, kOnePlusUlp), 0x3FF0000000000002u},
        {"(2 - 2^-52) x (1 + 2^-52) rounds up to 2",  //
         Product(0x3FFFFFFFFFFFFFFFu, kOnePlusUlp), 0x4000000000000000u},
        {"1 / 3 rounds down", Quotient(kOne, kThree), 0x3FD5555555555555u},
        {"2 / 3 rounds up", Quotient(0x4000000000000000u, kThree), 0x3FE5555555555555u},
        {"1 / 600", Quotient(kOne, BitsOf(Binary64Of(600))), kOneSixHundredth},
        {"1 / 400", Quotient(kOne, BitsOf(Binary64Of(400))), kOneFourHundredth},
        {"-7 / 2 keeps the sign", Quotient(BitsOf(Binary64Of(-7)), 0x4000000000000000u),
         0xC00C000000000000u},
        {"0 x anything is zero", Product(0, kThree), 0},
        {"0 / anything is zero", Quotient(0, kThree), 0},
        {"-2^31 is exact", BitsOf(Binary64Of(std::numeric_limits<std::int32_t>::min())),
         0xC1E0000000000000u},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result, c.expected) << c.name;
    }
}

TEST(Binary64, TruncatesTowardZeroAndStopsAtTheEndsOfTheRange) {
    const struct Case {
        std::uint64_t bits;
        std::int32_t expected;
    } cases[] = {
        {0x400C000000000000u, 3},                // 3.5
        {0xC00C000000000000u, -3},               // -3.5
        {0x3FEFFFFFFFFFFFFFu, 0},                // just below 1
        {0x41DFFFFFFFC00000u, 2147483647},       // 2^31 - 1
        {0x41DFFFFFFFE00000u, 2147483647},       // 2^31 - 0.5
        {0x41E0000000000000u, 2147483647},       // 2^31
        {0xC1E0000000000000u, -2147483647 - 1},  // -2^31
        {0xC1E0000000200000u, -2147483647 - 1},  // -2^31 - 1
        {0x7FE0000000000000u, 2147483647},       // 2^1023
        {0x0010000000000000u, 0},                // the least normal number
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TruncateToInt32(Binary64FromBits(c.bits)), c.expected) << std::hex << c.bits;
    }
}

TEST(Binary64, RoundsToTheNearestIntegerWithTiesDownAndStopsAtTheEndsOfTheRange) {
    const struct Case {
        std::uint64_t bits;
        std::int32_t expected;
    } cases[] = {
        {0x3FE0000000000000u, 0},                // 0.5
        {0x3FE8000000000000u, 1},                // 0.75
        {0x3FF8000000000000u, 1},                // 1.5
        {0x4004000000000000u, 2},                // 2.5
        {0x4004000000000001u, 3},                // 2.5 + 2^-51
        {0x4003FFFFFFFFFFFFu, 2},                // 2.5 - 2^-51
        {0xBFE0000000000000u, -1},               // -0.5
        {0xBFF4000000000000u, -1},               // -1.25
        {0xBFF8000000000000u, -2},               // -1.5
        {0x41DFFFFFFFE00000u, 2147483647},       // 2^31 - 0.5
        {0x41DFFFFFFFF00000u, 2147483647},       // 2^31 - 0.25, nearest 2^31
        {0xC1E0000000000000u, -2147483647 - 1},  // -2^31
        {0xC1E0000000100000u, -2147483647 - 1},  // -2^31 - 0.5, nearest -2^31 - 1
        {0x0010000000000000u, 0},                // the least normal number
        {0x8010000000000000u, 0},                // and its negative
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoundToInt32TiesDown(Binary64FromBits(c.bits)), c.expected) << std::hex << c.bits;
    }
}

TEST(Binary64, GivesTheDoubleUnitsResultBitForBit) {
    if (!HasDoubleUnit()) {
        GTEST_SKIP() << "this processor has no unit that rounds to double precision";
    }
    EXPECT_EQ(std::bit_cast<std::uint64_t>(1.0 / 600.0), kOneSixHundredth);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(1.0 / 400.0), kOneFourHundredth);
    // Every client size up to 4096 against both scales, and every pointer position on a client
    // of each size up to 1500 against the product: the whole of the pointer conversion's
    // everyday domain.
    int mismatches = 0;
    for (std::int32_t size = 1; size <= 4096; ++size) {
        const std::uint64_t sizeBits = UnitOf(size);
        ASSERT_EQ(BitsOf(Binary64Of(size)), sizeBits);
        for (std::uint64_t scale : {kOneSixHundredth, kOneFourHundredth}) {
            const std::uint64_t product = UnitProduct(sizeBits, scale);
            mismatches += Product(sizeBits, scale) != product;
            if (size > 1500) {
                continue;
            }
            for (std::int32_t p = -1; p <= size; ++p) {
                mismatches += Quotient(UnitOf(p), product) != UnitQuotient(UnitOf(p), product);
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(Binary64, AgreesWithTheDoubleUnitOnArbitraryOperands) {
    if (!HasDoubleUnit()) {
        GTEST_SKIP() << "this processor has no unit that rounds to double precision";
    }
    // Normal operands of every significand and of exponents that keep the results normal.
    Sequence random;
    const auto operand = [&random] {
        const std::uint64_t fraction =
            (std::uint64_t{random.Next()} << 32 | random.Next()) & 0xFFFFFFFFFFFFFu;
        const std::uint64_t biased = 1023 - 64 + random.Next() % 128;
        return (std::uint64_t{random.Next() & 1} << 63) | biased << 52 | fraction;
    };
    int mismatches = 0;
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t a = operand();
        const std::uint64_t b = operand();
        mismatches += Product(a, b) != UnitProduct(a, b);
        mismatches += Quotient(a, b) != UnitQuotient(a, b);
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(MovePointer, SetsTheTargetTheDoubleUnitComputes) {
    if (!HasDoubleUnit()) {
        GTEST_SKIP() << "this processor has no unit that rounds to double precision";
    }
    // Client sizes and pointer positions from the whole 16-bit range of a pointer message.
    Sequence random;
    int mismatches = 0;
    for (int i = 0; i < 100000; ++i) {
        const auto width = static_cast<std::int32_t>(1 + random.Next() % 65535);
        const auto height = static_cast<std::int32_t>(1 + random.Next() % 65535);
        const auto px = static_cast<std::int32_t>(random.Next() % 65536) - 32768;
        const auto py = static_cast<std::int32_t>(random.Next() % 65536) - 32768;
        CBattleRound round;
        MovePointer(round, px, py, width, height);
        mismatches += round.leftShip.targetX != UnitPointerTarget(px, width, 1.0 / 600.0);
        mismatches += round.leftShip.targetY != UnitPointerTarget(py, height, 1.0 / 400.0);
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
