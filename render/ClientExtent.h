// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The client area that the world is scaled to, as every drawing operation receives it. Its
// top-left corner is always the origin, so right is the width and bottom the height, both in
// device pixels and never negative.
struct ClientExtent {
    int left = 0, top = 0, right = 0, bottom = 0;

    constexpr int Width() const { return right; }
    constexpr int Height() const { return bottom; }
};

constexpr ClientExtent ClientOfSize(int width, int height) {
    return {0, 0, width, height};
}
