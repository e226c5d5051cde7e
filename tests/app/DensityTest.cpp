// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window shows at a device pixel ratio, set for the whole process through
// QT_SCALE_FACTOR (CTest runs this program once for each ratio), against the simulator's picture
// of the same battle at the same client size in device pixels.

#include <gtest/gtest.h>

#include <QBackingStore>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <string>

#include "GuiTestSupport.h"
#include "OffscreenScreens.h"
#include "SamePixels.h"
#include "app/DuelApp.h"

namespace {

constexpr std::uint32_t kSeed = 20240517;
constexpr QRgb kPureRed = 0xFFFF0000;

// The simulator's picture of a computer battle from `seed`, `ticks` ticks after its first full
// paint, at the given client size.
QImage SimulatorPicture(std::uint32_t seed, int ticks, int width, int height) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("battle.png"));
    QProcess sim;
    sim.start(QStringLiteral(SKIRMORA_SIM),
              {QStringLiteral("--seed"), QString::number(seed), QStringLiteral("--ticks"),
               QString::number(ticks), QStringLiteral("--size"),
               QStringLiteral("%1x%2").arg(width).arg(height), QStringLiteral("--png"), path});
    if (!sim.waitForFinished(30000) || sim.exitCode() != 0) {
        ADD_FAILURE() << "the simulator failed: " << sim.readAllStandardError().toStdString();
        return {};
    }
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

// What the window shows, in device pixels. The offscreen platform shows a window by keeping its
// buffer, and its screen grabs only the logical size of it; the buffer itself is read instead.
QImage WindowBuffer(CArenaFrame& frame) {
    QBackingStore* const store = frame.backingStore();
    store->beginPaint(QRegion());
    const QPaintDevice* const device = store->paintDevice();
    QImage copy;
    if (device->devType() == QInternal::Image) {
        copy = static_cast<const QImage*>(device)->convertToFormat(QImage::Format_RGB32);
    }
    store->endPaint();
    copy.setDevicePixelRatio(1);
    return copy;
}

class DensityTest : public FrameTest {
protected:
    // The device pixels of the canvas around its client area: the edge and the ring inside it.
    void ExpectEdgeFreeOfTheScene(const std::string& when) {
        CArenaCanvas& canvas = CanvasOf(*frame);
        const QImage window = WindowBuffer(*frame);
        const QRect client = canvas.ClientDeviceRect();
        // The edge is at least one logical pixel wide, so one device pixel outside the client
        // area on each side is the edge's.
        const int bars = client.top() + client.height() / 20;
        int red = 0;
        for (int y = client.top(); y < bars; ++y) {
            red += window.pixel(client.left() - 1, y) == kPureRed;
            red += window.pixel(client.right() + 1, y) == kPureRed;
        }
        EXPECT_EQ(red, 0) << when << ": the bar's red shows on the canvas's edge";
    }
};

TEST_F(DensityTest, TheWindowShowsTheSimulatorsPictureOfTheSameBattlePixelForPixel) {
    const double ratio = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    ASSERT_DOUBLE_EQ(CanvasOf(*frame).devicePixelRatioF(), ratio);
    struct Case {
        const char* name;
        QSize logicalClient;
        int ticks;
    };
    const Case cases[] = {
        {"the stored size", QSize(), 0},
        {"after a battle", QSize(), 250},
        {"an odd size", QSize(401, 267), 180},
        {"a wide size", QSize(903, 301), 120},
    };
    for (const Case& c : cases) {
        if (c.logicalClient.isValid()) {
            ASSERT_TRUE(ResizeClientTo(*frame, c.logicalClient)) << c.name;
        }
        StartKnownBattle();
        Ticks(c.ticks);
        const ClientExtent extent = frame->Extent();
        const QImage shown = WindowBuffer(*frame).copy(CanvasOf(*frame).ClientDeviceRect());
        ASSERT_EQ(shown.size(), QSize(extent.Width(), extent.Height())) << c.name;
        const QImage expected = SimulatorPicture(kSeed, c.ticks, extent.Width(), extent.Height());
        EXPECT_TRUE(SamePixels(shown, expected)) << c.name << " at " << ratio;
        ExpectEdgeFreeOfTheScene(c.name);
    }
}

}  // namespace

// The game's own application object on the offscreen platform, with one screen of known size;
// the pixel ratio comes from QT_SCALE_FACTOR.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const COffscreenScreens screen({QRect(0, 0, 1600, 1200)});
    const CDuelApp application(argc, argv);
    return RUN_ALL_TESTS();
}
