// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// Double-precision (IEEE 754 binary64) arithmetic done with integers alone. The pointer
// conversion rounds its product and its quotient to the nearest double each, and the window's
// device pixel edges round a coordinate times the pixel ratio; the target and the pixels they
// give must be the same on every machine. A floating-point unit that keeps intermediate
// results at a greater precision, as the x87 of 32-bit PCs does, rounds twice and can land one
// unit away; integers round the same way everywhere.
//
// Only zero and normal numbers: the operands (32-bit sizes and positions, scales near 1/600
// and 1/400, and pixel ratios) never come near the subnormal range. A result is kept with its
// exponent as it comes, never turned into infinity, so only BitsOf needs it in the double range.
struct Binary64 {
    bool negative = false;
    std::uint64_t significand = 0;  // 0, or from 2^52 up to but not including 2^53
    int exponent = 0;               // the value is significand times 2 to this power

    bool operator==(const Binary64&) const = default;
};

// The double whose IEEE 754 bit pattern is `bits`; a zero or a normal number.
Binary64 Binary64FromBits(std::uint64_t bits);
// The IEEE 754 bit pattern of a zero or a normal number.
std::uint64_t BitsOf(const Binary64& value);

// The integer, exactly.
Binary64 Binary64Of(std::int32_t value);

// The product and the quotient rounded to the nearest double, ties to the even significand,
// as an IEEE 754 unit in its default rounding mode gives them. The divisor is not zero.
Binary64 Multiply(const Binary64& a, const Binary64& b);
Binary64 Divide(const Binary64& dividend, const Binary64& divisor);

// Truncated toward zero; a value beyond the 32-bit range gives the nearest end of it.
std::int32_t TruncateToInt32(const Binary64& value);
// The nearest integer, a tie going down (toward minus infinity), as ceil(value - 0.5) gives it;
// a value beyond the 32-bit range gives the nearest end of it.
std::int32_t RoundToInt32TiesDown(const Binary64& value);
