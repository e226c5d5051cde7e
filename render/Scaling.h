// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "battle/Ship.h"
#include "render/ClientExtent.h"

// The world-to-client rule: a world value v becomes (W × v) / 600 along x and (H × v) / 400
// along y, multiplying first and truncating toward zero. Positions and sizes are scaled
// separately, never as the difference of two scaled ends. The product is taken in 64 bits so
// that client areas far wider than the world still get the exact value of the rule.

constexpr int ScaleX(int width, int v) {
    return static_cast<int>(std::int64_t{width} * v / kWorldWidth);
}

constexpr int ScaleY(int height, int v) {
    return static_cast<int>(std::int64_t{height} * v / kWorldHeight);
}

constexpr int ScaleX(const ClientExtent& client, int v) {
    return ScaleX(client.Width(), v);
}

constexpr int ScaleY(const ClientExtent& client, int v) {
    return ScaleY(client.Height(), v);
}
