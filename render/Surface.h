// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRect>
#include <array>
#include <cstddef>
#include <span>

// The target surface: the picture of the client area in device pixels, which the tick and the
// paint draw onto, in the window, the simulator and the tests alike. It also records which
// rectangles were drawn since the owner last showed them, so that a tick can show only what it
// touched. The record has a fixed capacity and never allocates; when it is full, everything
// recorded collapses into one bounding rectangle.
class CSurface {
public:
    static constexpr std::size_t kDamageCapacity = 32;

    CSurface() = default;
    CSurface(int width, int height) { Resize(width, height); }

    // A fresh black picture of the given size (negative sizes count as 0; 0 x 0 is allowed and
    // takes no drawing). The record is cleared: it described the old picture.
    void Resize(int width, int height);

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }

    const QImage& Image() const { return image_; }
    // Direct access to the pixels; writes made through it are not recorded.
    QImage& Image() { return image_; }

    // Stretches the source rectangle (sx, sy, sw, sh) onto (dx, dy, dw, dh) of this surface
    // with a copy and records the rectangle it changed, which it also returns.
    QRect StretchCopy(int dx, int dy, int dw, int dh, const QImage& source, int sx, int sy, int sw,
                      int sh);

    // Adds a rectangle to the record; empty rectangles are ignored.
    void RecordDamage(const QRect& area);
    void ClearDamage() { damageCount_ = 0; }

    std::span<const QRect> Damage() const { return {damage_.data(), damageCount_}; }
    QRect DamageBounds() const;

private:
    QImage image_;
    std::array<QRect, kDamageCapacity> damage_{};
    std::size_t damageCount_ = 0;
};
