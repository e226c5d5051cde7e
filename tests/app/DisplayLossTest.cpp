// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The writes of a lost display, in the game's own process: the platform plugin's report of the
// loss is raised here as the plugin raises it, without the exit that follows it there.

#include <gtest/gtest.h>

#include <QRect>
#include <QThread>
#include <QtTest/QTest>
#include <atomic>
#include <chrono>
#include <thread>

#include "GuiTestSupport.h"
#include "app/DisplayLossWatch.h"
#include "app/SettingsStore.h"
#include "app/WindowRectText.h"

namespace {

constexpr char kX11Loss[] = "The X11 connection broke (error 1). Did the X11 server die?";
constexpr char kWaylandLoss[] = "The Wayland connection broke. Did the Wayland compositor die?";

TEST(DisplayLoss, OnlyThePlatformPluginsReportsOfALostConnectionCount) {
    struct Case {
        const char* name;
        QtMsgType type;
        const char* message;
        bool loss;
    };
    const Case cases[] = {
        {"the X11 plugin's event loop", QtWarningMsg, kX11Loss, true},
        {"Xlib meeting the loss", QtWarningMsg, "The X11 connection broke: I/O error (code 1)",
         true},
        {"the Wayland plugin", QtWarningMsg, kWaylandLoss, true},
        {"a Wayland protocol error", QtWarningMsg,
         "The Wayland connection experienced a fatal error: Protocol error", true},
        {"as a critical message", QtCriticalMsg, kX11Loss, true},
        {"as debugging output", QtDebugMsg, kX11Loss, false},
        {"as information", QtInfoMsg, kWaylandLoss, false},
        {"an X error the plugin lives with", QtWarningMsg,
         "qt.qpa.xcb: QXcbConnection: XCB error: 3 (BadWindow)", false},
        {"the words inside another message", QtWarningMsg,
         "Warning: The X11 connection broke (error 1).", false},
        {"a connection that did not break", QtWarningMsg, "The X11 connection is slow", false},
        {"no message at all", QtWarningMsg, "", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReportsDisplayLoss(c.type, QString::fromLatin1(c.message)), c.loss) << c.name;
    }
}

// A shown main window whose sides were stored as the computer's, and the settings writes it makes.
class DisplayLossTest : public ::testing::Test {
protected:
    void SetUp() override {
        home.Seed("[Hra]\nPL1=1\nPL2=1\n");
        SetSettingWriteObserver([this](const QString& section, const QString& value, bool) {
            writes << section + '/' + value;
        });
    }
    void TearDown() override { SetSettingWriteObserver(nullptr); }

    // What the window would store as its rectangle: its outer rectangle, as it is not maximised.
    static QString OuterRectText(const CArenaFrame& frame) {
        return QString::fromStdString(FormatWindowRect(ToScreenRect(frame.frameGeometry())));
    }

