// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include "Support.h"
#include "battle/BattleRound.h"
#include "battle/HitResolution.h"
#include "render/SceneArt.h"

// The scene's pictures worked out pixel by pixel from the art's images and the battle's state,
// for comparing with what the game draws.

inline QRect ToClient(const QImage& picture, const QRect& world) {
    const auto scaled = [](int extent, int v, int size) {
        return static_cast<int>(static_cast<long long>(extent) * v / size);
    };
    const int w = picture.width();
    const int h = picture.height();
    return {scaled(w, world.x(), 600), scaled(h, world.y(), 400), scaled(w, world.width(), 600),
            scaled(h, world.height(), 400)};
}

// A tile composed at world scale, the background (black where there is none) with the sprite
// whose corner is at `corner` put down through its mask, then stretched to its place.
inline void PaintTile(QImage& expected, const QImage& background, const QRect& world,
                      const QImage& image, const QImage& mask, QPoint corner) {
    QImage tile(world.size(), QImage::Format_RGB32);
    for (int y = 0; y < world.height(); ++y) {
        for (int x = 0; x < world.width(); ++x) {
            const QPoint p = world.topLeft() + QPoint(x, y);
            QRgb colour = background.valid(p) ? background.pixel(p) : qRgb(0, 0, 0);
            colour &= mask.valid(p - corner) ? mask.pixel(p - corner) : 0xFFFFFFFF;
            colour |= image.valid(p - corner) ? image.pixel(p - corner) : 0;
            tile.setPixel(x, y, colour);
        }
    }
    ReferenceStretch(expected, ToClient(expected, world), tile, QRect(QPoint(), world.size()),
                     RasterOp::Copy);
}

// One side: its shots in flight in slot order, then its ship.
inline void PaintSide(QImage& expected, const QImage& background, const CSpriteSet& art,
                      const CShip& ship) {
    for (const WorldPoint& s : ship.shots) {
        if (s.x > -20 && s.x < 620) {
            PaintTile(expected, background, {s.x - 20, s.y - 6, 40, 12}, art.shotImage,
                      art.shotMask, {s.x - 10, s.y - 5});
        }
    }
    PaintTile(expected, background, {ship.x - 30, ship.y - 15, 70, 30}, art.shipImage, art.shipMask,
              {ship.x - 20, ship.y - 10});
}

inline QRect PaintErase(QImage& expected, const QImage& background, WorldPoint s) {
    const QRect world(s.x - 20, s.y - 6, 40, 12);
    return ReferenceStretch(expected, ToClient(expected, world), background, world, RasterOp::Copy);
}

inline void PaintBars(QImage& expected, const CEnergyBars& bars) {
    ReferenceStretch(expected, ToClient(expected, {0, 0, 290, 20}), bars.leftBar, {0, 0, 290, 20},
                     RasterOp::Copy);
    ReferenceStretch(expected, ToClient(expected, {310, 0, 290, 20}), bars.rightBar,
                     {0, 0, 290, 20}, RasterOp::Copy);
}

// The background between what remains of the bars: the left keeps world x 0 to eL × 290 / 500,
// the right from 600 - eR × 290 / 500; the stretch lands at client x W × eL × 290 / 300000.
inline void PaintBlank(QImage& expected, const QImage& background, int eL, int eR) {
    const int width = (1000 - eL - eR) * 290 / 500 + 20;
    QRect to = ToClient(expected, {0, 0, width, 20});
    to.moveLeft(static_cast<int>(static_cast<long long>(expected.width()) * eL * 290 / 300000));
    ReferenceStretch(expected, to, background, {eL * 290 / 500, 0, width, 20}, RasterOp::Copy);
}

// What a tick draws over `expected` (full = false) or a full paint (full = true), for `drawn` as
// the ships are drawn and the repairs of the resolution that followed.
inline void PaintExpectedScene(QImage& expected, const SceneArt& art, const CBattleRound& drawn,
                               const HitOutcome& outcome, bool full) {
    if (full) {
        ReferenceStretch(expected, expected.rect(), art.background, {0, 0, 600, 400},
                         RasterOp::Copy);
    }
    PaintSide(expected, art.background, art.left, drawn.leftShip);
    PaintSide(expected, art.background, art.right, drawn.rightShip);
    if (full) {
        PaintBars(expected, art.bars);
        PaintBlank(expected, art.background, drawn.leftShip.energy, drawn.rightShip.energy);
    }
    for (const WorldPoint& shot : outcome.spentShots) {
        PaintErase(expected, art.background, shot);
    }
    if (outcome.anyHit) {
        PaintBlank(expected, art.background, outcome.leftEnergy, outcome.rightEnergy);
    }
}

// The same on a picture prefilled with a pattern of its own.
inline QImage ExpectedScene(const SceneArt& art, int width, int height, const CBattleRound& drawn,
                            const HitOutcome& outcome, bool full) {
    QImage expected = Pattern(width, height, 2);
    PaintExpectedScene(expected, art, drawn, outcome, full);
    return expected;
}
