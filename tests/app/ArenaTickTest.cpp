#include <gtest/gtest.h>

#include <QImage>
#include <QtTest/QTest>
#include <cstdint>
#include <memory>
#include <string>

#include "GuiTestSupport.h"
#include "SamePixels.h"
#include "app/ArenaCanvas.h"
#include "app/ArenaFrame.h"
#include "battle/Random.h"

// The tick, the full paint and the resize of the main window, each compared with the battle
// and drawing functions run on copies of the same state.

namespace {

constexpr std::uint32_t kSeed = 20240517;

// A main window on the screen with its tick running, and the tick's timer identifier, so that
// a test can run single ticks itself; between them no event loop runs, so nothing else
// changes the battle or the surface.
class ArenaTickTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.IsValid());
        frame = MakeFrame();
        ASSERT_TRUE(ShowAndExpose(*frame));
        probe = std::make_unique<TickProbe>(*frame);
        ASSERT_TRUE(frame->TickRunning());
        ASSERT_TRUE(probe->WaitForMore(2)) << "the tick timer delivers no ticks";
    }

    // Both sides computer-driven from a new round with a known random state: the battle plays
    // itself the same way every run.
    void StartKnownBattle() {
        frame->Battle().leftShip.computer = true;
        frame->Battle().rightShip.computer = true;
        SeedRandom(kSeed);
        frame->Battle().NewRound();
        frame->PaintAll();
    }

    void Tick() { DeliverTick(*frame, probe->LatestTimerId()); }

    // One tick of the window against RunTick on copies of the battle, the random state and the
    // surface; returns RunTick's outcome.
    HitOutcome TickAndCompare(const std::string& when) {
        CBattleRound expectedRound = frame->Battle();
        CSurface expectedSurface = frame->Surface();
        const std::uint32_t randomBefore = RandomState();

        Tick();
        const std::uint32_t randomAfter = RandomState();

        SeedRandom(randomBefore);
        const HitOutcome outcome =
            RunTick(expectedRound, art.View(), frame->Extent(), expectedSurface);
        EXPECT_EQ(RandomState(), randomAfter) << when;
        EXPECT_TRUE(SameRound(frame->Battle(), expectedRound)) << when;
        // QImage's own comparison is quick; the pixel report only runs when it fails.
        if (frame->Surface().Image() != expectedSurface.Image()) {
            ADD_FAILURE()
                << when << ": "
                << SamePixels(frame->Surface().Image(), expectedSurface.Image()).message();
        }
        return outcome;
    }

    ScopedConfigHome home;
    LoadedArt art;
    std::unique_ptr<CArenaFrame> frame;
    std::unique_ptr<TickProbe> probe;
};

TEST_F(ArenaTickTest, EachTickAdvancesTheBattleAndDrawsExactlyWhatRunTickDraws) {
    StartKnownBattle();
    const CBattleRound start = frame->Battle();
    bool sawHit = false;
    for (int tick = 0; tick < 600 && !HasFailure(); ++tick) {
        sawHit = TickAndCompare("tick " + std::to_string(tick)).anyHit || sawHit;
    }
    EXPECT_FALSE(SameRound(frame->Battle(), start));
    // The run covers the repairs after a hit: erased shots and blanked bars.
    EXPECT_TRUE(sawHit) << "the seed gives a battle without hits; choose another";
}

TEST_F(ArenaTickTest, FullPaintDrawsExactlyWhatPaintSceneDraws) {
    StartKnownBattle();
    for (int tick = 0; tick < 150; ++tick) {
        Tick();
    }
    // Part of each bar is gone.
    frame->Battle().leftShip.energy = 321;
    frame->Battle().rightShip.energy = 77;
    CBattleRound expectedRound = frame->Battle();
    CSurface expected(frame->Extent().Width(), frame->Extent().Height());

    frame->PaintAll();
    PaintScene(expectedRound, art.View(), frame->Extent(), expected);
    EXPECT_TRUE(SamePixels(frame->Surface().Image(), expected.Image()));
    EXPECT_TRUE(SameRound(frame->Battle(), expectedRound));
}

