// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/artgen/SceneCanvas.h"
#include "tools/artgen/SceneLayout.h"

// Shapes the bases are built from, all shaded for light from the upper left: lit faces on
// the top and left, shade on the right and underneath.

// A flat-roofed block: a lit roof strip `roof` rows deep, a lit left edge, a shaded right
// edge and a face that darkens towards its foot.
void PaintBlock(CSceneCanvas& canvas, Ramp ramp, SceneBox box, int level, int roof);

// An upright cylinder or tapered shaft between `top` and `bottom`, `leftAtTop`..`rightAtTop`
// wide at the top and `leftAtBottom`..`rightAtBottom` at the foot (right exclusive), with the
// round shading of a column lit from the left.
struct Shaft {
    int top;
    int bottom;
    int leftAtTop;
    int rightAtTop;
    int leftAtBottom;
    int rightAtBottom;
};
void PaintShaft(CSceneCanvas& canvas, Ramp ramp, const Shaft& shaft, int level);

// A dome: the upper half of an ellipse standing on `baseY`, shaded like a sphere.
void PaintDome(CSceneCanvas& canvas, Ramp ramp, int centreX, int baseY, int radiusX, int radiusY,
               int level);

// A lamp: one bright pixel of the lamp ramp whose glow lightens the pixels around it.
void PaintLamp(CSceneCanvas& canvas, int x, int y, int level);

// Darkens the ground in a band that a structure standing on `baseY` between `left` and
// `right` throws towards the lower right.
void PaintCastShadow(CSceneCanvas& canvas, int left, int right, int baseY, int length);

// The cylinder shading across a width: a highlight a third of the way in from the lit left
// side, deep shade at the right. `offset` runs from 0 to `width` - 1; the result is a level
// change in sixteenths.
int RoundShade(int offset, int width);
