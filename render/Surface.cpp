// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/Surface.h"

#include <algorithm>

#include "render/Raster.h"

void CSurface::Resize(int width, int height) {
    image_ = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    image_.fill(qRgb(0, 0, 0));
    ClearDamage();
}

QRect CSurface::StretchCopy(int dx, int dy, int dw, int dh, const QImage& source, int sx, int sy,
                            int sw, int sh) {
    const QRect changed =
        StretchBlt(image_, dx, dy, dw, dh, source, sx, sy, sw, sh, RasterOp::Copy);
    RecordDamage(changed);
    return changed;
}

void CSurface::RecordDamage(const QRect& area) {
    if (area.isEmpty()) {
        return;
    }
    if (damageCount_ == kDamageCapacity) {
        damage_[0] = DamageBounds();
        damageCount_ = 1;
    }
    damage_[damageCount_++] = area;
}

QRect CSurface::DamageBounds() const {
    QRect bounds;
    for (const QRect& area : Damage()) {
        bounds |= area;
    }
    return bounds;
}