TEST_F(ArenaTickTest, CanvasShowsTheSurfacePixelForPixel) {
    StartKnownBattle();
    for (int tick = 0; tick < 80; ++tick) {
        Tick();
    }
    frame->StopTick();
    frame->PaintAll();
    CArenaCanvas& canvas = CanvasOf(*frame);
    const QImage shown =
        canvas.grab(canvas.contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(SamePixels(shown, frame->Surface().Image().convertToFormat(QImage::Format_RGB32)));
}

struct ClientCase {
    const char* name;
    QSize client;
};

void PrintTo(const ClientCase& c, std::ostream* os) {
    *os << c.name;
}

const ClientCase kClients[] = {
    {"Wider", {800, 400}},
    {"Taller", {300, 500}},
    {"LargerThanTheScreen", {1200, 800}},
    {"Small", {37, 23}},
    {"OneWorldUnitToOnePixel", {600, 400}},
};

class Resizing : public ArenaTickTest, public ::testing::WithParamInterface<ClientCase> {};

TEST_P(Resizing, ExtentAndSurfaceFollowTheClientAreaAndLaterTicksDrawAtTheNewScale) {
    StartKnownBattle();
    for (int tick = 0; tick < 70; ++tick) {
        Tick();
    }
    const QSize client = GetParam().client;
    ASSERT_TRUE(ResizeClientTo(*frame, client));
    EXPECT_EQ(frame->Extent().Width(), client.width());
    EXPECT_EQ(frame->Extent().Height(), client.height());
    EXPECT_EQ(frame->Surface().Image().size(), client);
    for (int tick = 0; tick < 40 && !HasFailure(); ++tick) {
        TickAndCompare("tick " + std::to_string(tick) + " after the resize");
    }
}

TEST_P(Resizing, ResizeRedrawsTheWholePictureAtTheNewSize) {
    StartKnownBattle();
    for (int tick = 0; tick < 70; ++tick) {
        Tick();
    }
    frame->StopTick();  // nothing but the resize draws now
    const QSize client = GetParam().client;
    ASSERT_TRUE(ResizeClientTo(*frame, client));
    CBattleRound expectedRound = frame->Battle();
    CSurface expected(client.width(), client.height());
    PaintScene(expectedRound, art.View(), ClientOfSize(client.width(), client.height()), expected);
    EXPECT_TRUE(SamePixels(frame->Surface().Image(), expected.Image()));
}

INSTANTIATE_TEST_SUITE_P(ArenaFrame, Resizing, ::testing::ValuesIn(kClients),
                         [](const auto& info) { return std::string(info.param.name); });

const ClientCase kEmptyClients[] = {
    {"ZeroHeight", {300, 0}},
    {"ZeroWidth", {0, 200}},
};

class EmptyClient : public ArenaTickTest, public ::testing::WithParamInterface<ClientCase> {};

TEST_P(EmptyClient, TicksAdvanceTheBattleAndDrawNothingUntilTheAreaComesBack) {
    StartKnownBattle();
    const QSize client = GetParam().client;
    ASSERT_TRUE(ResizeClientTo(*frame, client));
    EXPECT_EQ(frame->Extent().Width(), client.width());
    EXPECT_EQ(frame->Extent().Height(), client.height());
    EXPECT_TRUE(frame->Surface().Image().isNull() || frame->Surface().Image().sizeInBytes() == 0);

    CBattleRound expectedRound = frame->Battle();
    const std::uint32_t randomBefore = RandomState();
    for (int tick = 0; tick < 100; ++tick) {
        Tick();
    }
    frame->PaintAll();
    SeedRandom(randomBefore);
    CSurface nowhere;
    for (int tick = 0; tick < 100; ++tick) {
        RunTick(expectedRound, art.View(), ClientOfSize(0, 0), nowhere);
    }
    EXPECT_TRUE(SameRound(frame->Battle(), expectedRound));

    frame->StopTick();
    ASSERT_TRUE(ResizeClientTo(*frame, {600, 400}));
    CSurface expected(600, 400);
    PaintScene(expectedRound, art.View(), ClientOfSize(600, 400), expected);
    EXPECT_TRUE(SamePixels(frame->Surface().Image(), expected.Image()));
}

INSTANTIATE_TEST_SUITE_P(ArenaFrame, EmptyClient, ::testing::ValuesIn(kEmptyClients),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ArenaTickTest, CanvasThinnerThanItsEdgeHasAnEmptyClientArea) {
    StartKnownBattle();
    CArenaCanvas& canvas = CanvasOf(*frame);
    const int edge = canvas.height() - canvas.contentsRect().height();
    ASSERT_GT(edge, 1) << "the canvas has no edge to be thinner than";
    const int besideCanvas = frame->height() - canvas.height();
    frame->resize(300, besideCanvas + edge - 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return canvas.height() == edge - 1; }, kWaitLimitMs));

    EXPECT_EQ(frame->Extent().Height(), 0);
    EXPECT_EQ(frame->Extent().Width(), canvas.contentsRect().width());
    const CBattleRound before = frame->Battle();
    for (int tick = 0; tick < 100; ++tick) {
        Tick();
    }
    frame->PaintAll();
    EXPECT_FALSE(SameRound(frame->Battle(), before)) << "the battle stood still";
}

}  // namespace
