// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

// Where logical (device-independent) rectangles of a window fall in its device pixels, and back.
// A device pixel belongs to a logical rectangle when its centre lies inside the rectangle scaled
// by the pixel ratio, the rule by which Qt fills the rectangles of a widget's edge. At any ratio,
// fractional ones included, neighbouring logical rectangles thus share no device pixel and leave
// none out.

// The device pixel edge of a logical coordinate: the number of device pixels whose centres lie
// before it.
int DevicePixelEdge(int logical, double ratio);

// The device pixels of a logical rectangle; a negative width or height counts as 0, and the other
// side keeps its size.
QRect DeviceRectOf(const QRect& logical, double ratio);

// A logical rectangle whose device pixels, however the platform rounds, include every pixel of
// the device rectangle: the one to name when a device rectangle has to be shown through an
// interface that speaks in logical coordinates.
QRect LogicalCover(const QRect& device, double ratio);
