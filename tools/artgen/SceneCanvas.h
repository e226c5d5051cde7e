// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "tools/artgen/IndexedImage.h"
#include "tools/artgen/ScenePalette.h"

// The background while it is being painted: every pixel is a shade of one ramp of the scene
// palette. Shades beyond a ramp's ends are clamped and pixels outside the picture are
// ignored, so painters need not guard their edges.
class CSceneCanvas {
public:
    CSceneCanvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    void Paint(int x, int y, Ramp ramp, int level);

    // Paints a shade given in sixteenths of a level, rounding each pixel up or down by an
    // ordered 4x4 threshold pattern, so that in-between shades read as fine even texture.
    void PaintDithered(int x, int y, Ramp ramp, int sixteenths);

    void FillRect(int left, int top, int right, int bottom, Ramp ramp, int level);

    // Moves a pixel `delta` shades along its own ramp.
    void Lighten(int x, int y, int delta);

    Ramp RampAt(int x, int y) const;
    int LevelAt(int x, int y) const;

    IndexedImage ToImage() const;

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> indices_;
};

// The ordered-dither threshold of pixel (x, y), from 0 to 15.
int DitherThreshold(int x, int y);
