// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real game's screen against the simulator's picture: both sides computer-driven, the game
// plays for a while, is frozen, and a screenshot of the whole screen is taken. Its client area
// must be exactly the simulator's picture of some tick for the game's seed, whatever the scale
// factor, on X11 (openbox) and on Wayland (weston nested in the X server, so that the X server's
// screenshot shows what weston composes). The game seeds its random source from the clock in
// seconds, so the seeds around the start are tried. Needs Xvfb, xdotool, ImageMagick's import,
// and openbox or weston.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QThread>
#include <csignal>
#include <ctime>
#include <iostream>
#include <memory>
#include <ostream>
#include <string>

#include "DisplayServers.h"
#include "GameOnDisplay.h"

namespace {

struct ScreenCase {
    const char* name;
    bool wayland;
    const char* scaleFactor;
};

void PrintTo(const ScreenCase& c, std::ostream* os) {
    *os << c.name;
}

// Away from the display numbers of the other tests and rigs on the machine.
int FirstDisplayNumber() {
    return 300 + static_cast<int>(QCoreApplication::applicationPid() % 50);
}

// Large enough for weston's 1200 x 760 window, which in turn holds the game at scale factor 2.
const QSize kScreenSize(1400, 900);
// The stored outer size, in the game's own (scaled) pixels.
const QByteArray kSettings = "[Vzhled]\npozice=0000 0000 0400 0300\n[Hra]\nPL1=1\nPL2=1\n";

constexpr int kTickMs = 30;
constexpr int kPlayMs = 2000;
// For the tick a timer may fire early on resuming from a freeze.
constexpr int kSpareTicks = 10;
// A screenshot of X11 may fall between two of one tick's rectangles; a real fault spoils all.
constexpr int kAttempts = 3;

// The verdict of skirmora-screen-match on one screenshot.
struct Verdict {
    bool matched = false;
    QString report;
};

Verdict MatchScreen(const QString& screenshot, std::time_t firstSeed, std::time_t lastSeed,
                    int maxTicks, const QString& closest) {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(QStringLiteral(SKIRMORA_SCREEN_MATCH_PATH),
               {screenshot, QStringLiteral("--seeds"),
                QStringLiteral("%1-%2").arg(firstSeed).arg(lastSeed), QStringLiteral("--max-ticks"),
                QString::number(maxTicks), QStringLiteral("--closest-png"), closest});
    if (!tool.waitForStarted(kServerWaitMs) || !WaitForEnd(tool)) {
        return {false, QStringLiteral("skirmora-screen-match did not run")};
    }
    return {tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0,
            QString::fromLocal8Bit(tool.readAll())};
}

// Keeps the screenshot and the simulator's closest picture where SKIRMORA_SCREEN_SHOTS names a
// folder, for a person to look at.
void KeepPictures(const QString& name, const QString& screenshot, const QString& closest) {
    const QString folder = qEnvironmentVariable("SKIRMORA_SCREEN_SHOTS");
    if (folder.isEmpty()) {
        return;
    }
    QDir().mkpath(folder);
    const QString stem = folder + QStringLiteral("/screen-test-") + name;
    QFile::remove(stem + QStringLiteral(".png"));
    QFile::remove(stem + QStringLiteral("-simulator.png"));
    QFile::copy(screenshot, stem + QStringLiteral(".png"));
    QFile::copy(closest, stem + QStringLiteral("-simulator.png"));
}

class ScreenMatch : public ::testing::TestWithParam<ScreenCase> {
protected:
    void SetUp() override {
        RequirePrograms(
            {QStringLiteral("Xvfb"), QStringLiteral("xdotool"), QStringLiteral("import"),
             GetParam().wayland ? QStringLiteral("weston") : QStringLiteral("openbox")});
    }

    // Starts the display servers and the game's environment on them; false with a failure.
    bool StartDisplay(QProcessEnvironment& environment) {
        if (!server.Start(FirstDisplayNumber(), kScreenSize)) {
            ADD_FAILURE() << "the X server did not start";
            return false;
        }
        if (GetParam().wayland) {
            compositor = std::make_unique<WaylandCompositor>();
            if (!compositor->StartNested(server.Display())) {
                ADD_FAILURE() << "weston did not start in the X server";
                return false;
            }
            environment = QProcessEnvironment::systemEnvironment();
            compositor->AddTo(environment);
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
            // The client's record of the protocol tells when the setup dialog comes and goes.
            environment.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
        } else {
            manager = std::make_unique<WindowManager>();
            if (!manager->Start(server.Display())) {
                ADD_FAILURE() << "openbox did not start";
                return false;
            }
            environment = X11Environment(server);
        }
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"),
                           QString::fromLatin1(GetParam().scaleFactor));
        return true;
    }

    // Confirms the setup dialog with Return once it has the keyboard; false with a failure.
    bool ConfirmSetup(const Game& game) {
        if (!GetParam().wayland) {
            const QString setup = server.WaitForWindow(QStringLiteral("Nova hra"));
            if (setup.isEmpty() || !server.WaitForKeyboard(setup)) {
                ADD_FAILURE() << "no setup dialog with the keyboard";
                return false;
            }
            server.Keys({QStringLiteral("Return")});
            return true;
        }
        return ConfirmSetupInWeston(game);
    }

