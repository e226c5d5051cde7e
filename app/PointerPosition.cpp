// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/PointerPosition.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

std::optional<ClientPointer> PointerInClient(QPointF position, QPointF clientOrigin,
                                             double pixelRatio, const ClientExtent& client) {
    // The device pixel the pointer is over; a fractional position belongs to the pixel it is in.
    const QPointF device = (position - clientOrigin) * pixelRatio;
    const double x = std::floor(device.x());
    const double y = std::floor(device.y());
    if (!(x >= 0 && y >= 0 && x < client.Width() && y < client.Height())) {
        return std::nullopt;
    }
    // Past the 16-bit range only on a client area wider than any screen; it stops at its end.
    constexpr double kHigh = std::numeric_limits<std::int16_t>::max();
    return ClientPointer{static_cast<int>(std::min(x, kHigh)),
                         static_cast<int>(std::min(y, kHigh))};
}
