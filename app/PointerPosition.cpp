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
    // The platform gives the position as the device pixel divided by the ratio, rounded, so the
    // product may fall a hair short of the pixel's edge, by an amount that depends on how the
    // processor rounds. The hair allowed for is far below any real fraction of a pixel (Wayland
    // reports positions in 256ths of a logical pixel) and far above any rounding error.
    constexpr double kRoundingAllowance = 1.0 / (1 << 20);
    const QPointF device = (position - clientOrigin) * pixelRatio;
    const double x = std::floor(device.x() + kRoundingAllowance);
    const double y = std::floor(device.y() + kRoundingAllowance);
    if (!(x >= 0 && y >= 0 && x < client.Width() && y < client.Height())) {
        return std::nullopt;
    }
    // Past the 16-bit range only on a client area wider than any screen; it stops at its end.
    constexpr double kHigh = std::numeric_limits<std::int16_t>::max();
    return ClientPointer{static_cast<int>(std::min(x, kHigh)),
                         static_cast<int>(std::min(y, kHigh))};
}
