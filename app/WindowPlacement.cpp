// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/WindowPlacement.h"

#include <algorithm>

OuterSize OuterSizeFromStored(const ScreenRect& stored, int largestScreenWidth,
                              int largestScreenHeight) {
    // Computed wide: a stored rectangle may hold any two 32-bit numbers.
    const long long width = static_cast<long long>(stored.right) - stored.left;
    const long long height = static_cast<long long>(stored.bottom) - stored.top;
    if (width <= 0 || height <= 0) {
        const ScreenRect& fallback = kDefaultWindowRect;
        return {fallback.right - fallback.left, fallback.bottom - fallback.top};
    }
    return {static_cast<int>(std::min<long long>(width, std::max(largestScreenWidth, 1))),
            static_cast<int>(std::min<long long>(height, std::max(largestScreenHeight, 1)))};
}
