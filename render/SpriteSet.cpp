// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/SpriteSet.h"

#include <utility>

#include "render/ImageLoader.h"
#include "render/Raster.h"
#include "render/Scaling.h"
#include "resources/PictureSizes.h"

namespace {

// Where a tile lies in the world relative to the point it shows, and where its sprite sits
// in it. The margins around a sprite are at least as wide as the sprite's motion in one tick,
// so each tile covers the sprite's previous image.
struct TileLayout {
    int left, top;                // the tile's corner, relative to the point
    int copyWidth, copyHeight;    // background copied into the tile
    int shownWidth, shownHeight;  // part of the tile stretched onto the target
    int spriteX, spriteY;         // the sprite's corner inside the tile
    int spriteWidth, spriteHeight;
};

// A shot's point is the centre of its sprite. Its composition copies ten columns more
// background than the tile shows.
constexpr TileLayout kShotTile{
    -20, -6, 50, 12, 40, 12, 10, 1, kShotPictureWidth, kShotPictureHeight};
// A ship's point lies 20 units right of its sprite's left edge and 10 below its top edge.
constexpr TileLayout kShipTile{
    -30, -15, 70, 30, 70, 30, 10, 5, kShipPictureWidth, kShipPictureHeight};

static_assert(kShotTile.left + kShotTile.spriteX == -kShotPictureWidth / 2 &&
                  kShotTile.top + kShotTile.spriteY == -kShotPictureHeight / 2,
              "a shot's picture is centred on its point");
static_assert(kShipTile.left + kShipTile.spriteX == -kShipPointX &&
                  kShipTile.top + kShipTile.spriteY == -kShipPointY,
              "a ship's picture stands where its point says");

// Large enough for both compositions.
constexpr int kTileWidth = 75;
constexpr int kTileHeight = 40;

constexpr QRgb kBlack = qRgb(0, 0, 0);

// Composes, at world scale in the tile's top-left corner, the background under the tile of a
// point with the sprite put down through its mask.
void ComposeTile(QImage& tile, const TileLayout& layout, const QImage& background, int x, int y,
                 const QImage& mask, const QImage& image) {
    const QRect world(x + layout.left, y + layout.top, layout.copyWidth, layout.copyHeight);
    // A tile pixel that no background reaches (beyond the world's edges, or with the
    // background missing) shows black, never what an earlier composition left there.
    if (!background.rect().contains(world)) {
        FillRect(tile, QRect(0, 0, layout.copyWidth, layout.copyHeight), kBlack);
    }
    BitBlt(tile, 0, 0, layout.copyWidth, layout.copyHeight, background, world.x(), world.y(),
           RasterOp::Copy);
    BitBlt(tile, layout.spriteX, layout.spriteY, layout.spriteWidth, layout.spriteHeight, mask, 0,
           0, RasterOp::And);
    BitBlt(tile, layout.spriteX, layout.spriteY, layout.spriteWidth, layout.spriteHeight, image, 0,
           0, RasterOp::Or);
}

// Stretches the composed tile of a point onto its scaled place on the target.
void ShowTile(CSurface& target, const ClientExtent& client, const QImage& tile,
              const TileLayout& layout, int x, int y) {
    target.StretchCopy(ScaleX(client, x + layout.left), ScaleY(client, y + layout.top),
                       ScaleX(client, layout.shownWidth), ScaleY(client, layout.shownHeight), tile,
                       0, 0, layout.shownWidth, layout.shownHeight);
}

}  // namespace

CSpriteSet::CSpriteSet(const SpriteIds& ids)
    : shipImage(LoadBitmapById(ids.shipImage)),
      shipMask(LoadBitmapById(ids.shipMask)),
      shotImage(LoadBitmapById(ids.shotImage)),
      shotMask(LoadBitmapById(ids.shotMask)) {}

CSpriteSet::CSpriteSet(QImage shipImage, QImage shipMask, QImage shotImage, QImage shotMask)
    : shipImage(std::move(shipImage)),
      shipMask(std::move(shipMask)),
      shotImage(std::move(shotImage)),
      shotMask(std::move(shotMask)) {}

CSpriteSet::~CSpriteSet() {
    // The images are released in the order they were loaded.
    shipImage = QImage();
    shipMask = QImage();
    shotImage = QImage();
    shotMask = QImage();
}

void CSpriteSet::DrawShip(const CShip& ship, const QImage& background, const ClientExtent& client,
                          CSurface& target) const {
    if (tile.isNull()) {
        tile = QImage(kTileWidth, kTileHeight, QImage::Format_RGB32);
        tile.fill(kBlack);
    }
    for (const WorldPoint& shot : ship.shots) {
        if (!IsInFlight(shot)) {
            continue;
        }
        ComposeTile(tile, kShotTile, background, shot.x, shot.y, shotMask, shotImage);
        ShowTile(target, client, tile, kShotTile, shot.x, shot.y);
    }
    ComposeTile(tile, kShipTile, background, ship.x, ship.y, shipMask, shipImage);
    ShowTile(target, client, tile, kShipTile, ship.x, ship.y);
}

void EraseShot(CSurface& target, const ClientExtent& client, const QImage& background, int sx,
               int sy) {
    const int left = sx + kShotTile.left;
    const int top = sy + kShotTile.top;
    target.StretchCopy(ScaleX(client, left), ScaleY(client, top),
                       ScaleX(client, kShotTile.shownWidth), ScaleY(client, kShotTile.shownHeight),
                       background, left, top, kShotTile.shownWidth, kShotTile.shownHeight);
}
