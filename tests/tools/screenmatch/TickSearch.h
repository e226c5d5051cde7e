// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>
#include <limits>

// The simulator's picture of a battle, both sides computer-driven, that comes closest to the
// client area of a screenshot.
struct ClosestTick {
    std::uint32_t seed = 0;
    int tick = -1;  // -1: nothing compared
    // The tick after which the window redrew its whole picture once more, as it does when it is
    // uncovered; -1 for none.
    int repaintAfter = -1;
    std::int64_t differing = std::numeric_limits<std::int64_t>::max();
    QImage picture;  // the simulator's picture at that tick
};

// Plays the battle of each seed from `firstSeed` to `lastSeed` as the game starts it, a full
// paint and then up to `maxTicks` ticks, on a picture of the client's size, and compares the
// picture with `client` of `screen` (Format_RGB32 or Format_ARGB32) after the paint and after
// each tick. With `repaints`, also plays each battle with one more full paint after each tick in
// turn, for a window that was uncovered during play; these count only if they match exactly.
// Stops at the first exact match, and tries the battles without a repaint first.
ClosestTick FindClosestTick(const QImage& screen, const QRect& client, std::uint32_t firstSeed,
                            std::uint32_t lastSeed, int maxTicks, bool repaints = false);
