// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The screen matcher on screenshots made of the simulator's own picture: it must find the client
// area, the tick, and every pixel that differs.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>
#include <algorithm>
#include <vector>

#include "ClientSearch.h"
#include "PixelDifference.h"
#include "TickSearch.h"
#include "battle/BattleRound.h"
#include "battle/Random.h"
#include "tools/sim/SimPicture.h"

namespace {

constexpr int kTicks = 57;
// Not a multiple of the world's 600 x 400, so the bars' ends are rounded.
const QRect kClient(123, 77, 437, 291);

// The picture after `ticks` ticks, with one more full paint after tick `repaintAfter` unless it
// is -1.
QImage PictureAfterTicks(int ticks, int repaintAfter = -1) {
    CBattleRound round;
    SeedRandom(5);
    round.NewRound();
    round.leftShip.computer = true;
    round.rightShip.computer = true;
    CSimPicture picture(kClient.width(), kClient.height());
    picture.PaintAll(round);
    for (int tick = 1; tick <= ticks; ++tick) {
        picture.Tick(round);
        if (tick == repaintAfter) {
            picture.PaintAll(round);
        }
    }
    return picture.Image().copy();
}

// The picture on a plain desktop, as a screenshot of the whole screen shows it.
QImage Screenshot(const QImage& picture) {
    QImage screen(900, 600, QImage::Format_RGB32);
    screen.fill(qRgb(40, 60, 80));
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            screen.setPixel(kClient.x() + x, kClient.y() + y, picture.pixel(x, y));
        }
    }
    return screen;
}

TEST(ScreenMatchTool, FindsTheClientAreaByTheEnergyBars) {
    const QImage screen = Screenshot(PictureAfterTicks(kTicks));
    const std::vector<QRect> candidates = ClientCandidates(screen);
    EXPECT_NE(std::find(candidates.begin(), candidates.end(), kClient), candidates.end());
    EXPECT_EQ(ClientCandidates(screen, kClient.size()), std::vector<QRect>{kClient});
}

TEST(ScreenMatchTool, FindsTheTickOfTheSimulatorsPicture) {
    const QImage screen = Screenshot(PictureAfterTicks(kTicks));
    const ClosestTick closest = FindClosestTick(screen, kClient, 3, 7, 100);
    EXPECT_EQ(closest.differing, 0);
    EXPECT_EQ(closest.tick, kTicks);
}

// The ships' old images on their bases differ when the whole picture was drawn once more.
TEST(ScreenMatchTool, FindsTheTickOfAPictureRepaintedDuringPlay) {
    const QImage screen = Screenshot(PictureAfterTicks(kTicks, 3));
    EXPECT_GT(FindClosestTick(screen, kClient, 5, 5, 100).differing, 0);
    const ClosestTick closest = FindClosestTick(screen, kClient, 5, 5, 100, true);
    EXPECT_EQ(closest.differing, 0);
    EXPECT_EQ(closest.tick, kTicks);
    EXPECT_EQ(closest.repaintAfter, 3);
}

TEST(ScreenMatchTool, CountsEveryDifferingPixelOfTheClientAreaAlone) {
    QImage screen = Screenshot(PictureAfterTicks(kTicks));
    screen.setPixel(kClient.topLeft(), qRgb(1, 2, 3));
    screen.setPixel(kClient.bottomRight(), qRgb(1, 2, 3));
    screen.setPixel(kClient.center(), qRgb(1, 2, 3));
    screen.setPixel(kClient.bottomRight() + QPoint(1, 1), qRgb(1, 2, 3));
    const ClosestTick closest = FindClosestTick(screen, kClient, 5, 5, kTicks);
    EXPECT_EQ(closest.differing, 3);
    EXPECT_EQ(closest.tick, kTicks);
}

TEST(ScreenMatchTool, CountsTranslucentPixelsOfTheArea) {
    QImage screen(10, 10, QImage::Format_ARGB32);
    screen.fill(qRgba(0, 0, 0, 255));
    screen.setPixel(2, 2, qRgba(0, 0, 0, 254));
    screen.setPixel(8, 8, qRgba(0, 0, 0, 0));
    EXPECT_EQ(CountTranslucent(screen, QRect(1, 1, 5, 5)), 1);
}

}  // namespace
