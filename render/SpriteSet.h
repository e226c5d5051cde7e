// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include "battle/Ship.h"
#include "render/ClientExtent.h"
#include "render/Surface.h"
#include "resources/ResourceIds.h"

// The resource identifiers of one side's four images, in their loading order.
struct SpriteIds {
    int shipImage;
    int shipMask;
    int shotImage;
    int shotMask;
};

inline constexpr SpriteIds kEmperorSpriteIds{kLeftShipImage, kLeftShipMask, kLeftShotImage,
                                             kLeftShotMask};
inline constexpr SpriteIds kRebelSpriteIds{kRightShipImage, kRightShipMask, kRightShotImage,
                                           kRightShotMask};

// The picture side of one ship: its ship and shot sprites, each with the mask that is white
// where the sprite is transparent and black where it is opaque. It reads a CShip and draws it,
// and never changes it.
class CSpriteSet {
public:
    // Loads ship image, ship mask, shot image and shot mask, in that order. A missing image
    // stays null and draws nothing.
    explicit CSpriteSet(const SpriteIds& ids);
    CSpriteSet(QImage shipImage, QImage shipMask, QImage shotImage, QImage shotMask);
    ~CSpriteSet();

    // Draws the ship's shots in flight in slot order, then the ship, each as an opaque tile:
    // the background under the sprite with the sprite put down through its mask, composed at
    // world scale and then stretched to its place on the target. Since a tile carries its own
    // background, it also paints over the sprite's previous image.
    void DrawShip(const CShip& ship, const QImage& background, const ClientExtent& client,
                  CSurface& target) const;

    QImage shipImage;
    QImage shipMask;
    QImage shotImage;
    QImage shotMask;

private:
    // Where the tiles are composed: scratch space kept from one tick to the next, so that a
    // tick allocates nothing. Every composition writes all of the tile it shows.
    mutable QImage tile;
};

// Restores the background over the tile of a shot at world point (sx, sy): the patch for a
// shot that hit and vanishes where it stood.
void EraseShot(CSurface& target, const ClientExtent& client, const QImage& background, int sx,
               int sy);
