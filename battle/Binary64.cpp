// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "battle/Binary64.h"

#include <algorithm>
#include <bit>
#include <compare>
#include <limits>

namespace {

constexpr int kSignificandBits = 53;
constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << (kSignificandBits - 1);
constexpr std::uint64_t kFractionMask = kHiddenBit - 1;
// A significand of 53 bits times 2^-21 or more is at least 2^31.
constexpr int kFirstOutOfRange = -(kSignificandBits - 1 - 31);
// The biased exponent field e stands for 2^(e - 1023) times 1.fraction, that is the 53-bit
// significand times 2^(e - 1075).
constexpr int kExponentBias = 1075;

// An unsigned 128-bit number, for the exact product of two significands; 32-bit targets have
// no built-in integer that wide.
struct Wide {
    std::uint64_t high = 0;
    std::uint64_t low = 0;
};

Wide MultiplyWide(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t aLow = a & 0xFFFFFFFFu, aHigh = a >> 32;
    const std::uint64_t bLow = b & 0xFFFFFFFFu, bHigh = b >> 32;
    const std::uint64_t lowLow = aLow * bLow;
    const std::uint64_t lowHigh = aLow * bHigh;
    const std::uint64_t highLow = aHigh * bLow;
    const std::uint64_t middle = (lowLow >> 32) + (lowHigh & 0xFFFFFFFFu) + (highLow & 0xFFFFFFFFu);
    return {aHigh * bHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
            (middle << 32) | (lowLow & 0xFFFFFFFFu)};
}

int BitLength(const Wide& value) {
    return value.high != 0 ? 128 - std::countl_zero(value.high) : 64 - std::countl_zero(value.low);
}

// Bit n of the value, for n from 0 to 127.
bool BitAt(const Wide& value, int n) {
    return n < 64 ? (value.low >> n & 1) != 0 : (value.high >> (n - 64) & 1) != 0;
}

// Whether any of the bits below bit n is set, for n from 0 to 128.
bool AnyBitBelow(const Wide& value, int n) {
    if (n <= 0) {
        return false;
    }
    if (n < 64) {
        return (value.low & ((std::uint64_t{1} << n) - 1)) != 0;
    }
    if (n == 64) {
        return value.low != 0;
    }
    const int highBits = n - 64;
    const std::uint64_t highMask =
        highBits == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << highBits) - 1;
    return value.low != 0 || (value.high & highMask) != 0;
}

// Bits n and up, shifted down to the bottom, for n from 1 to 127; the result fits 64 bits.
std::uint64_t BitsFrom(const Wide& value, int n) {
    if (n >= 64) {
        return value.high >> (n - 64);
    }
    return (value.low >> n) | (value.high << (64 - n));
}

// The magnitude times 2^exponent, rounded to a 53-bit significand to nearest, ties to even.
// `inexactBelow` says that the true magnitude lies strictly above the one given, by less than
// its lowest bit; it only arises where the magnitude has more than 53 bits.
Binary64 Round(bool negative, const Wide& magnitude, int exponent, bool inexactBelow) {
    const int length = BitLength(magnitude);
    if (length == 0) {
        return {};
    }
    if (length <= kSignificandBits) {
        const int shift = kSignificandBits - length;
        return {negative, magnitude.low << shift, exponent - shift};
    }
    const int dropped = length - kSignificandBits;
    std::uint64_t significand = BitsFrom(magnitude, dropped);
    const bool half = BitAt(magnitude, dropped - 1);
    const bool aboveHalf = AnyBitBelow(magnitude, dropped - 1) || inexactBelow;
    if (half && (aboveHalf || (significand & 1) != 0)) {
        ++significand;
    }
    exponent += dropped;
    if (significand >> kSignificandBits != 0) {  // rounded up to the next power of two
        significand >>= 1;
        ++exponent;
    }
    return {negative, significand, exponent};
}

}  // namespace

