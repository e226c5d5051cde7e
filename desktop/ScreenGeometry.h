// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <span>

#include "desktop/ScreenRect.h"

// The desktop's screens as the windows are placed on them: work areas, the screen a window is
// on, and centring inside a work area.

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

// The largest width and the largest height among the screens: no window needs to be larger.
// Not positive where there are no screens.
OuterSize LargestScreenSize();
