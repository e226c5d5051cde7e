// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real game on an X server without a window manager, as a kiosk, a game launcher or a test
// rig runs it: no one but the game hands the keyboard to its windows. Needs Xvfb and xdotool.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "DisplayServers.h"

namespace {

class BareDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        // The test command installs both; a missing one is a fault of the set-up, not a reason
        // to pass without testing.
        ASSERT_FALSE(ProgramPath(QStringLiteral("Xvfb")).isEmpty() ||
                     ProgramPath(QStringLiteral("xdotool")).isEmpty())
            << "Xvfb and xdotool are needed (Debian packages xvfb and xdotool)";
        // Away from the low numbers that desktops and other rigs take.
        const int first = 300 + static_cast<int>(QCoreApplication::applicationPid() % 200);
        ASSERT_TRUE(server.Start(first)) << "the X server did not start";

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), server.Display());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        game.setProcessEnvironment(environment);
        game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        game.start(QStringLiteral(SKIRMORA_GAME_PATH), {});
        ASSERT_TRUE(game.waitForStarted(kServerWaitMs));
    }

    void TearDown() override {
        if (game.state() != QProcess::NotRunning) {
            game.terminate();  // the game closes as by its close button
            WaitForEnd(game);
        }
    }

    XServer server;
    QTemporaryDir configHome;
    QProcess game;
};

TEST_F(BareDisplay, TheMainWindowTakesTheKeyboardWhenShownAndAfterEachDialog) {
    const QString setup = server.WaitForWindow(QStringLiteral("Nova hra"));
    ASSERT_FALSE(setup.isEmpty()) << "no setup dialog at start-up";
    ASSERT_TRUE(server.WaitForKeyboard(setup)) << "the setup dialog has no keyboard";
    server.Keys({QStringLiteral("Return")});
    const QString main = server.WaitForWindow(QStringLiteral("Skirmora"));
    ASSERT_FALSE(main.isEmpty()) << "the main window did not come up";
    EXPECT_TRUE(server.WaitForKeyboard(main)) << "after the setup dialog at start-up";

    // Alt alone leads to the menu bar: "Hra", its first item "Nova".
    server.Keys({QStringLiteral("alt"), QStringLiteral("Down"), QStringLiteral("Return")});
    const QString newGame = server.WaitForWindow(QStringLiteral("Nova hra"));
    ASSERT_FALSE(newGame.isEmpty()) << "no setup dialog from the menu";
    ASSERT_TRUE(server.WaitForKeyboard(newGame));
    server.Keys({QStringLiteral("Return")});
    EXPECT_TRUE(server.WaitForKeyboard(main)) << "after the setup dialog during play";

    // "Napoveda", its only item "O Aplikaci".
    server.Keys({QStringLiteral("alt"), QStringLiteral("Right"), QStringLiteral("Down"),
                 QStringLiteral("Return")});
    const QString about = server.WaitForWindow(QStringLiteral("O Aplikaci Skirmora"));
    ASSERT_FALSE(about.isEmpty()) << "no About box from the menu";
    ASSERT_TRUE(server.WaitForKeyboard(about));
    server.Keys({QStringLiteral("Escape")});
    EXPECT_TRUE(server.WaitForKeyboard(main)) << "after the About box";
}

}  // namespace
