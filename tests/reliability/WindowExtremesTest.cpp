// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Extreme client areas: empty, one pixel, and wider than any 32-bit product of a width and a
// world coordinate allows; and the real main window through thousands of resizes.

#include <gtest/gtest.h>

#include <QApplication>
#include <QRandomGenerator>
#include <QScreen>
#include <cstdint>
#include <memory>

#include "FrameDriving.h"
#include "ModalAnswerer.h"
#include "SceneReference.h"
#include "ScratchSettingsHome.h"
#include "app/ArenaCanvas.h"
#include "app/ArenaFrame.h"
#include "battle/BattleRound.h"
#include "battle/Random.h"
#include "play/Sequence.h"
#include "render/GameArt.h"
#include "render/Surface.h"

namespace {

struct ExtremeSize {
    int width, height;
};

class ExtremeClient : public ::testing::TestWithParam<ExtremeSize> {};

// A full paint and a long battle at the size; where the area has pixels, the rows below the
// ships' reach show the background exactly as centre sampling puts it there.
TEST_P(ExtremeClient, DrawsCorrectlyOrNothing) {
    const auto [width, height] = GetParam();
    const GameArt art;
    const ClientExtent client = ClientOfSize(width, height);
    CSurface surface(width, height);
    SeedRandom(7);
    CBattleRound round;
    round.leftShip.computer = round.rightShip.computer = true;
    round.NewRound();
    for (int tick = 0; tick < 3000; ++tick) {
        RunTick(round, art.View(), client, surface);
    }
    round.leftShip.energy = 480;
    round.rightShip.energy = 123;
    PaintScene(round, art.View(), client, surface);

    ASSERT_EQ(surface.Width(), width);
    ASSERT_EQ(surface.Height(), height);
    if (width > 1 && height * 20 / kWorldHeight > 0) {
        // The left bar ends where its remaining energy puts it; at 16000 pixels the product
        // of width, energy and bar length needs more than 32 bits.
        const auto barEnd = static_cast<int>(std::int64_t{width} * 480 * 290 / (600 * 500));
        const QRgb barColour = art.bars.leftBar.pixel(0, 0);
        EXPECT_EQ(surface.Image().pixel(barEnd - 1, 0), barColour);
        EXPECT_NE(surface.Image().pixel(barEnd, 0), barColour);
    }
    const QImage& background = art.background;
    // World rows from 320 down are never reached by a ship inside its box or by its shots.
    const int firstRow = static_cast<int>(320LL * height / kWorldHeight);
    for (int y = firstRow; y < height; ++y) {
        const auto sourceY = static_cast<int>((2LL * y + 1) * kWorldHeight / (2LL * height));
        for (int x = 0; x < width; x += 7) {
            const auto sourceX = static_cast<int>((2LL * x + 1) * kWorldWidth / (2LL * width));
            ASSERT_EQ(surface.Image().pixel(x, y), background.pixel(sourceX, sourceY))
                << "at " << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ExtremeClient,
                         ::testing::Values(ExtremeSize{0, 0}, ExtremeSize{1, 1},
                                           ExtremeSize{16000, 200}, ExtremeSize{40000, 3}),
                         [](const auto& info) {
                             return std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height);
                         });

TEST(ResizeStorm, LeavesThePictureAsAFreshPaintDrawsIt) {
    const CScratchSettingsHome home;
    // Accepts the setup dialog that the main window runs from its constructor.
    const CModalAnswerer answerer(Accept, [] { ADD_FAILURE() << "the setup dialog stayed"; });
    CArenaFrame frame;
    frame.Battle().leftShip.computer = frame.Battle().rightShip.computer = true;
    frame.show();

    QRandomGenerator random(99);
    for (int i = 0; i < 3000; ++i) {
        // Mostly ordinary sizes, now and then a tiny or a very wide window.
        const int width = i % 97 == 0 ? 1 : i % 89 == 0 ? 16000 : random.bounded(1, 1600);
        const int height = i % 83 == 0 ? 1 : random.bounded(1, 1000);
        frame.resize(width, height);
        QApplication::processEvents();
    }
    frame.resize(777, 555);
    QApplication::processEvents();
    frame.StopTick();
    const CBattleRound before = frame.Battle();
    frame.PaintAll();

    // The full paint worked out pixel by pixel: the round as it stands, with the repairs of
    // whatever its resolution takes.
    CBattleRound resolved = before;
    const HitOutcome outcome = resolved.Resolve();
    const GameArt art;
    QImage expected(frame.Extent().Width(), frame.Extent().Height(), QImage::Format_RGB32);
    PaintExpectedScene(expected, art.View(), before, outcome, true);
    FlushUpdates();
    const QRect client = CanvasOf(frame).ClientDeviceRect();
    const QImage shown = frame.screen()
                             ->grabWindow(frame.winId())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32)
                             .copy(client);
    EXPECT_EQ(shown.width(), frame.Extent().Width());
    EXPECT_EQ(shown.height(), frame.Extent().Height());
    EXPECT_GT(frame.Extent().Width(), 700);
    EXPECT_TRUE(shown == expected);
}

}  // namespace

int main(int argc, char** argv) {
    // No display is needed, also when the test runner lists the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
