// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRect>
#include <vector>

#include "SamePixels.h"
#include "render/Raster.h"
#include "render/Surface.h"

// A synthetic picture in which every pixel up to 1024 x 1024 has a colour of its own; the
// family (1 to 15) sits in the high bits of blue, so pictures of different families never share
// a colour and a pixel taken from the wrong picture or place shows.
inline QImage Pattern(int width, int height, int family) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(
                x, y,
                qRgb(x & 0xFF, y & 0xFF, (family << 4) | (((x >> 8) & 3) << 2) | ((y >> 8) & 3)));
        }
    }
    return image;
}

// The per-pixel model of every transfer: destination pixel i of `to` shows source pixel
// from.x + floor((2i + 1) × from.width / (2 × to.width)), the same along y, combined by op;
// pixels whose source lies outside the source image keep their value. Returns the bounds of
// what it wrote.
inline QRect ReferenceStretch(QImage& destination, const QRect& to, const QImage& source,
                              const QRect& from, RasterOp op) {
    QRect written;
    if (to.width() <= 0 || to.height() <= 0 || from.width() <= 0 || from.height() <= 0) {
        return written;
    }
    // Only destination pixels inside `to` can change; the rest are not visited at all.
    const QRect visited = to & destination.rect();
    for (int y = visited.top(); y <= visited.bottom(); ++y) {
        for (int x = visited.left(); x <= visited.right(); ++x) {
            const long long i = x - static_cast<long long>(to.x());
            const long long j = y - static_cast<long long>(to.y());
            const long long u = from.x() + (2 * i + 1) * from.width() / (2LL * to.width());
            const long long v = from.y() + (2 * j + 1) * from.height() / (2LL * to.height());
            if (u < 0 || v < 0 || u >= source.width() || v >= source.height()) {
                continue;
            }
            const QRgb s = source.pixel(static_cast<int>(u), static_cast<int>(v));
            const QRgb d = destination.pixel(x, y);
            destination.setPixel(x, y,
                                 op == RasterOp::Copy  ? s
                                 : op == RasterOp::And ? (d & s)
                                                       : (d | s));
            written |= QRect(x, y, 1, 1);
        }
    }
    return written;
}

// A surface prefilled with a pattern of its own, so that any pixel drawn or left shows.
inline CSurface Prefilled(int width, int height) {
    CSurface surface(width, height);
    surface.Image() = Pattern(width, height, 2);
    return surface;
}

inline std::vector<QRect> Recorded(const CSurface& surface) {
    return {surface.Damage().begin(), surface.Damage().end()};
}
