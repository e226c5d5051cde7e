// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/Raster.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

#include "render/CentreSampling.h"

namespace {

using Pixel = QRgb;  // one pixel of a Format_RGB32 image, combined as a whole

bool Readable(const QImage& image) {
    return !image.isNull() && image.format() == QImage::Format_RGB32;
}

bool Drawable(const QImage& image) {
    return !image.isNull() && IsDrawableFormat(image.format());
}

// A half-open range [first, last) of offsets into a transfer rectangle along one axis. Offsets
// and image coordinates are 64-bit so that no sum of an origin and a size can overflow.
struct Span {
    std::int64_t first = 0;
    std::int64_t last = 0;

    bool Empty() const { return first >= last; }
    std::int64_t Length() const { return last - first; }
};

// The offsets i in [0, count) for which origin + i lies in [0, limit).
Span Inside(std::int64_t origin, std::int64_t count, std::int64_t limit) {
    return {std::max<std::int64_t>(0, -origin), std::min(count, limit - origin)};
}

Span Intersect(const Span& a, const Span& b) {
    return {std::max(a.first, b.first), std::min(a.last, b.last)};
}

Pixel* PixelAt(uchar* bits, qsizetype stride, std::int64_t x, std::int64_t y) {
    return reinterpret_cast<Pixel*>(bits + y * stride) + x;
}

const Pixel* PixelAt(const uchar* bits, qsizetype stride, std::int64_t x, std::int64_t y) {
    return reinterpret_cast<const Pixel*>(bits + y * stride) + x;
}

void CombineRow(Pixel* destination, const Pixel* source, std::int64_t count, RasterOp op) {
    switch (op) {
        case RasterOp::Copy:
            std::memcpy(destination, source, static_cast<std::size_t>(count) * sizeof(Pixel));
            return;
        case RasterOp::And:
            for (std::int64_t k = 0; k < count; ++k) {
                destination[k] &= source[k];
            }
            return;
        case RasterOp::Or:
            for (std::int64_t k = 0; k < count; ++k) {
                destination[k] |= source[k];
            }
            return;
    }
}

void CombineSampledRow(Pixel* destination, const Pixel* sourceRow, const std::int32_t* columns,
                       std::int64_t count, RasterOp op) {
    switch (op) {
        case RasterOp::Copy:
            for (std::int64_t k = 0; k < count; ++k) {
                destination[k] = sourceRow[columns[k]];
            }
            return;
        case RasterOp::And:
            for (std::int64_t k = 0; k < count; ++k) {
                destination[k] &= sourceRow[columns[k]];
            }
            return;
        case RasterOp::Or:
            for (std::int64_t k = 0; k < count; ++k) {
                destination[k] |= sourceRow[columns[k]];
            }
            return;
    }
}

// Writes one row of a copy that enlarges along x, repeat by repeat. A repeat is stored a block
// at a time, even where the block overshoots it, because the following repeats overwrite the
// overshoot; only near the row's end, where a block would leave the row, and for repeats
// longer than a block are the pixels stored one by one.
void CopyRepeats(Pixel* destination, const Pixel* sourceRow, const Repeat* repeats,
                 std::size_t repeatCount, std::int64_t count) {
    constexpr std::int64_t kBlock = 8;
    struct Block {
        Pixel pixels[kBlock];
    };
    std::int64_t k = 0;
    for (std::size_t r = 0; r < repeatCount; ++r) {
        const Pixel pixel = sourceRow[repeats[r].column];
        const std::int64_t end = k + repeats[r].length;
        if (repeats[r].length <= kBlock && count - k >= kBlock) {
            Block block;
            std::fill_n(block.pixels, kBlock, pixel);
            std::memcpy(destination + k, &block, sizeof block);
        } else {
            std::fill(destination + k, destination + end, pixel);
        }
        k = end;
    }
}

#if defined(__x86_64__) && defined(__GNUC__)
// Writes one row of a copy that enlarges along x eight pixels at a time. An enlargement never
// skips a source column, so eight neighbouring destination pixels show at most eight
// neighbouring source pixels: one load of those and one permutation give all eight. Where the
// load would leave the source row, the pixels are copied one by one.
__attribute__((target("avx2"))) void CopyEnlargedAvx2(Pixel* destination, const Pixel* sourceRow,
                                                      const std::int32_t* columns,
                                                      std::int64_t count, int sourceWidth) {
    constexpr std::int64_t kLanes = 8;
    std::int64_t k = 0;
    for (; k + kLanes <= count && columns[k] + kLanes <= sourceWidth; k += kLanes) {
        const std::int32_t first = columns[k];
        const __m256i lanes =
            _mm256_sub_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(columns + k)),
                             _mm256_set1_epi32(first));
        const __m256i pixels =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(sourceRow + first));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(destination + k),
                            _mm256_permutevar8x32_epi32(pixels, lanes));
    }
    for (; k < count; ++k) {
        destination[k] = sourceRow[columns[k]];
    }
}

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif

EnlargingKernel chosenKernel = EnlargingKernel::Fastest;

// Whether an enlargement along x is copied by CopyEnlargedAvx2, which reads the plan's columns
// only; otherwise it is copied repeat by repeat.
bool EnlargesByPermutation() {
#if defined(__x86_64__) && defined(__GNUC__)
    return chosenKernel == EnlargingKernel::Fastest && HasAvx2();
#else
    return false;
#endif
}

