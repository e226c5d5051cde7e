// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAction>
#include <QBackingStore>
#include <QIcon>
#include <QPaintEvent>
#include <QtTest/QTest>
#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "SamePixels.h"
#include "SceneReference.h"
#include "app/ArenaCanvas.h"
#include "app/DuelApp.h"
#include "app/SettingsStore.h"
#include "battle/Random.h"
#include "render/ImageLoader.h"
#include "resources/ResourceIds.h"
#include "resources/ResourcePaths.h"

namespace {

// On the 1024 x 738 work area a window of w x h opens at (512 - w / 2, 369 - h / 2), pushed
// inside the work area, its top-left corner first.
TEST(ArenaFrame, OpensAtTheStoredSizeCentredOnTheWorkArea) {
    struct Case {
        const char* name;
        const char* stored;
        QRect frame;
    };
    const Case cases[] = {
        {"nothing stored gives the first-run size", "", {212, 169, 600, 400}},
        {"the position is not used", "pozice=0100 0050 0900 0650", {112, 69, 800, 600}},
        {"cut to the largest screen", "pozice=0000 0000 1300 0500", {0, 119, 1024, 500}},
        // Read as (-1200, -1100, 0, 0).
        {"too large both ways", "pozice=-1200 -1100 0700 0450", {0, 0, 1024, 738}},
        // Read as (-1500, 100, -1100, 0).
        {"a negative height gives the first-run size",
         "pozice=-1500 0100 -1100 0500",
         {212, 169, 600, 400}},
        {"a zero width gives the first-run size",
         "pozice=0300 0100 0300 0500",
         {212, 169, 600, 400}},
    };
    for (const Case& c : cases) {
        const ScopedConfigHome home;
        home.Seed(QByteArray("[Vzhled]\n") + c.stored + "\n");
        const auto frame = MakeFrame();
        ASSERT_TRUE(ShowAndExpose(*frame)) << c.name;
        EXPECT_EQ(frame->frameGeometry(), c.frame) << c.name << ": " << c.stored;
    }
}

TEST(ArenaFrame, ReadsTheSidesFromTheStoreAndWritesEverythingOnlyAtDestruction) {
    struct Case {
        const char* name;
        const char* stored;
        bool leftComputer, rightComputer;
    };
    const Case cases[] = {
        {"nothing stored: both people", "", false, false},
        {"the left side the computer's", "PL1=1", true, false},
        {"the right side the computer's", "PL1=0\nPL2=1", false, true},
        {"only 1 is the computer; written back as 0", "PL1=2\nPL2=-1", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ScopedConfigHome home;
        home.Seed(QByteArray("[Hra]\n") + c.stored + "\n");
        QStringList writes;
        SetSettingWriteObserver([&](const QString& section, const QString& value, bool) {
            writes << section + '/' + value;
        });
        auto frame = MakeFrame();
        EXPECT_EQ(frame->Battle().leftShip.computer, c.leftComputer);
        EXPECT_EQ(frame->Battle().rightShip.computer, c.rightComputer);
        EXPECT_TRUE(writes.isEmpty());
        frame.reset();
        SetSettingWriteObserver(nullptr);
        EXPECT_EQ(writes.join(' '), "Vzhled/pozice Hra/PL2 Hra/PL1");
        EXPECT_EQ(ReadSettingText("Vzhled", "pozice"), "0212 0169 0812 0569");
        EXPECT_EQ(ReadSettingInt("Hra", "PL1", kPlayerUnset), c.leftComputer ? 1 : 0);
        EXPECT_EQ(ReadSettingInt("Hra", "PL2", kPlayerUnset), c.rightComputer ? 1 : 0);
    }
}

// The sprites in the order of the sides, each side's four in their own order, then the bars;
// the background only once the menu is attached; last the setup dialog's pictures of both ships.
TEST(ArenaFrame, LoadsSpritesAndBarsAsItIsBuiltAndTheBackgroundOnceItHasItsMenu) {
    const ScopedConfigHome home;
    std::vector<int> loads;
    std::vector<bool> menuAtBackground;  // whether the window had its menu, at each load of it
    SetBitmapLoadObserver([&](int id) {
        loads.push_back(id);
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* const built = qobject_cast<CArenaFrame*>(widget);
            if (built != nullptr && id == kBackgroundBitmap) {
                menuAtBackground.push_back(!built->menuBar()->actions().isEmpty());
            }
        }
    });
    const auto frame = MakeFrame();
    SetBitmapLoadObserver(nullptr);
    EXPECT_EQ(loads, (std::vector<int>{kLeftShipImage, kLeftShipMask, kLeftShotImage, kLeftShotMask,
                                       kRightShipImage, kRightShipMask, kRightShotImage,
                                       kRightShotMask, kLeftBarBitmap, kRightBarBitmap,
                                       kBackgroundBitmap, kLeftShipImage, kRightShipImage}));
    EXPECT_EQ(menuAtBackground, std::vector<bool>{true});
}

TEST(ArenaFrame, ExitEndsTheLoopAndDestructionStoresTheRectangleBeforeMaximising) {
    const ScopedConfigHome home;
    SetCompanyKey(QString());  // the application names it
    auto* application = qobject_cast<CDuelApp*>(QCoreApplication::instance());
    {
        const ModalAnswerer answerer(ClickOk);
        application->InitInstance();
        EXPECT_TRUE(answerer.Done());
    }
    CArenaFrame* frame = application->MainFrame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    EXPECT_EQ(frame->windowTitle(), "Skirmora");
    const QIcon emblem(QString::fromStdString(IconResourcePath(kEmblemIcon)));
    EXPECT_EQ(frame->windowIcon().pixmap(32).toImage(), emblem.pixmap(32).toImage());
    EXPECT_NE(MenuAction(*frame, "O Aplikaci"), nullptr);

    frame->setWindowState(Qt::WindowMaximized);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->frameGeometry() == kTestScreen; }));
    QTimer::singleShot(0, MenuAction(*frame, "&Konec"), &QAction::trigger);
    QTimer::singleShot(5000, frame, [] { QCoreApplication::exit(-1); });  // should Exit fail
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(frame->NormalRect(), (ScreenRect{212, 169, 812, 569}));
    EXPECT_EQ(ReadSettingText("Vzhled", "pozice"), "");
    application->DestroyMainFrame();
    EXPECT_EQ(ReadSettingText("Vzhled", "pozice"), "0212 0169 0812 0569");
}