    ScopedConfigHome home;
    QStringList writes;
};

TEST_F(DisplayLossTest, WritesTheValuesOfThatMomentInTheOrderOfAnOrderlyEndAndOnlyOnce) {
    for (const char* report : {kX11Loss, kWaylandLoss}) {
        SCOPED_TRACE(report);
        writes.clear();
        auto frame = MakeFrame();
        ASSERT_TRUE(ShowAndExpose(*frame));
        frame->Battle().leftShip.computer = false;  // as the setup dialog of a new game leaves it
        ASSERT_TRUE(ResizeClientTo(*frame, QSize(700, 450)));
        const QString rect = OuterRectText(*frame);
        ASSERT_NE(rect, "0212 0169 0812 0569") << "the window kept its first size";

        qWarning("%s", report);
        EXPECT_EQ(writes.join(' '), "Vzhled/pozice Hra/PL2 Hra/PL1");
        EXPECT_EQ(ReadSettingText("Vzhled", "pozice"), rect);
        EXPECT_EQ(ReadSettingInt("Hra", "PL1", kPlayerUnset), kPersonDriven);
        EXPECT_EQ(ReadSettingInt("Hra", "PL2", kPlayerUnset), kComputerDriven);

        // Here the plugin would end the process; whatever comes after writes nothing more.
        qWarning("%s", report);
        frame.reset();
        EXPECT_EQ(writes.size(), 3);
    }
}

TEST_F(DisplayLossTest, DuringTheSetupDialogAtStartUpWritesWhatWasRead) {
    const ModalAnswerer answerer([](QDialog& dialog) {
        qWarning("%s", kWaylandLoss);
        return ClickOk(dialog);
    });
    auto frame = std::make_unique<CArenaFrame>();
    EXPECT_TRUE(answerer.Done());
    EXPECT_EQ(writes.join(' '), "Vzhled/pozice Hra/PL2 Hra/PL1");
    EXPECT_EQ(ReadSettingText("Vzhled", "pozice"), "0212 0169 0812 0569");
    EXPECT_EQ(ReadSettingInt("Hra", "PL1", kPlayerUnset), kComputerDriven);
    EXPECT_EQ(ReadSettingInt("Hra", "PL2", kPlayerUnset), kComputerDriven);
}

TEST_F(DisplayLossTest, AfterAnOrderlyEndALossWritesNothing) {
    auto frame = MakeFrame();
    frame.reset();
    EXPECT_EQ(writes.join(' '), "Vzhled/pozice Hra/PL2 Hra/PL1");
    qWarning("%s", kX11Loss);
    EXPECT_EQ(writes.size(), 3);
}

// A plugin thread of its own reports the loss and ends the process when the report returns: the
// writes are the event loop's, and the report returns only once they are done.
TEST_F(DisplayLossTest, AReportFromAnotherThreadReturnsOnlyOnceTheEventLoopHasWritten) {
    auto frame = MakeFrame();
    std::atomic<int> writesDone{0};
    SetSettingWriteObserver([&](const QString& section, const QString& value, bool) {
        EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
        writes << section + '/' + value;
        ++writesDone;
    });
    std::atomic<int> writesAtReturn{-1};
    std::thread plugin([&] {
        qWarning("%s", kWaylandLoss);
        writesAtReturn = writesDone.load();
    });
    const bool returned = WaitUntil([&] { return writesAtReturn.load() >= 0; });
    plugin.join();
    ASSERT_TRUE(returned);
    EXPECT_EQ(writesAtReturn.load(), 3);
    EXPECT_EQ(writes.join(' '), "Vzhled/pozice Hra/PL2 Hra/PL1");
    frame.reset();
    EXPECT_EQ(writes.size(), 3);
}

// Both threads meet the loss at once: the event loop's report runs the writes, and the plugin
// thread's report, which comes while they are going on, returns only once they are done.
TEST_F(DisplayLossTest, AReportFromAnotherThreadDuringTheWritesReturnsOnlyOnceTheyAreDone) {
    auto frame = MakeFrame();
    std::atomic<int> writesDone{0};
    std::atomic<int> writesAtReturn{-1};
    std::thread plugin;
    SetSettingWriteObserver([&](const QString& section, const QString& value, bool) {
        writes << section + '/' + value;
        if (++writesDone == 1) {
            plugin = std::thread([&] {
                qWarning("%s", kWaylandLoss);
                writesAtReturn = writesDone.load();
            });
            // Time for a report that does not wait to return, as the plugin would then end the
            // process under the writes. The event loop is not run here, as it is not in the
            // game's writes.
            for (int waited = 0; waited < 500 && writesAtReturn.load() < 0; waited += 10) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
    });
    qWarning("%s", kWaylandLoss);
    const bool returned = WaitUntil([&] { return writesAtReturn.load() >= 0; });
    ASSERT_TRUE(plugin.joinable());
    plugin.join();
    ASSERT_TRUE(returned);
    EXPECT_EQ(writesAtReturn.load(), 3);
    EXPECT_EQ(writes.join(' '), "Vzhled/pozice Hra/PL2 Hra/PL1");
}

TEST_F(DisplayLossTest, OtherWarningsWriteNothing) {
    auto frame = MakeFrame();
    qWarning("QXcbConnection: XCB error: 3 (BadWindow)");
    qDebug("%s", kX11Loss);
    EXPECT_TRUE(writes.isEmpty());
}

// The rectangle to store follows the window, so that a lost display finds it current, until the
// close handler records it; from then on the orderly end writes what the close recorded.
TEST_F(DisplayLossTest, TheRectangleToStoreFollowsTheWindowUntilItIsClosed) {
    auto frame = MakeFrame();
    ASSERT_TRUE(ShowAndExpose(*frame));
    ASSERT_TRUE(ResizeClientTo(*frame, QSize(640, 480)));
    EXPECT_EQ(frame->NormalRect(), ToScreenRect(frame->frameGeometry()));
    frame->setWindowState(Qt::WindowMaximized);
    ASSERT_TRUE(WaitUntil([&] { return frame->frameGeometry() == kTestScreen; }));
    const ScreenRect restored = frame->NormalRect();
    EXPECT_NE(restored, ToScreenRect(kTestScreen))
        << "the maximised rectangle is not the normal one";
    frame->setWindowState(Qt::WindowNoState);
    ASSERT_TRUE(WaitUntil([&] { return frame->frameGeometry() != kTestScreen; }));
    EXPECT_EQ(frame->NormalRect(), restored);

    frame->close();
    const ScreenRect closed = frame->NormalRect();
    ASSERT_TRUE(ResizeClientTo(*frame, QSize(500, 300)));
    EXPECT_EQ(frame->NormalRect(), closed);
}

}  // namespace
