// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <span>

// The window system's rectangles: right and bottom lie just past the last pixel, as the
// placement rules count them.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

struct ScreenPosition {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPosition&, const ScreenPosition&) = default;
};

ScreenRect ToScreenRect(const QRect& rect);

// The top-left corner that centres a window of the given outer size on the centre of `over`,
// then moves it inside `workArea` where it would stick out; a window larger than the work area
// has its top-left corner on the work area's. Every halving truncates toward zero.
ScreenPosition CentreOver(int width, int height, const ScreenRect& over,
                          const ScreenRect& workArea);

// The work area of the primary screen: the desktop without its panels.
ScreenRect PrimaryWorkArea();

// Which of `areas` a window with the outer rectangle `rect` is on: the one holding the largest
// part of it, or, where it lies on none of them, the nearest one. Earlier areas win ties; -1
// when there are no areas.
int NearestArea(const ScreenRect& rect, std::span<const ScreenRect> areas);

// The work area of the screen a window with the given outer rectangle is on, by NearestArea
// among the screens' full rectangles; also when its centre lies off every screen.
ScreenRect WorkAreaNearest(const QRect& rect);