// A copy of the pixels in the window's buffer, read without opening it for painting (as
// DensityTest's WindowBuffer does), since here it matters that only the window opens it.
QImage BufferPixels(QBackingStore& store) {
    const QPaintDevice* const device = store.paintDevice();
    return device->devType() == QInternal::Image ? static_cast<const QImage*>(device)->copy()
                                                 : QImage();
}

// A hidden window takes no drawing: a game ended during its setup dialog is never shown, yet
// its timer may tick before the window's close, and on Wayland opening the buffer of a hidden
// window crashes inside Qt. The battle goes on unseen, and the next show paints it whole.
TEST(ArenaFrame, TicksOfAHiddenWindowLeaveItsBufferAloneAndTheNextShowPaintsItWhole) {
    const ScopedConfigHome home;
    const auto frame = MakeFrame();
    ASSERT_TRUE(ShowAndExpose(*frame));
    QBackingStore* const store = frame->backingStore();
    ASSERT_NE(store, nullptr);
    frame->hide();
    const QImage hidden = BufferPixels(*store);
    ASSERT_FALSE(hidden.isNull());
    const CTickWatch watch(*frame);
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch.Count() >= 25; })) << "the tick timer is idle";
    EXPECT_TRUE(SamePixels(BufferPixels(*store), hidden)) << "a hidden window's tick drew";

    ASSERT_TRUE(ShowAndExpose(*frame));
    FlushUpdates();
    const QImage shown = BufferPixels(*store);
    // A full paint of the scene as it stands, with no tick in between, changes no pixel.
    CanvasOf(*frame).repaint();
    EXPECT_TRUE(SamePixels(shown, BufferPixels(*store)));
}

// Counts the canvas's paint events: Qt's repaints, which a tick never asks for.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
    int paints = 0;
};

