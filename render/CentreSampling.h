// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>

// Nearest-neighbour sampling of a stretch, shared by its columns and rows: destination offset i
// of a span of d pixels shows source offset floor((2i + 1) × s / (2d)) of a span of s pixels,
// the source pixel under the destination pixel's centre.

// Walks the source offsets of consecutive destination offsets without a division per step.
// Each step adds 2s to the numerator, that is s / d whole source pixels and a remainder of
// 2 × (s mod d). Every product stays below 2^63 for 32-bit sizes.
class CentreWalk {
public:
    CentreWalk(std::int64_t first, std::int64_t s, std::int64_t d)
        : denominator_(2 * d), wholeStep_(s / d), remainderStep_(2 * (s % d)) {
        const std::int64_t numerator = (2 * first + 1) * s;
        offset_ = numerator / denominator_;
        remainder_ = numerator % denominator_;
    }

    std::int64_t Offset() const { return offset_; }

    void Next() {
        offset_ += wholeStep_;
        remainder_ += remainderStep_;
        if (remainder_ >= denominator_) {
            remainder_ -= denominator_;
            ++offset_;
        }
    }

private:
    std::int64_t denominator_;
    std::int64_t wholeStep_;
    std::int64_t remainderStep_;
    std::int64_t offset_ = 0;
    std::int64_t remainder_ = 0;
};

// Neighbouring destination columns that show the same source column: what an enlargement along
// x is made of.
struct Repeat {
    std::int32_t column;  // the source column
    std::int32_t length;  // how many destination columns show it
};

// The columns of one stretch that are drawn, and the source column each of them shows. Every
// row of the stretch uses the same plan.
struct ColumnPlan {
    std::int64_t firstOffset = 0;           // the first drawn column, as offset into the rectangle
    std::int64_t count = 0;                 // how many columns are drawn
    const std::int32_t* columns = nullptr;  // the source column of each
    const Repeat* repeats = nullptr;        // the same columns as repeats, when asked for
    std::size_t repeatCount = 0;
};

// Samples the destination offsets [first, first + count) of a stretch from source column sx,
// span sw, onto a destination span dw, and keeps the contiguous run of them whose source column
// lies inside [0, sourceWidth). With withRepeats, also groups them into repeats.
//
// A tick stretches its tiles with the same few plans again and again (a ship's tile, a shot's
// tile, each at the client's scale), so the last plans made on a thread are kept and handed out
// again for the same arguments. A plan points into tables that stay valid until the next call
// on the same thread. The tables only ever grow, all to the widest plan made so far, so that
// once a picture has been painted whole, planning at its size allocates nothing. Each drawing
// thread keeps its own.
ColumnPlan PlanColumns(std::int64_t first, std::int64_t count, int sx, int sw, int dw,
                       int sourceWidth, bool withRepeats);
