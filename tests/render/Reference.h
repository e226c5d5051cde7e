#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <functional>
#include <optional>

#include "render/Raster.h"

// Plain per-pixel models of what the drawing must produce, written for clarity rather than
// speed and independently of the library: no tables, no walks, no row reuse. Each visits the
// pixels of the expected picture one at a time and asks which source pixel belongs there.

// The source offset that destination offset i of a rectangle of size d shows, for a source span
// of size s: the source pixel under the destination pixel's centre, i + 1/2 scaled by s / d.
long long CentreSample(long long i, long long s, long long d);

// The scaling rule from world units to client pixels, extent × v / world size, truncated
// toward zero.
int WorldToClient(int extent, int v, int worldSize);

// A stretch from source to destination, pixel by pixel. Returns the bounding rectangle of the
// pixels it wrote.
QRect ReferenceStretch(QImage& destination, const QRect& to, const QImage& source,
                       const QRect& from, RasterOp op);

// What a sprite tile shows at a world point: the background there (black beyond the
// background image), with the sprite put down through its mask where the sprite, of the given
// size with its top-left corner at spriteCorner, covers the point.
QRgb ExpectedTilePixel(const QImage& background, const QImage& image, const QImage& mask,
                       QPoint spriteCorner, QSize spriteSize, int worldX, int worldY);

// Paints a world rectangle onto a client picture of width x height pixels the way the game
// maps it: placed and sized by the scaling rule, each client pixel showing the world point
// under its centre. The colour function may decline a point (nullopt), leaving the pixel as
// it was.
using WorldColourFn = std::function<std::optional<QRgb>(int worldX, int worldY)>;
void PaintWorldRect(QImage& expected, const QRect& world, const WorldColourFn& colour);

// The expected picture of one side's DrawShip: each shot in flight, then the ship.
struct ExpectedSide {
    const QImage& background;
    const QImage& shipImage;
    const QImage& shipMask;
    const QImage& shotImage;
    const QImage& shotMask;
};
void PaintExpectedShot(QImage& expected, const ExpectedSide& side, int sx, int sy);
void PaintExpectedShip(QImage& expected, const ExpectedSide& side, int x, int y);

// The background over a shot's tile, where the background has pixels.
void PaintExpectedErase(QImage& expected, const QImage& background, int sx, int sy);

// The background over the world stretch between the remaining parts of both bars.
void PaintExpectedBlank(QImage& expected, const QImage& background, int eL, int eR);
