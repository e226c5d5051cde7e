// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/Raster.h"

#include <gtest/gtest.h>

#include <vector>

#include "Support.h"
#include "render/Surface.h"

namespace {

// Hand-worked samples that pin the reference to the rule.
TEST(StretchBlt, ShowsTheSourcePixelUnderEachDestinationCentre) {
    struct Case {
        int sourceWidth, sx, sw, dx, dw, width;
        std::vector<int> shows;  // the source pixel each destination pixel shows; -1: untouched
    };
    const Case cases[] = {
        {2, 0, 2, 0, 5, 5, {0, 0, 1, 1, 1}},
        {5, 0, 5, 0, 2, 2, {1, 3}},
        {6, 0, 6, 0, 4, 4, {0, 2, 3, 5}},
        {10, 4, 3, 0, 6, 6, {4, 4, 5, 5, 6, 6}},
        {2, 0, 2, -2, 5, 3, {1, 1, 1}},  // clipping keeps the samples of the visible part
        {3, -1, 4, 1, 8, 9, {-1, -1, -1, 0, 0, 1, 1, 2, 2}},
        {3, 1, 4, 0, 8, 8, {1, 1, 2, 2, -1, -1, -1, -1}},
    };
    for (const Case& c : cases) {
        QImage source(c.sourceWidth, 1, QImage::Format_RGB32);
        for (int k = 0; k < c.sourceWidth; ++k) {
            source.setPixel(k, 0, qRgb(k, 0, 0x80));
        }
        QImage destination(c.width, 1, QImage::Format_RGB32);
        destination.fill(qRgb(0, 0xFF, 0));
        StretchBlt(destination, c.dx, 0, c.dw, 1, source, c.sx, 0, c.sw, 1, RasterOp::Copy);
        std::vector<int> shows;
        for (int i = 0; i < c.width; ++i) {
            const QRgb pixel = destination.pixel(i, 0);
            shows.push_back(pixel == qRgb(0, 0xFF, 0) ? -1 : qRed(pixel));
        }
        EXPECT_EQ(shows, c.shows) << c.sw << " onto " << c.dw;
    }
}

// Onto a prefilled 64 x 48 picture from a 20 x 15 one; same-sized rectangles also go by BitBlt.
struct Transfer {
    QRect to, from;
    RasterOp op;
    bool fromItself = false;  // the destination is its own source, read as it was before
};

const Transfer kTransfers[] = {
    {{5, 6, 12, 9}, {2, 3, 12, 9}, RasterOp::Copy},
    {{-4, -6, 12, 9}, {2, 3, 12, 9}, RasterOp::And},
    {{58, 44, 12, 9}, {-3, -2, 12, 9}, RasterOp::Or},
    {{5, 6, 12, 9}, {12, 10, 12, 9}, RasterOp::Copy},
    {{2, 2, 0, 9}, {0, 0, 0, 9}, RasterOp::Copy},
    {{70, 2, 12, 9}, {0, 0, 12, 9}, RasterOp::Copy},
    {{5, 6, 37, 23}, {2, 3, 8, 5}, RasterOp::Copy},
    {{5, 6, 14, 3}, {4, 4, 2, 1}, RasterOp::Copy},  // runs of 7 up to the span's end
    {{3, 4, 7, 5}, {0, 0, 20, 15}, RasterOp::Copy},
    {{1, 2, 50, 4}, {3, 1, 9, 14}, RasterOp::Copy},
    {{0, 1, 11, 45}, {0, 2, 20, 7}, RasterOp::Or},
    {{-13, -7, 90, 70}, {0, 0, 20, 15}, RasterOp::Copy},
    {{-3, 40, 9, 12}, {0, 0, 20, 15}, RasterOp::And},
    {{-5, -5, 80, 60}, {-3, -2, 26, 19}, RasterOp::Copy},
    {{-10, -5, 60, 70}, {-2, 1, 20, 12}, RasterOp::And},
    {{20, 30, 60, 40}, {1, -3, 15, 12}, RasterOp::Or},
    {{0, 0, 30, 30}, {25, 0, 5, 5}, RasterOp::Copy},
    {{2, 2, 10, 10}, {0, 0, -5, 5}, RasterOp::Copy},
    {{-1000000000, -1000000000, 2000000000, 2000000000}, {0, 0, 20, 15}, RasterOp::Copy},
    {{5, 3, 25, 17}, {0, 0, 12, 8}, RasterOp::Copy, true},
    {{1, 1, 29, 19}, {0, 0, 29, 19}, RasterOp::Copy, true},
};

// Each kernel that enlarges along x, whichever the processor would pick: they must give the
// same pixels, and the tests of the rule hold for both.
class EachKernel : public ::testing::TestWithParam<EnlargingKernel> {
protected:
    void SetUp() override { UseEnlargingKernel(GetParam()); }
    void TearDown() override { UseEnlargingKernel(EnlargingKernel::Fastest); }
};

INSTANTIATE_TEST_SUITE_P(Kernels, EachKernel,
                         ::testing::Values(EnlargingKernel::Fastest, EnlargingKernel::Portable),
                         [](const ::testing::TestParamInfo<EnlargingKernel>& info) {
                             return info.param == EnlargingKernel::Fastest ? "Fastest" : "Portable";
                         });

TEST_P(EachKernel, TransfersMatchThePerPixelReference) {
    const QImage prefill = Pattern(64, 48, 2);
    const QImage patch = Pattern(20, 15, 5);
    int index = 0;
    for (const Transfer& t : kTransfers) {
        SCOPED_TRACE(index++);
        QImage expected = prefill.copy();
        const QRect written =
            ReferenceStretch(expected, t.to, t.fromItself ? prefill : patch, t.from, t.op);
        QImage actual = prefill.copy();
        EXPECT_EQ(StretchBlt(actual, t.to.x(), t.to.y(), t.to.width(), t.to.height(),
                             t.fromItself ? actual : patch, t.from.x(), t.from.y(), t.from.width(),
                             t.from.height(), t.op),
                  written);
        EXPECT_TRUE(SamePixels(actual, expected));
        if (t.to.size() == t.from.size()) {
            actual = prefill.copy();
            EXPECT_EQ(BitBlt(actual, t.to.x(), t.to.y(), t.to.width(), t.to.height(),
                             t.fromItself ? actual : patch, t.from.x(), t.from.y(), t.op),
                      written);
            EXPECT_TRUE(SamePixels(actual, expected)) << "BitBlt";
        }
    }
}

// A tick stretches the same few rectangles over and over, with others between them. Each
// stretch must show what the rule says whatever the stretches before it were: the same one
// again, more different ones than are ever remembered, or a wider one than any before.
TEST_P(EachKernel, RepeatedStretchesMatchTheReferenceWhateverCameBefore) {
    const QImage patch = Pattern(20, 15, 5);
    const QRect from(0, 0, 12, 9);
    const QRect tile(5, 6, 15, 11);
    const QRect others[] = {
        {3, 2, 17, 10}, {7, 1, 19, 12}, {1, 4, 13, 9}, {2, 2, 22, 13}, {0, 3, 18, 11}};
    const QRect wide(-20, 0, 400, 12);
    const std::vector<QRect> order = {tile,      tile,      others[0], tile, others[1],
                                      others[2], others[3], others[4], tile, wide,
                                      tile,      others[0], tile};
    const QImage prefill = Pattern(64, 48, 2);
    int index = 0;
    for (const QRect& to : order) {
        SCOPED_TRACE(index++);
        QImage expected = prefill.copy();
        ReferenceStretch(expected, to, patch, from, RasterOp::Copy);
        QImage actual = prefill.copy();
        StretchBlt(actual, to.x(), to.y(), to.width(), to.height(), patch, from.x(), from.y(),
                   from.width(), from.height(), RasterOp::Copy);
        EXPECT_TRUE(SamePixels(actual, expected));
    }
}

TEST(Transfers, MissingOrForeignImagesDrawNothing) {
    QImage indexed(8, 8, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 20, 30)});
    indexed.fill(0);
    for (const QImage& source : {QImage(), indexed}) {
        QImage destination = Pattern(16, 16, 2);
        EXPECT_TRUE(
            StretchBlt(destination, 0, 0, 16, 16, source, 0, 0, 4, 4, RasterOp::Copy).isEmpty());
        EXPECT_TRUE(BitBlt(destination, 0, 0, 8, 8, source, 0, 0, RasterOp::Or).isEmpty());
        EXPECT_TRUE(SamePixels(destination, Pattern(16, 16, 2)));
    }
}

