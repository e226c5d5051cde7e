// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DevicePixels.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

#include "battle/Binary64.h"

int DevicePixelEdge(int logical, double ratio) {
    // The product rounded to the nearest double, then to the nearest device pixel, a tie going
    // down. Integers do both: the x87 of a 32-bit PC keeps the product at a greater precision
    // and moves ties, so that at a ratio of 1.1 the edge of 605 would be 666 there and 665
    // everywhere else. A ratio that is no normal number (never one Qt gives) counts as none.
    if (!std::isnormal(ratio)) {
        return 0;
    }
    const Binary64 product =
        Multiply(Binary64Of(logical), Binary64FromBits(std::bit_cast<std::uint64_t>(ratio)));
    return RoundToInt32TiesDown(product);
}

QRect DeviceRectOf(const QRect& logical, double ratio) {
    const int left = DevicePixelEdge(logical.left(), ratio);
    const int top = DevicePixelEdge(logical.top(), ratio);
    const int right = DevicePixelEdge(logical.left() + std::max(logical.width(), 0), ratio);
    const int bottom = DevicePixelEdge(logical.top() + std::max(logical.height(), 0), ratio);
    return {left, top, right - left, bottom - top};
}

QRect LogicalCover(const QRect& device, double ratio) {
    if (device.isEmpty() || ratio <= 0) {
        return {};
    }
    int left = static_cast<int>(std::floor(device.left() / ratio));
    int top = static_cast<int>(std::floor(device.top() / ratio));
    int right = static_cast<int>(std::ceil((device.left() + device.width()) / ratio));
    int bottom = static_cast<int>(std::ceil((device.top() + device.height()) / ratio));
    // At a fractional ratio the platform rounds the logical edges back to device pixels its own
    // way; one logical pixel more on each side holds whatever that rounding takes away.
    if (ratio != std::floor(ratio)) {
        --left;
        --top;
        ++right;
        ++bottom;
    }
    return {left, top, right - left, bottom - top};
}