    // Weston's own window on the X server takes the keys for its clients; weston hands them to
    // the dialog once it shows it. Until the dialog's toplevel is destroyed, Return is sent again
    // now and then: one sent before the dialog has the keyboard is lost.
    bool ConfirmSetupInWeston(const Game& game) {
        if (!game.WaitForLog(QStringLiteral("set_title(\"Nova hra\")"))) {
            ADD_FAILURE() << "the setup dialog did not come up on Wayland";
            return false;
        }
        // The record names objects interface@id, or interface#id since libwayland 1.23.
        static const QRegularExpression kTitle(
            QStringLiteral("(xdg_toplevel[@#]\\d+)\\.set_title\\(\"Nova hra\"\\)"));
        const QString toplevel = kTitle.match(ReadAll(game.Log())).captured(1);
        const QString westonWindow =
            server
                .Xdotool(
                    {QStringLiteral("search"), QStringLiteral("--class"), QStringLiteral("weston")})
                .section(u'\n', 0, 0);
        if (toplevel.isEmpty() || westonWindow.isEmpty()) {
            ADD_FAILURE() << "no dialog toplevel in the log, or no weston window on the X server";
            return false;
        }
        server.Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), westonWindow});
        // Weston draws the pointer into its output; over its panel it covers no window.
        server.Xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), westonWindow,
                        QStringLiteral("600"), QStringLiteral("10")});
        const QString destroyed = toplevel + QStringLiteral(".destroy()");
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < kServerWaitMs) {
            QThread::msleep(500);
            if (ReadAll(game.Log()).contains(destroyed)) {
                return true;
            }
            server.Xdotool({QStringLiteral("key"), QStringLiteral("--window"), westonWindow,
                            QStringLiteral("Return")});
        }
        ADD_FAILURE() << "the setup dialog did not take Return";
        return false;
    }

    XServer server;
    std::unique_ptr<WindowManager> manager;
    std::unique_ptr<WaylandCompositor> compositor;
};

TEST_P(ScreenMatch, TheClientAreaIsTheSimulatorsPictureOfATick) {
    QProcessEnvironment environment;
    ASSERT_TRUE(StartDisplay(environment));
    Game game(environment);
    WriteSettings(game.SettingsFile(), kSettings);
    const std::time_t startSecond = std::time(nullptr);
    QElapsedTimer sinceStart;
    sinceStart.start();
    ASSERT_TRUE(game.Start()) << "the game did not start";
    ASSERT_TRUE(ConfirmSetup(game)) << ReadAll(game.Log()).right(2000).toStdString();
    // The random source is seeded before the dialog comes up.
    const std::time_t lastSeed = std::time(nullptr) + 2;
    QThread::msleep(kPlayMs);

    const QTemporaryDir pictures;
    const QString screenshot = pictures.filePath(QStringLiteral("screen.png"));
    const QString closest = pictures.filePath(QStringLiteral("closest.png"));
    Verdict verdict;
    qint64 frozenMs = 0;
    for (int attempt = 0; attempt < kAttempts && !verdict.matched; ++attempt) {
        if (attempt > 0) {
            QThread::msleep(200);  // on to another tick
        }
        // Frozen, the game can draw no further; the moment's wait lets the server finish what it
        // has been sent. It stays frozen while the screenshot is compared, so that the ticks to
        // try stay few: their square is what the comparison costs.
        QElapsedTimer frozen;
        frozen.start();
        game.Send(SIGSTOP);
        const int maxTicks =
            static_cast<int>((sinceStart.elapsed() - frozenMs) / kTickMs) + kSpareTicks;
        QThread::msleep(300);
        const bool taken = server.Screenshot(screenshot);
        if (taken) {
            verdict = MatchScreen(screenshot, startSecond - 2, lastSeed, maxTicks, closest);
        }
        game.Send(SIGCONT);
        frozenMs += frozen.elapsed();
        ASSERT_TRUE(taken) << "no screenshot";
        std::cout << GetParam().name << ", attempt " << attempt + 1 << ":\n"
                  << verdict.report.toStdString();
    }
    KeepPictures(QString::fromLatin1(GetParam().name).toLower(), screenshot, closest);
    EXPECT_TRUE(verdict.matched) << verdict.report.toStdString();

    game.Send(SIGTERM);  // the game closes as by its close button
    EXPECT_TRUE(game.Ended());
}

// The Wayland cases say so in their names, by which a run for a big-endian machine, which cannot
// talk to this machine's compositor, leaves them out.
INSTANTIATE_TEST_SUITE_P(Screens, ScreenMatch,
                         ::testing::Values(ScreenCase{"X11", false, "1"},
                                           ScreenCase{"X11Scale1_5", false, "1.5"},
                                           ScreenCase{"WaylandWeston", true, "1"},
                                           ScreenCase{"WaylandWestonScale1_5", true, "1.5"},
                                           ScreenCase{"WaylandWestonScale2", true, "2"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