TEST(Surface, RecordsTheClippedRectanglesThatStretchCopyChanged) {
    CSurface surface(20, 10);
    const QImage patch = Pattern(4, 2, 5);
    EXPECT_EQ(surface.StretchCopy(-3, 2, 8, 4, patch, 0, 0, 4, 2), QRect(0, 2, 5, 4));
    surface.StretchCopy(30, 0, 5, 5, patch, 0, 0, 4, 2);
    surface.StretchCopy(15, 8, 10, 10, patch, 0, 0, 4, 2);
    surface.RecordDamage(QRect());
    EXPECT_EQ(Recorded(surface), (std::vector<QRect>{QRect(0, 2, 5, 4), QRect(15, 8, 5, 2)}));

    // Resizing gives a black picture and forgets the record; negative sizes count as 0.
    surface.Resize(6, 3);
    QImage black(6, 3, QImage::Format_RGB32);
    black.fill(qRgb(0, 0, 0));
    EXPECT_TRUE(SamePixels(surface.Image(), black));
    EXPECT_TRUE(surface.Damage().empty());
    surface.Resize(-5, 10);
    EXPECT_TRUE(surface.StretchCopy(0, 0, 10, 10, patch, 0, 0, 4, 2).isEmpty());
    EXPECT_TRUE(surface.Image().isNull());
}

TEST(Surface, AFullRecordCollapsesIntoItsBoundingRectangle) {
    CSurface surface(100, 100);
    QRect bounds;
    for (int i = 0; i < static_cast<int>(CSurface::kDamageCapacity); ++i) {
        const QRect area((i * 7) % 40, (i * 13) % 40, 2, 2);
        surface.RecordDamage(area);
        bounds |= area;
    }
    ASSERT_EQ(surface.Damage().size(), CSurface::kDamageCapacity);
    const QRect next(90, 90, 1, 1);
    surface.RecordDamage(next);
    EXPECT_EQ(Recorded(surface), (std::vector<QRect>{bounds, next}));
    EXPECT_EQ(surface.DamageBounds(), bounds | next);
    surface.ClearDamage();
    EXPECT_TRUE(surface.Damage().empty());
}

}  // namespace
