// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PixelDifference.h"

#include <QColor>
#include <QRect>

std::int64_t CountDifferences(const QImage& picture, const QImage& screen, QPoint origin,
                              std::int64_t limit, const QRect& area) {
    const QRect compared = area.isNull() ? picture.rect() : area.intersected(picture.rect());
    std::int64_t count = 0;
    for (int y = compared.top(); y <= compared.bottom(); ++y) {
        const auto* ours = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        const auto* theirs =
            reinterpret_cast<const QRgb*>(screen.constScanLine(origin.y() + y)) + origin.x();
        for (int x = compared.left(); x <= compared.right(); ++x) {
            if (((ours[x] ^ theirs[x]) & 0xffffff) != 0 && ++count > limit) {
                return count;
            }
        }
    }
    return count;
}

std::int64_t CountTranslucent(const QImage& image, const QRect& area) {
    if (!image.hasAlphaChannel()) {
        return 0;
    }
    std::int64_t count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += qAlpha(image.pixel(x, y)) != 255 ? 1 : 0;
        }
    }
    return count;
}