class ArenaTickTest : public FrameTest {
protected:
    // The picture the window should show, worked out pixel by pixel from the game's art and the
    // round, beside the window: a full paint of the round as it stands (with the repairs of
    // whatever its resolution would take), then each tick's drawing over it.
    void RestartExpected() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);  // pending paints
        expectedRound = frame->Battle();
        CBattleRound resolved = expectedRound;
        const HitOutcome outcome = resolved.Resolve();
        expected = QImage(frame->Extent().Width(), frame->Extent().Height(), QImage::Format_RGB32);
        PaintExpectedScene(expected, art.View(), expectedRound, outcome, true);
    }

    // One tick of the window against one step of the expected round, its random draws and the
    // tick's drawing over the expected picture: the ships as they stand after the step, then the
    // repairs of the hits that followed.
    void TickAndCompare(const std::string& when, bool compareShown) {
        const std::uint32_t randomBefore = RandomState();
        gate->Tick();
        const std::uint32_t randomAfter = RandomState();
        SeedRandom(randomBefore);
        expectedRound.Advance();
        const CBattleRound drawn = expectedRound;
        const HitOutcome outcome = expectedRound.Resolve();
        sawHit = outcome.anyHit || sawHit;
        PaintExpectedScene(expected, art.View(), drawn, outcome, false);
        EXPECT_EQ(RandomState(), randomAfter) << when;
        EXPECT_TRUE(SameRound(frame->Battle(), expectedRound)) << when;
        if (compareShown) {
            ExpectShown(when);
        }
    }

    void ExpectShown(const std::string& when) {
        const QImage shown = ShownClient(*frame);
        if (shown != expected) {
            ADD_FAILURE() << when << ": " << SamePixels(shown, expected).message();
        }
    }

    GameArt art;
    QImage expected;
    CBattleRound expectedRound;
    bool sawHit = false;
};

TEST_F(ArenaTickTest, EachTickDrawsItsTilesAndRepairsStraightIntoTheWindowWithoutARepaint) {
    StartKnownBattle();
    RestartExpected();
    ExpectShown("the full paint");
    PaintRecorder recorder(CanvasOf(*frame));
    for (int tick = 0; tick < 600 && !HasFailure(); ++tick) {
        TickAndCompare("tick " + std::to_string(tick), tick % 10 == 0 || tick > 590);
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(sawHit) << "the seed gives a battle without hits; choose another";
    EXPECT_EQ(recorder.paints, 0) << "ticks are drawn by the window, not repainted by Qt";
}

// Qt repaints the canvas on its own now and then (focus changes, for one); such a paint is the
// paint handler's, and draws the whole client area anew from the round.
TEST_F(ArenaTickTest, APaintEventRedrawsTheWholeSceneFromTheRound) {
    StartKnownBattle();
    Ticks(150);
    CanvasOf(*frame).update(QRect(0, 0, 3, 3));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    RestartExpected();
    ExpectShown("after a small update");
}

TEST_F(ArenaTickTest, AResizeRepaintsEverythingAndLaterTicksDrawAtTheNewScale) {
    StartKnownBattle();
    Ticks(70);
    struct Case {
        const char* name;
        QSize client;
    };
    const Case cases[] = {
        {"twice as wide as high", QSize(800, 400)},
        {"larger than the world both ways", QSize(1200, 800)},
        {"smaller than a ship's tile", QSize(37, 23)},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(ResizeClientTo(*frame, c.client)) << c.name;
        EXPECT_EQ(frame->Extent().Width(), c.client.width()) << c.name;
        EXPECT_EQ(frame->Extent().Height(), c.client.height()) << c.name;
        RestartExpected();
        ExpectShown(std::string("after the resize: ") + c.name);
        for (int tick = 0; tick < 20 && !HasFailure(); ++tick) {
            TickAndCompare("tick " + std::to_string(tick) + " after the resize: " + c.name, true);
        }
    }
    // A canvas thinner than its edge has an empty client area, and the battle goes on.
    CArenaCanvas& canvas = CanvasOf(*frame);
    const int edge = canvas.height() - canvas.contentsRect().height();
    frame->resize(300, frame->height() - canvas.height() + edge - 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return canvas.height() == edge - 1; }));
    EXPECT_EQ(frame->Extent().Height(), 0);
    EXPECT_EQ(frame->Extent().Width(), canvas.contentsRect().width());
    RestartExpected();
    TickAndCompare("a tick without a client area", false);
}

}  // namespace
