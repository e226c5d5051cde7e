#include "render/Surface.h"

#include <gtest/gtest.h>

#include <vector>

#include "SamePixels.h"
#include "TestArt.h"

namespace {

QImage Black(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    return image;
}

TEST(Surface, ResizeGivesABlackPictureOfTheClientSize) {
    CSurface surface;
    surface.Resize(7, 5);
    EXPECT_EQ(surface.Width(), 7);
    EXPECT_EQ(surface.Height(), 5);
    EXPECT_EQ(surface.Image().format(), QImage::Format_RGB32);
    EXPECT_TRUE(SamePixels(surface.Image(), Black(7, 5)));
}

TEST(Surface, ResizeRecreatesTheBlackPictureAndForgetsTheRecord) {
    CSurface surface(4, 4);
    surface.StretchCopy(0, 0, 4, 4, MakePatch(2, 2, 1), 0, 0, 2, 2);
    ASSERT_EQ(surface.Damage().size(), 1u);
    surface.Resize(6, 3);
    EXPECT_TRUE(SamePixels(surface.Image(), Black(6, 3)));
    EXPECT_TRUE(surface.Damage().empty());
}

TEST(Surface, ZeroSizedSurfaceTakesNoDrawing) {
    CSurface surface(0, 0);
    EXPECT_TRUE(surface.Image().isNull());
    EXPECT_TRUE(surface.StretchCopy(0, 0, 10, 10, MakePatch(2, 2, 1), 0, 0, 2, 2).isEmpty());
    EXPECT_TRUE(surface.Damage().empty());
}

TEST(Surface, NegativeSizesCountAsZero) {
    CSurface surface(-5, 10);
    EXPECT_EQ(surface.Width(), 0);
    EXPECT_TRUE(surface.Image().isNull());
}

TEST(Surface, StretchCopyDrawsAndRecordsTheClippedRectangles) {
    CSurface surface(20, 10);
    const QImage patch = MakePatch(4, 2, 1);
    const QRect first = surface.StretchCopy(-3, 2, 8, 4, patch, 0, 0, 4, 2);
    const QRect second = surface.StretchCopy(15, 8, 10, 10, patch, 0, 0, 4, 2);
    EXPECT_EQ(first, QRect(0, 2, 5, 4));
    EXPECT_EQ(second, QRect(15, 8, 5, 2));
    const std::vector<QRect> recorded(surface.Damage().begin(), surface.Damage().end());
    EXPECT_EQ(recorded, (std::vector<QRect>{QRect(0, 2, 5, 4), QRect(15, 8, 5, 2)}));
    EXPECT_EQ(surface.Image().pixel(0, 2), patch.pixel(1, 0)) << "pixel 3 of 8 samples source 1";
    EXPECT_EQ(surface.DamageBounds(), QRect(0, 2, 20, 8));
}

TEST(Surface, TransfersThatDrawNothingLeaveNoRecord) {
    CSurface surface(20, 10);
    surface.StretchCopy(30, 0, 5, 5, MakePatch(4, 4, 1), 0, 0, 4, 4);
    surface.StretchCopy(0, 0, 5, 5, QImage(), 0, 0, 4, 4);
    surface.RecordDamage(QRect());
    EXPECT_TRUE(surface.Damage().empty());
    EXPECT_TRUE(surface.DamageBounds().isEmpty());
}

TEST(Surface, ClearDamageEmptiesTheRecordButKeepsThePicture) {
    CSurface surface(8, 8);
    const QImage patch = MakePatch(8, 8, 1);
    surface.StretchCopy(0, 0, 8, 8, patch, 0, 0, 8, 8);
    surface.ClearDamage();
    EXPECT_TRUE(surface.Damage().empty());
    EXPECT_TRUE(SamePixels(surface.Image(), patch));
}

TEST(Surface, AFullRecordMergesIntoBoundsThatStillCoverEveryDrawnRectangle) {
    CSurface surface(100, 100);
    std::vector<QRect> drawn;
    for (int i = 0; i < 3 * static_cast<int>(CSurface::kDamageCapacity) + 5; ++i) {
        const QRect area((i * 7) % 97, (i * 13) % 97, 2, 2);
        surface.RecordDamage(area);
        drawn.push_back(area);
        ASSERT_LE(surface.Damage().size(), CSurface::kDamageCapacity);
        if (i < static_cast<int>(CSurface::kDamageCapacity)) {
            ASSERT_EQ(surface.Damage().size(), static_cast<std::size_t>(i + 1));
        }
    }
    QRect bounds;
    for (const QRect& area : drawn) {
        bounds |= area;
        bool covered = false;
        for (const QRect& recorded : surface.Damage()) {
            covered = covered || recorded.contains(area);
        }
        EXPECT_TRUE(covered) << area.x() << ", " << area.y();
    }
    EXPECT_EQ(surface.DamageBounds(), bounds);
}

}  // namespace
