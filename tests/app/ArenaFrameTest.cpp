#include <gtest/gtest.h>

#include <QAction>
#include <QIcon>
#include <QPaintEvent>
#include <QtTest/QTest>
#include <string>

#include "GuiTestSupport.h"
#include "SamePixels.h"
#include "app/ArenaCanvas.h"
#include "app/DuelApp.h"
#include "app/SettingsStore.h"
#include "battle/Random.h"
#include "resources/ResourceIds.h"
#include "resources/ResourcePaths.h"

namespace {

// On the 1024 x 738 work area a window of w x h opens at (512 - w / 2, 369 - h / 2), pushed
// inside the work area, its top-left corner first.
TEST(ArenaFrame, OpensAtTheStoredSizeCentredOnTheWorkArea) {
    const struct {
        const char* stored;
        QRect frame;
    } cases[] = {
        {"", {212, 169, 600, 400}},
        {"pozice=0100 0050 0900 0650", {112, 69, 800, 600}},  // the position is not used
        {"pozice=0000 0000 1300 0500", {0, 119, 1024, 500}},  // cut to the largest screen
        // Read as (-1200, -1100, 0, 0): too large both ways.
        {"pozice=-1200 -1100 0700 0450", {0, 0, 1024, 738}},
        // Read as (-1500, 100, -1100, 0): a negative height gives the first-run size.
        {"pozice=-1500 0100 -1100 0500", {212, 169, 600, 400}},
        {"pozice=0300 0100 0300 0500", {212, 169, 600, 400}},
    };
    for (const auto& c : cases) {
        const ScopedConfigHome home;
        home.Seed(QByteArray("[Vzhled]\n") + c.stored + "\n");
        const auto frame = MakeFrame();
        ASSERT_TRUE(ShowAndExpose(*frame));
        EXPECT_EQ(frame->frameGeometry(), c.frame) << c.stored;
    }
}

TEST(ArenaFrame, ReadsTheSidesFromTheStoreAndWritesEverythingOnlyAtDestruction) {
    const struct {
        const char* stored;
        bool leftComputer, rightComputer;
    } cases[] = {
        {"", false, false},
        {"PL1=1", true, false},
        {"PL1=0\nPL2=1", false, true},
        {"PL1=2\nPL2=-1", false, false},  // only 1 is the computer; written back as 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
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
    EXPECT_EQ(frame->NormalRect(), (WindowRect{212, 169, 812, 569}));
    EXPECT_EQ(ReadSettingText("Vzhled", "pozice"), "");
    application->DestroyMainFrame();
    EXPECT_EQ(ReadSettingText("Vzhled", "pozice"), "0212 0169 0812 0569");
}

// Records the regions the canvas paints.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
    QRegion painted;
};

class ArenaTickTest : public FrameTest {
protected:
    // One tick against RunTick on copies of the round, the random state and the surface;
    // returns the copy of the surface, with what RunTick drew recorded in it.
    CSurface TickAndCompare(const std::string& when) {
        CBattleRound expectedRound = frame->Battle();
        CSurface expected = frame->Surface();
        const std::uint32_t randomBefore = RandomState();
        gate->Tick();
        const std::uint32_t randomAfter = RandomState();
        SeedRandom(randomBefore);
        sawHit = RunTick(expectedRound, art.View(), frame->Extent(), expected).anyHit || sawHit;
        EXPECT_EQ(RandomState(), randomAfter) << when;
        EXPECT_TRUE(SameRound(frame->Battle(), expectedRound)) << when;
        if (frame->Surface().Image() != expected.Image()) {
            ADD_FAILURE() << when << ": "
                          << SamePixels(frame->Surface().Image(), expected.Image()).message();
        }
        return expected;
    }

    GameArt art;
    bool sawHit = false;
};

TEST_F(ArenaTickTest, EachTickDrawsWhatRunTickDrawsAndShowsOnlyTheRectanglesItDrew) {
    StartKnownBattle();
    CArenaCanvas& canvas = CanvasOf(*frame);
    PaintRecorder recorder(canvas);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !recorder.painted.isEmpty(); }));
    const auto nextPaint = [&] {
        recorder.painted = QRegion();
        return QTest::qWaitFor([&] { return !recorder.painted.isEmpty(); });
    };
    for (int tick = 0; tick < 600 && !HasFailure(); ++tick) {
        // Every 50th tick is shown on its own, with what earlier ticks drew shown before it.
        const bool shown = tick % 50 == 0;
        ASSERT_TRUE(!shown || tick == 0 || nextPaint());
        const CSurface drawn = TickAndCompare("tick " + std::to_string(tick));
        if (shown) {
            QRegion expected;
            for (const QRect& area : drawn.Damage()) {
                expected += area.translated(canvas.contentsRect().topLeft());
            }
            ASSERT_TRUE(nextPaint());
            EXPECT_EQ(recorder.painted, expected) << "tick " << tick;
        }
    }
    EXPECT_TRUE(sawHit) << "the seed gives a battle without hits; choose another";
    const QImage shown = canvas.grab(canvas.contentsRect()).toImage();
    EXPECT_TRUE(SamePixels(shown.convertToFormat(QImage::Format_RGB32),
                           frame->Surface().Image().convertToFormat(QImage::Format_RGB32)));
}

TEST_F(ArenaTickTest, AResizeRepaintsEverythingAndLaterTicksDrawAtTheNewScale) {
    StartKnownBattle();
    Ticks(70);
    for (const QSize client : {QSize(800, 400), QSize(1200, 800), QSize(37, 23)}) {
        ASSERT_TRUE(ResizeClientTo(*frame, client));
        EXPECT_EQ(frame->Extent().Width(), client.width());
        EXPECT_EQ(frame->Extent().Height(), client.height());
        CBattleRound round = frame->Battle();
        CSurface expected(client.width(), client.height());
        PaintScene(round, art.View(), frame->Extent(), expected);
        EXPECT_TRUE(SamePixels(frame->Surface().Image(), expected.Image()));
        for (int tick = 0; tick < 20 && !HasFailure(); ++tick) {
            TickAndCompare("tick " + std::to_string(tick) + " after the resize");
        }
    }
    // A canvas thinner than its edge has an empty client area, and the battle goes on.
    CArenaCanvas& canvas = CanvasOf(*frame);
    const int edge = canvas.height() - canvas.contentsRect().height();
    frame->resize(300, frame->height() - canvas.height() + edge - 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return canvas.height() == edge - 1; }));
    EXPECT_EQ(frame->Extent().Height(), 0);
    EXPECT_EQ(frame->Extent().Width(), canvas.contentsRect().width());
    TickAndCompare("a tick without a client area");
}

}  // namespace
