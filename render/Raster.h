#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

// The raster layer: block transfers between 32-bit RGB images (QImage::Format_RGB32), the only
// pixel format the game draws in. Images are converted to it once, when they are loaded.
//
// Common rules of every transfer:
// - A raster operation combines whole 32-bit pixels.
// - Destination pixels outside the destination image are skipped.
// - A destination pixel whose source pixel lies outside the source image keeps its value.
// - Zero or negative sizes, a null image (missing art) or an image in any other format on
//   either side draw nothing.
// - Source and destination may be the same image; the transfer then reads the pixels as they
//   were before it started.
// - The result is the destination rectangle that the transfer may have changed, clipped to the
//   destination image; it is empty when nothing was drawn.

enum class RasterOp {
    Copy,  // destination = source
    And,   // destination = destination AND source: puts down a sprite's mask
    Or,    // destination = destination OR source: paints a sprite into its blackened mask
};

// Transfers the w x h rectangle at (sx, sy) of the source 1:1 to (dx, dy) of the destination.
QRect BitBlt(QImage& destination, int dx, int dy, int w, int h, const QImage& source, int sx,
             int sy, RasterOp op);

// Transfers the source rectangle (sx, sy, sw, sh) onto the destination rectangle
// (dx, dy, dw, dh), scaling each axis on its own by nearest neighbour without smoothing:
// destination pixel i of the rectangle shows the source pixel under its centre,
// sx + floor((2i + 1) × sw / (2 × dw)), and the same along y. Clipping never changes which
// source pixel a destination pixel shows.
QRect StretchBlt(QImage& destination, int dx, int dy, int dw, int dh, const QImage& source, int sx,
                 int sy, int sw, int sh, RasterOp op);

// Sets every pixel of the area inside the destination image to the colour.
QRect FillRect(QImage& destination, const QRect& area, QRgb colour);