// Writes one row of a stretch by the method that suits its plan and the processor. Only the
// vector copy needs the source row's width, to know where its loads must stop.
void WriteRow(Pixel* row, const Pixel* sourceRow, [[maybe_unused]] int sourceWidth,
              const ColumnPlan& plan, bool enlarging, bool consecutive, RasterOp op) {
    if (enlarging) {
#if defined(__x86_64__) && defined(__GNUC__)
        if (EnlargesByPermutation()) {
            CopyEnlargedAvx2(row, sourceRow, plan.columns, plan.count, sourceWidth);
            return;
        }
#endif
        CopyRepeats(row, sourceRow, plan.repeats, plan.repeatCount, plan.count);
    } else if (consecutive) {
        CombineRow(row, sourceRow + plan.columns[0], plan.count, op);
    } else {
        CombineSampledRow(row, sourceRow, plan.columns, plan.count, op);
    }
}

}  // namespace

void UseEnlargingKernel(EnlargingKernel kernel) {
    chosenKernel = kernel;
}

bool IsDrawableFormat(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

QRect BitBlt(QImage& destination, int dx, int dy, int w, int h, const QImage& source, int sx,
             int sy, RasterOp op) {
    if (&destination == &source) {
        // A copy of its own, so that the destination (perhaps a view of a window buffer) is
        // never shared and keeps drawing into its own pixels.
        const QImage before = source.copy();
        return BitBlt(destination, dx, dy, w, h, before, sx, sy, op);
    }
    if (w <= 0 || h <= 0 || !Drawable(destination) || !Readable(source)) {
        return {};
    }
    const Span columns =
        Intersect(Inside(dx, w, destination.width()), Inside(sx, w, source.width()));
    const Span rows =
        Intersect(Inside(dy, h, destination.height()), Inside(sy, h, source.height()));
    if (columns.Empty() || rows.Empty()) {
        return {};
    }
    uchar* const destinationBits = destination.bits();
    const qsizetype destinationStride = destination.bytesPerLine();
    const uchar* const sourceBits = source.constBits();
    const qsizetype sourceStride = source.bytesPerLine();
    for (std::int64_t j = rows.first; j < rows.last; ++j) {
        CombineRow(PixelAt(destinationBits, destinationStride, dx + columns.first, dy + j),
                   PixelAt(sourceBits, sourceStride, sx + columns.first, sy + j), columns.Length(),
                   op);
    }
    return QRect(static_cast<int>(dx + columns.first), static_cast<int>(dy + rows.first),
                 static_cast<int>(columns.Length()), static_cast<int>(rows.Length()));
}

QRect StretchBlt(QImage& destination, int dx, int dy, int dw, int dh, const QImage& source, int sx,
                 int sy, int sw, int sh, RasterOp op) {
    if (&destination == &source) {
        // A copy of its own, so that the destination (perhaps a view of a window buffer) is
        // never shared and keeps drawing into its own pixels.
        const QImage before = source.copy();
        return StretchBlt(destination, dx, dy, dw, dh, before, sx, sy, sw, sh, op);
    }
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || !Drawable(destination) || !Readable(source)) {
        return {};
    }
    const Span visibleColumns = Inside(dx, dw, destination.width());
    const Span visibleRows = Inside(dy, dh, destination.height());
    if (visibleColumns.Empty() || visibleRows.Empty()) {
        return {};
    }
    // A copy that enlarges along x is written as runs of repeated pixels, which are grouped
    // only where the processor cannot permute them; without scaling along x the drawn columns
    // read consecutive source pixels.
    const bool enlarging = op == RasterOp::Copy && sw < dw;
    const ColumnPlan plan = PlanColumns(visibleColumns.first, visibleColumns.Length(), sx, sw, dw,
                                        source.width(), enlarging && !EnlargesByPermutation());
    if (plan.count == 0) {
        return {};
    }
    const bool consecutive = sw == dw;
    const std::int64_t firstX = dx + plan.firstOffset;
    const std::size_t rowBytes = static_cast<std::size_t>(plan.count) * sizeof(Pixel);

    uchar* const destinationBits = destination.bits();
    const qsizetype destinationStride = destination.bytesPerLine();
    const uchar* const sourceBits = source.constBits();
    const qsizetype sourceStride = source.bytesPerLine();
    const int sourceHeight = source.height();

    std::int64_t firstRow = -1;
    std::int64_t lastRow = -1;
    std::int64_t previousSourceY = -1;
    const Pixel* previous = nullptr;
    CentreWalk walk(visibleRows.first, sh, dh);
    for (std::int64_t j = visibleRows.first; j < visibleRows.last; ++j, walk.Next()) {
        const std::int64_t y = sy + walk.Offset();
        if (y < 0) {
            continue;
        }
        if (y >= sourceHeight) {
            break;  // sampling never moves back up
        }
        Pixel* const row = PixelAt(destinationBits, destinationStride, firstX, dy + j);
        if (op == RasterOp::Copy && y == previousSourceY) {
            // An enlarged source row repeats the destination row above it.
            std::memcpy(row, previous, rowBytes);
        } else {
            WriteRow(row, PixelAt(sourceBits, sourceStride, 0, y), source.width(), plan, enlarging,
                     consecutive, op);
        }
        previous = row;
        previousSourceY = y;
        if (firstRow < 0) {
            firstRow = j;
        }
        lastRow = j;
    }
    if (firstRow < 0) {
        return {};
    }
    return QRect(static_cast<int>(firstX), static_cast<int>(dy + firstRow),
                 static_cast<int>(plan.count), static_cast<int>(lastRow - firstRow + 1));
}

QRect FillRect(QImage& destination, const QRect& area, QRgb colour) {
    if (!Drawable(destination)) {
        return {};
    }
    const QRect clipped = area & destination.rect();
    if (clipped.isEmpty()) {
        return {};
    }
    uchar* const bits = destination.bits();
    const qsizetype stride = destination.bytesPerLine();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        std::fill_n(PixelAt(bits, stride, clipped.left(), y), clipped.width(), colour);
    }
    return clipped;
}