Binary64 Binary64FromBits(std::uint64_t bits) {
    const bool negative = bits >> 63 != 0;
    const int biased = static_cast<int>(bits >> 52 & 0x7FF);
    if (biased == 0) {
        return {negative, 0, 0};
    }
    return {negative, (bits & kFractionMask) | kHiddenBit, biased - kExponentBias};
}

std::uint64_t BitsOf(const Binary64& value) {
    const std::uint64_t sign = value.negative ? std::uint64_t{1} << 63 : 0;
    if (value.significand == 0) {
        return sign;
    }
    const auto biased = static_cast<std::uint64_t>(value.exponent + kExponentBias);
    return sign | biased << 52 | (value.significand & kFractionMask);
}

Binary64 Binary64Of(std::int32_t value) {
    // The magnitude in 64 bits, so that the most negative value has one too.
    const std::int64_t wide = value;
    const auto magnitude = static_cast<std::uint64_t>(wide < 0 ? -wide : wide);
    return Round(value < 0, Wide{0, magnitude}, 0, false);
}

Binary64 Multiply(const Binary64& a, const Binary64& b) {
    return Round(a.negative != b.negative, MultiplyWide(a.significand, b.significand),
                 a.exponent + b.exponent, false);
}

Binary64 Divide(const Binary64& dividend, const Binary64& divisor) {
    if (dividend.significand == 0) {
        return {};
    }
    // Long division of the significands, one quotient bit a step, to 54 bits past the binary
    // point of their ratio (which lies between 1/2 and 2): at least 54 bits in all, one more
    // than a double keeps, and the remainder tells whether anything lies below them.
    constexpr int kFractionSteps = kSignificandBits + 1;
    std::uint64_t quotient = dividend.significand / divisor.significand;
    std::uint64_t remainder = dividend.significand % divisor.significand;
    for (int step = 0; step < kFractionSteps; ++step) {
        remainder <<= 1;
        quotient <<= 1;
        if (remainder >= divisor.significand) {
            remainder -= divisor.significand;
            quotient |= 1;
        }
    }
    return Round(dividend.negative != divisor.negative, Wide{0, quotient},
                 dividend.exponent - divisor.exponent - kFractionSteps, remainder != 0);
}

namespace {

// A magnitude below 2^31 split at the units point: its whole part, and how the rest compares
// with one half (below, at or above it).
struct UnitsSplit {
    std::int64_t whole = 0;
    std::strong_ordering restAgainstHalf = std::strong_ordering::less;
};

// The integer that `pick` makes of the value's magnitude, with the value's sign; a value beyond
// the 32-bit range gives the nearest end of it.
template <typename Pick>
std::int32_t ToInt32(const Binary64& value, Pick pick) {
    using Limits = std::numeric_limits<std::int32_t>;
    if (value.significand == 0) {
        return 0;
    }
    if (value.exponent >= kFirstOutOfRange) {
        return value.negative ? Limits::min() : Limits::max();
    }
    // Below 2^-11 (a shift of 64 or more) the whole magnitude is less than half.
    const int shift = -value.exponent;
    UnitsSplit split;
    if (shift < 64) {
        const std::uint64_t rest = value.significand & ((std::uint64_t{1} << shift) - 1);
        split.whole = static_cast<std::int64_t>(value.significand >> shift);
        split.restAgainstHalf = rest <=> (std::uint64_t{1} << (shift - 1));
    }
    const std::int64_t magnitude = pick(split, value.negative);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value.negative ? -magnitude : magnitude, Limits::min(), Limits::max()));
}

}  // namespace

std::int32_t TruncateToInt32(const Binary64& value) {
    return ToInt32(value, [](const UnitsSplit& split, bool) { return split.whole; });
}

std::int32_t RoundToInt32TiesDown(const Binary64& value) {
    // Up from a rest above one half; for a negative value, whose tie goes away from zero, from
    // one half itself.
    return ToInt32(value, [](const UnitsSplit& split, bool negative) {
        const bool away = split.restAgainstHalf > 0 || (negative && split.restAgainstHalf == 0);
        return split.whole + (away ? 1 : 0);
    });
}
