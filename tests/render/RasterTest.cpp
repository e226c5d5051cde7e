#include "render/Raster.h"

#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "NamedCases.h"
#include "Reference.h"
#include "SamePixels.h"
#include "TestArt.h"

namespace {

QImage Solid(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// ---- Raster operations on whole pixels ---------------------------------------------------

struct OpCase {
    const char* name;
    QRgb destination;
    QRgb source;
    RasterOp op;
    QRgb expected;
};

void PrintTo(const OpCase& c, std::ostream* os) {
    *os << c.name;
}

const OpCase kOpCases[] = {
    {"CopyReplacesTheWholePixel", 0xFF123456, 0xFFABCDEF, RasterOp::Copy, 0xFFABCDEF},
    {"AndWithMaskWhite252ClearsTheTwoLowBitsOfEachChannel", 0xFF13577B, 0xFFFCFCFC, RasterOp::And,
     0xFF105478},
    {"AndWithMaskBlack4KeepsOnlyBitTwo", 0xFF1357FF, 0xFF040404, RasterOp::And, 0xFF000404},
    {"AndWithPureBlackBlackens", 0xFF8899AA, 0xFF000000, RasterOp::And, 0xFF000000},
    {"AndWithPureWhiteKeeps", 0xFF8899AA, 0xFFFFFFFF, RasterOp::And, 0xFF8899AA},
    {"OrWithBlackChangesNothing", 0xFF8899AA, 0xFF000000, RasterOp::Or, 0xFF8899AA},
    {"OrOfAStrayPixelLightensTheBackground", 0xFF102030, 0xFF0A0B0C, RasterOp::Or, 0xFF1A2B3C},
    {"OrPaintsIntoABlackenedPixel", 0xFF000000, 0xFF65A3C1, RasterOp::Or, 0xFF65A3C1},
};

class RasterOps : public ::testing::TestWithParam<OpCase> {};

TEST_P(RasterOps, BitBltCombinesWholePixels) {
    const OpCase& c = GetParam();
    QImage destination = Solid(3, 2, c.destination);
    const QImage source = Solid(3, 2, c.source);
    BitBlt(destination, 0, 0, 3, 2, source, 0, 0, c.op);
    EXPECT_TRUE(SamePixels(destination, Solid(3, 2, c.expected)));
}

TEST_P(RasterOps, StretchBltCombinesWholePixels) {
    const OpCase& c = GetParam();
    QImage destination = Solid(5, 4, c.destination);
    const QImage source = Solid(2, 3, c.source);
    StretchBlt(destination, 0, 0, 5, 4, source, 0, 0, 2, 3, c.op);
    EXPECT_TRUE(SamePixels(destination, Solid(5, 4, c.expected)));
}

INSTANTIATE_TEST_SUITE_P(Table, RasterOps, ::testing::ValuesIn(kOpCases), CaseName());

// ---- Centre sampling, case by case ------------------------------------------------------

// A one-line stretch whose source pixel k has red k; -1 in `shows` marks a destination pixel
// left as it was.
struct SampleCase {
    const char* name;
    int sourceLength;
    int s0, sLength;  // source span
    int d0, dLength;  // destination span
    int destinationLength;
    std::vector<int> shows;
};

void PrintTo(const SampleCase& c, std::ostream* os) {
    *os << c.name;
}

const SampleCase kSampleCases[] = {
    {"TwoEnlargedToFive", 2, 0, 2, 0, 5, 5, {0, 0, 1, 1, 1}},
    {"FiveShrunkToTwo", 5, 0, 5, 0, 2, 2, {1, 3}},
    {"FourEnlargedToSix", 4, 0, 4, 0, 6, 6, {0, 1, 1, 2, 3, 3}},
    {"SixShrunkToFour", 6, 0, 6, 0, 4, 4, {0, 2, 3, 5}},
    {"OneEnlargedToThree", 1, 0, 1, 0, 3, 3, {0, 0, 0}},
    {"ThreeToThreeIsAPlainCopy", 3, 0, 3, 0, 3, 3, {0, 1, 2}},
    {"SourceOffsetIsAddedToTheSample", 10, 4, 3, 0, 6, 6, {4, 4, 5, 5, 6, 6}},
    {"ClippedAtTheStartKeepsTheSamplesOfTheVisiblePart", 2, 0, 2, -2, 5, 3, {1, 1, 1}},
    {"ClippedAtTheEndKeepsTheSamplesOfTheVisiblePart", 2, 0, 2, 0, 5, 2, {0, 0}},
    {"DestinationInsideLeavesTheRestUnchanged", 2, 0, 2, 3, 5, 9, {-1, -1, -1, 0, 0, 1, 1, 1, -1}},
    {"SourceStartingBeforeTheImageLeavesThosePixels",
     3,
     -1,
     4,
     0,
     8,
     8,
     {-1, -1, 0, 0, 1, 1, 2, 2}},
    {"SourceEndingBeyondTheImageLeavesThosePixels", 3, 1, 4, 0, 8, 8, {1, 1, 2, 2, -1, -1, -1, -1}},
    {"SourceWhollyOutsideDrawsNothing", 3, 3, 2, 0, 4, 4, {-1, -1, -1, -1}},
};

constexpr QRgb kUntouched = 0xFF00FF00;

QRgb SourceValue(int k) {
    return qRgb(k, 0, 0x80);
}

int Shown(QRgb pixel) {
    return pixel == kUntouched ? -1 : qRed(pixel);
}

// The rectangle spanned by the pixels that `shows` marks as drawn, along one axis.
std::pair<int, int> DrawnSpan(const std::vector<int>& shows) {
    int first = -1;
    int last = -1;
    for (int i = 0; i < static_cast<int>(shows.size()); ++i) {
        if (shows[i] >= 0) {
            first = first < 0 ? i : first;
            last = i;
        }
    }
    return {first, last};
}

class CentreSampling : public ::testing::TestWithParam<SampleCase> {};

TEST_P(CentreSampling, AlongX) {
    const SampleCase& c = GetParam();
    QImage source(c.sourceLength, 1, QImage::Format_RGB32);
    for (int k = 0; k < c.sourceLength; ++k) {
        source.setPixel(k, 0, SourceValue(k));
    }
    QImage destination = Solid(c.destinationLength, 1, kUntouched);
    const QRect changed = StretchBlt(destination, c.d0, 0, c.dLength, 1, source, c.s0, 0, c.sLength,
                                     1, RasterOp::Copy);
    std::vector<int> shows;
    for (int i = 0; i < c.destinationLength; ++i) {
        shows.push_back(Shown(destination.pixel(i, 0)));
    }
    EXPECT_EQ(shows, c.shows);
    const auto [first, last] = DrawnSpan(c.shows);
    EXPECT_EQ(changed, first < 0 ? QRect() : QRect(first, 0, last - first + 1, 1));
}

TEST_P(CentreSampling, AlongY) {
    const SampleCase& c = GetParam();
    QImage source(1, c.sourceLength, QImage::Format_RGB32);
    for (int k = 0; k < c.sourceLength; ++k) {
        source.setPixel(0, k, SourceValue(k));
    }
    QImage destination = Solid(1, c.destinationLength, kUntouched);
    const QRect changed = StretchBlt(destination, 0, c.d0, 1, c.dLength, source, 0, c.s0, 1,
                                     c.sLength, RasterOp::Copy);
    std::vector<int> shows;
    for (int i = 0; i < c.destinationLength; ++i) {
        shows.push_back(Shown(destination.pixel(0, i)));
    }
    EXPECT_EQ(shows, c.shows);
    const auto [first, last] = DrawnSpan(c.shows);
    EXPECT_EQ(changed, first < 0 ? QRect() : QRect(0, first, 1, last - first + 1));
}

INSTANTIATE_TEST_SUITE_P(Table, CentreSampling, ::testing::ValuesIn(kSampleCases), CaseName());

// ---- Whole transfers against the per-pixel reference -------------------------------------

struct TransferCase {
    const char* name;
    QRect to;
    QRect from;
    RasterOp op;
};

void PrintTo(const TransferCase& c, std::ostream* os) {
    *os << c.name;
}

// Destination 64 x 48, source 20 x 15.
const TransferCase kStretchCases[] = {
    {"EnlargesInsideTheImage", {5, 6, 37, 23}, {2, 3, 8, 5}, RasterOp::Copy},
    {"ShrinksInsideTheImage", {3, 4, 7, 5}, {0, 0, 20, 15}, RasterOp::Copy},
    {"EnlargesAcrossAndShrinksDown", {1, 2, 50, 4}, {3, 1, 9, 14}, RasterOp::Copy},
    {"OneToOne", {7, 8, 20, 15}, {0, 0, 20, 15}, RasterOp::Copy},
    {"OnePixelFillsTheWholeImage", {0, 0, 64, 48}, {3, 4, 1, 1}, RasterOp::Copy},
    {"ClippedAtTheLeftEdge", {-10, 5, 40, 20}, {0, 0, 20, 15}, RasterOp::Copy},
    {"ClippedAtTheTopEdge", {5, -9, 40, 20}, {0, 0, 20, 15}, RasterOp::Copy},
    {"ClippedAtTheRightEdge", {40, 5, 40, 20}, {0, 0, 20, 15}, RasterOp::Copy},
    {"ClippedAtTheBottomEdge", {5, 40, 40, 20}, {0, 0, 20, 15}, RasterOp::Copy},
    {"ClippedAtAllFourEdges", {-13, -7, 90, 70}, {0, 0, 20, 15}, RasterOp::Copy},
    {"ShrinkClippedAtAllFourEdges", {-3, -2, 70, 52}, {0, 0, 20, 15}, RasterOp::Copy},
    {"SourcePartlyLeftOfTheImage", {2, 2, 50, 40}, {-5, 0, 20, 15}, RasterOp::Copy},
    {"SourcePartlyAboveTheImage", {2, 2, 50, 40}, {0, -4, 20, 15}, RasterOp::Copy},
    {"SourcePartlyRightOfTheImage", {2, 2, 50, 40}, {6, 0, 20, 15}, RasterOp::Copy},
    {"SourcePartlyBelowTheImage", {2, 2, 50, 40}, {0, 6, 20, 15}, RasterOp::Copy},
    {"SourceBeyondEveryEdgeAndClipped", {-5, -5, 80, 60}, {-3, -2, 26, 19}, RasterOp::Copy},
    {"SourceWhollyOutsideDrawsNothing", {0, 0, 30, 30}, {25, 0, 5, 5}, RasterOp::Copy},
    {"HugeDestinationMostlyOutside",
     {-1000000000, -1000000000, 2000000000, 2000000000},
     {0, 0, 20, 15},
     RasterOp::Copy},
    {"AndThroughAClippedEnlargement", {-10, -5, 60, 70}, {-2, 1, 20, 12}, RasterOp::And},
    {"OrThroughAClippedEnlargement", {20, 30, 60, 40}, {1, -3, 15, 12}, RasterOp::Or},
    {"AndThroughAShrink", {4, 4, 9, 6}, {0, 0, 20, 15}, RasterOp::And},
    {"OrThroughAShrinkAcrossEnlargeDown", {0, 1, 11, 45}, {0, 2, 20, 7}, RasterOp::Or},
};

class StretchAgainstReference : public ::testing::TestWithParam<TransferCase> {};

TEST_P(StretchAgainstReference, MatchesPixelForPixel) {
    const TransferCase& c = GetParam();
    const QImage source = MakePatch(20, 15, 3);
    QImage actual = MakePrefilled(64, 48);
    QImage expected = actual.copy();
    const QRect changed =
        StretchBlt(actual, c.to.x(), c.to.y(), c.to.width(), c.to.height(), source, c.from.x(),
                   c.from.y(), c.from.width(), c.from.height(), c.op);
    const QRect written = ReferenceStretch(expected, c.to, source, c.from, c.op);
    EXPECT_TRUE(SamePixels(actual, expected));
    EXPECT_EQ(changed, written);
}

INSTANTIATE_TEST_SUITE_P(Table, StretchAgainstReference, ::testing::ValuesIn(kStretchCases),
                         CaseName());

// Same-sized source and destination spans: a 1:1 transfer.
const TransferCase kBitBltCases[] = {
    {"Inside", {5, 6, 12, 9}, {2, 3, 12, 9}, RasterOp::Copy},
    {"ClippedAtTheLeftEdge", {-4, 6, 12, 9}, {2, 3, 12, 9}, RasterOp::Copy},
    {"ClippedAtTheTopEdge", {5, -6, 12, 9}, {2, 3, 12, 9}, RasterOp::Copy},
    {"ClippedAtTheRightEdge", {58, 6, 12, 9}, {2, 3, 12, 9}, RasterOp::Copy},
    {"ClippedAtTheBottomEdge", {5, 44, 12, 9}, {2, 3, 12, 9}, RasterOp::Copy},
    {"SourcePartlyOutsideOnTheLeftAndTop", {5, 6, 12, 9}, {-3, -2, 12, 9}, RasterOp::Copy},
    {"SourcePartlyOutsideOnTheRightAndBottom", {5, 6, 12, 9}, {12, 10, 12, 9}, RasterOp::Copy},
    {"BothClippedAndSourcePartlyOutside", {-2, 40, 30, 20}, {-5, 3, 30, 20}, RasterOp::Copy},
    {"AndInside", {5, 6, 20, 15}, {0, 0, 20, 15}, RasterOp::And},
    {"OrClipped", {50, -3, 20, 15}, {0, 0, 20, 15}, RasterOp::Or},
};

class BitBltAgainstReference : public ::testing::TestWithParam<TransferCase> {};

TEST_P(BitBltAgainstReference, MatchesPixelForPixel) {
    const TransferCase& c = GetParam();
    const QImage source = MakePatch(20, 15, 5);
    QImage actual = MakePrefilled(64, 48);
    QImage expected = actual.copy();
    const QRect changed = BitBlt(actual, c.to.x(), c.to.y(), c.to.width(), c.to.height(), source,
                                 c.from.x(), c.from.y(), c.op);
    const QRect written = ReferenceStretch(expected, c.to, source, c.from, c.op);
    EXPECT_TRUE(SamePixels(actual, expected));
    EXPECT_EQ(changed, written);
}

INSTANTIATE_TEST_SUITE_P(Table, BitBltAgainstReference, ::testing::ValuesIn(kBitBltCases),
                         CaseName());

// ---- Clipping and degenerate transfers ---------------------------------------------------

TEST(StretchBlt, ClippingNeverChangesWhichSourcePixelIsShown) {
    // The same transfer drawn into a wide picture and into a small window onto it, whose
    // pixel (x, y) is the wide picture's (x + 50, y + 20).
    const QImage source = MakePatch(13, 9, 7);
    QImage wide = MakePrefilled(200, 100);
    QImage window = MakePrefilled(40, 30);
    StretchBlt(wide, 30, 10, 131, 67, source, 1, 1, 11, 7, RasterOp::Copy);
    StretchBlt(window, 30 - 50, 10 - 20, 131, 67, source, 1, 1, 11, 7, RasterOp::Copy);
    for (int y = 0; y < window.height(); ++y) {
        for (int x = 0; x < window.width(); ++x) {
            ASSERT_EQ(window.pixel(x, y), wide.pixel(x + 50, y + 20)) << x << ", " << y;
        }
    }
}

struct EmptyCase {
    const char* name;
    int dw, dh, sw, sh;
};

void PrintTo(const EmptyCase& c, std::ostream* os) {
    *os << c.name;
}

const EmptyCase kEmptyCases[] = {
    {"ZeroDestinationWidth", 0, 10, 5, 5},       {"ZeroDestinationHeight", 10, 0, 5, 5},
    {"NegativeDestinationWidth", -10, 10, 5, 5}, {"NegativeDestinationHeight", 10, -10, 5, 5},
    {"ZeroSourceWidth", 10, 10, 0, 5},           {"ZeroSourceHeight", 10, 10, 5, 0},
    {"NegativeSourceWidth", 10, 10, -5, 5},      {"NegativeSourceHeight", 10, 10, 5, -5},
};

class EmptyTransfer : public ::testing::TestWithParam<EmptyCase> {};

TEST_P(EmptyTransfer, DrawsNothing) {
    const EmptyCase& c = GetParam();
    const QImage source = MakePatch(8, 8, 1);
    QImage destination = MakePrefilled(16, 16);
    const QImage before = destination.copy();
    EXPECT_TRUE(StretchBlt(destination, 2, 2, c.dw, c.dh, source, 0, 0, c.sw, c.sh, RasterOp::Copy)
                    .isEmpty());
    EXPECT_TRUE(SamePixels(destination, before));
    if (c.sw == 5 && c.sh == 5) {
        EXPECT_TRUE(BitBlt(destination, 2, 2, c.dw, c.dh, source, 0, 0, RasterOp::Copy).isEmpty());
        EXPECT_TRUE(SamePixels(destination, before));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, EmptyTransfer, ::testing::ValuesIn(kEmptyCases), CaseName());

TEST(StretchBlt, MissingSourceDrawsNothing) {
    QImage destination = MakePrefilled(16, 16);
    const QImage before = destination.copy();
    EXPECT_TRUE(
        StretchBlt(destination, 0, 0, 16, 16, QImage(), 0, 0, 4, 4, RasterOp::Copy).isEmpty());
    EXPECT_TRUE(BitBlt(destination, 0, 0, 16, 16, QImage(), 0, 0, RasterOp::Copy).isEmpty());
    EXPECT_TRUE(SamePixels(destination, before));
}

TEST(StretchBlt, MissingDestinationDrawsNothingAndReturnsNormally) {
    QImage destination;
    const QImage source = MakePatch(8, 8, 1);
    EXPECT_TRUE(
        StretchBlt(destination, 0, 0, 16, 16, source, 0, 0, 8, 8, RasterOp::Copy).isEmpty());
    EXPECT_TRUE(BitBlt(destination, 0, 0, 8, 8, source, 0, 0, RasterOp::Or).isEmpty());
    EXPECT_TRUE(destination.isNull());
}

TEST(StretchBlt, ImagesInAnotherPixelFormatDrawNothing) {
    QImage indexed(8, 8, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 20, 30)});
    indexed.fill(0);
    QImage destination = MakePrefilled(16, 16);
    const QImage before = destination.copy();
    EXPECT_TRUE(
        StretchBlt(destination, 0, 0, 16, 16, indexed, 0, 0, 8, 8, RasterOp::Copy).isEmpty());
    EXPECT_TRUE(SamePixels(destination, before));
    QImage rgb888 = before.convertToFormat(QImage::Format_RGB888);
    const QImage rgb888Before = rgb888.copy();
    EXPECT_TRUE(BitBlt(rgb888, 0, 0, 8, 8, MakePatch(8, 8, 1), 0, 0, RasterOp::Copy).isEmpty());
    EXPECT_TRUE(rgb888 == rgb888Before);
}

TEST(StretchBlt, ReadsTheSourceAsItWasWhenSourceAndDestinationAreOneImage) {
    const QImage original = MakePatch(30, 20, 2);
    QImage image = original.copy();
    QImage expected = original.copy();
    // Overlapping: the enlargement reads pixels that it also overwrites.
    StretchBlt(image, 5, 3, 25, 17, image, 0, 0, 12, 8, RasterOp::Copy);
    ReferenceStretch(expected, QRect(5, 3, 25, 17), original, QRect(0, 0, 12, 8), RasterOp::Copy);
    EXPECT_TRUE(SamePixels(image, expected));
}

TEST(BitBlt, ReadsTheSourceAsItWasWhenSourceAndDestinationAreOneImage) {
    const QImage original = MakePatch(30, 20, 2);
    QImage image = original.copy();
    QImage expected = original.copy();
    BitBlt(image, 1, 1, 29, 19, image, 0, 0, RasterOp::Copy);
    ReferenceStretch(expected, QRect(1, 1, 29, 19), original, QRect(0, 0, 29, 19), RasterOp::Copy);
    EXPECT_TRUE(SamePixels(image, expected));
}

TEST(StretchBlt, LeavesOtherImagesSharingTheDestinationPixelsUntouched) {
    QImage destination = MakePrefilled(16, 16);
    const QImage sharedCopy = destination;  // shares the pixels until one is written
    const QImage before = destination.copy();
    StretchBlt(destination, 0, 0, 16, 16, MakePatch(4, 4, 1), 0, 0, 4, 4, RasterOp::Copy);
    EXPECT_TRUE(SamePixels(sharedCopy, before));
}

TEST(FillRect, FillsOnlyTheAreaInsideTheImage) {
    QImage actual = MakePrefilled(20, 10);
    QImage expected = actual.copy();
    const QRect changed = FillRect(actual, QRect(-3, 4, 10, 20), qRgb(1, 2, 3));
    for (int y = 4; y < 10; ++y) {
        for (int x = 0; x < 7; ++x) {
            expected.setPixel(x, y, qRgb(1, 2, 3));
        }
    }
    EXPECT_TRUE(SamePixels(actual, expected));
    EXPECT_EQ(changed, QRect(0, 4, 7, 6));
    EXPECT_TRUE(FillRect(actual, QRect(20, 0, 5, 5), qRgb(1, 2, 3)).isEmpty());
}

}  // namespace
