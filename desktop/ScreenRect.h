// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QRect;

// A rectangle of the desktop in its pixels, as the window system counts it: right and bottom
// lie just past the last pixel. The stored window rectangle, the screens' work areas and the
// windows' outer rectangles are all of this kind.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// Where a window's outer top-left corner goes.
struct ScreenPosition {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPosition&, const ScreenPosition&) = default;
};

// A window's outer size: its frame, title bar and menu bar included.
struct OuterSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const OuterSize&, const OuterSize&) = default;
};

// Qt's rectangles hold their last pixel; ours end just past it.
ScreenRect ToScreenRect(const QRect& rect);
