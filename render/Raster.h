// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

// The raster layer: block transfers between 32-bit RGB images (QImage::Format_RGB32), the only
// pixel format the game's art is in. Images are converted to it once, when they are loaded.
// A destination may also be a window system's buffer in one of the other 0xAARRGGBB layouts
// (ARGB32, ARGB32_Premultiplied): the art's pixels all carry an alpha of 0xFF, so what it puts
// down there is opaque colour, the same bytes in every one of these formats.
//
// Common rules of every transfer:
// - A raster operation combines whole 32-bit pixels.
// - Destination pixels outside the destination image are skipped.
// - A destination pixel whose source pixel lies outside the source image keeps its value.
// - Zero or negative sizes, a null image (missing art), a source in any format but RGB32 or a
//   destination in a format that IsDrawableFormat refuses draw nothing.
// - Source and destination may be the same image; the transfer then reads the pixels as they
//   were before it started.
// - The result is the destination rectangle that the transfer may have changed, clipped to the
//   destination image; it is empty when nothing was drawn.

// Whether the layer draws into images of this format.
bool IsDrawableFormat(QImage::Format format);

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

// How a copy that enlarges along x writes its rows: by the processor's vector permutation where
// it has one (AVX2 on x86-64), or run by run, as every other processor does. Both give the same
// pixels; the portable one can be chosen so that it is checked on any machine.
enum class EnlargingKernel { Fastest, Portable };
void UseEnlargingKernel(EnlargingKernel kernel);

// Sets every pixel of the area inside the destination image to the colour.
QRect FillRect(QImage& destination, const QRect& area, QRgb colour);
