// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real game when its display server dies under it, as a crashed X server, a lost remote
// session, a killed Xwayland or a crashed Wayland compositor ends it: Qt's platform plugin ends
// the game, and what the player chose must be stored all the same, as an orderly end would have
// stored it. Needs Xvfb, xdotool and openbox for X11 and weston for Wayland.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSize>
#include <csignal>
#include <ostream>
#include <string>

#include "DisplayServers.h"
#include "GameOnDisplay.h"
#include "GameProcess.h"

void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

// Neither these tests' own display numbers nor those of other rigs on the machine.
int FirstDisplayNumber() {
    return 200 + static_cast<int>(QCoreApplication::applicationPid() % 100);
}

// The stored rectangle's size; empty unless the text has the stored format.
QSize StoredSize(const QString& windowRect) {
    static const QRegularExpression kStored(QStringLiteral(
        "^(-\\d{3}|\\d{4,}) (-\\d{3}|\\d{4,}) (-\\d{3}|\\d{4,}) (-\\d{3}|\\d{4,})$"));
    const QRegularExpressionMatch match = kStored.match(windowRect);
    if (!match.hasMatch()) {
        return {};
    }
    return {match.captured(3).toInt() - match.captured(1).toInt(),
            match.captured(4).toInt() - match.captured(2).toInt()};
}

enum class Ending { CloseOnSigterm, KillTheServer };

struct X11Case {
    const char* name;
    bool windowManager;
};

void PrintTo(const X11Case& c, std::ostream* os) {
    *os << c.name;
}

class LostX11Display : public ::testing::TestWithParam<X11Case> {
protected:
    void SetUp() override {
        RequirePrograms({QStringLiteral("Xvfb"), QStringLiteral("xdotool")});
        if (GetParam().windowManager) {
            RequirePrograms({QStringLiteral("openbox")});
        }
    }

    // Plays as a new player would, from both sides stored as the computer's: ticks "Clovek" for
    // the left side in the setup dialog, confirms, resizes the window to 900 x 700, and ends the
    // game as `ending` says. What the game stored.
    StoredValues PlayAndEnd(Ending ending) {
        XServer server;
        if (!server.Start(FirstDisplayNumber())) {
            ADD_FAILURE() << "the X server did not start";
            return {};
        }
        WindowManager manager;
        if (GetParam().windowManager && !manager.Start(server.Display())) {
            ADD_FAILURE() << "openbox did not start";
            return {};
        }
        Game game(X11Environment(server));
        WriteSettings(game.SettingsFile(), "[Hra]\nPL1=1\nPL2=1\n");
        if (!game.Start()) {
            ADD_FAILURE() << "the game did not start";
            return {};
        }
        if (!Play(server)) {
            return {};
        }
        if (ending == Ending::CloseOnSigterm) {
            // Its exit status is the orderly end's own tests' to check: under the leak checker a
            // leak in the X11 plugin's D-Bus library changes it.
            game.Send(SIGTERM);
            EXPECT_TRUE(game.Ended());
        } else {
            server.Kill();
            // The plugin's own report and exit stay as they are.
            EXPECT_TRUE(game.Ended()) << "the game did not end, or crashed";
            EXPECT_NE(game.ExitCode(), 0);
            EXPECT_TRUE(ReadAll(game.Log()).contains(QStringLiteral("The X11 connection broke")))
                << ReadAll(game.Log()).toStdString();
        }
        return ReadStoredValues(game.SettingsFile());
    }

    // The setup dialog opens with the keyboard on OK; the left side's box comes next.
    static bool Play(const XServer& server) {
        const QString setup = server.WaitForWindow(QStringLiteral("Nova hra"));
        if (setup.isEmpty() || !server.WaitForKeyboard(setup)) {
            ADD_FAILURE() << "no setup dialog with the keyboard";
            return false;
        }
        server.Keys({QStringLiteral("Tab"), QStringLiteral("space"), QStringLiteral("Return")});
        const QString main = server.WaitForWindow(QStringLiteral("Skirmora"));
        if (main.isEmpty() || !server.WaitForKeyboard(main)) {
            ADD_FAILURE() << "the main window did not come up with the keyboard";
            return false;
        }
        server.Xdotool({QStringLiteral("windowsize"), QStringLiteral("--sync"), main,
                        QStringLiteral("900"), QStringLiteral("700")});
        // The About box answers keys sent after the resize, so once it is up and gone again the
        // game has handled the resize too.
        server.Keys({QStringLiteral("alt"), QStringLiteral("Right"), QStringLiteral("Down"),
                     QStringLiteral("Return")});
        const QString about = server.WaitForWindow(QStringLiteral("O Aplikaci Skirmora"));
        if (about.isEmpty() || !server.WaitForKeyboard(about)) {
            ADD_FAILURE() << "no About box from the menu";
            return false;
        }
        server.Keys({QStringLiteral("Escape")});
        if (!server.WaitForKeyboard(main)) {
            ADD_FAILURE() << "the keyboard did not come back to the main window";
            return false;
        }
        return true;
    }
};

TEST_P(LostX11Display, StoresTheNewChoicesAndTheOuterRectangleAsAnOrderlyEndDoes) {
    const StoredValues orderly = PlayAndEnd(Ending::CloseOnSigterm);
    ASSERT_TRUE(orderly.wellFormed);
    ASSERT_EQ(orderly.left, "0") << "the left side's box was not ticked";
    ASSERT_EQ(orderly.right, "1");
    const QSize size = StoredSize(orderly.windowRect);
    if (GetParam().windowManager) {
        EXPECT_GT(size.width(), 900) << "the frame belongs to the outer rectangle";
        EXPECT_GT(size.height(), 700) << "the frame belongs to the outer rectangle";
    } else {
        EXPECT_EQ(size, QSize(900, 700)) << orderly.windowRect.toStdString();
    }

    const StoredValues lost = PlayAndEnd(Ending::KillTheServer);
    EXPECT_TRUE(lost.wellFormed);
    EXPECT_EQ(lost.left, "0");
    EXPECT_EQ(lost.right, "1");
    EXPECT_EQ(lost.windowRect, orderly.windowRect);
}

INSTANTIATE_TEST_SUITE_P(Servers, LostX11Display,
                         ::testing::Values(X11Case{"Bare", false}, X11Case{"Openbox", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// Nothing stored yet; the compositor dies while the setup dialog is up: the game starts with its
// defaults, and at the loss all three values are written as an orderly end would write them.
TEST(LostWaylandDisplay, StoresAllThreeValuesWhenTheCompositorDiesDuringTheSetupDialog) {
    RequirePrograms({QStringLiteral("weston")});
    if (::testing::Test::IsSkipped()) {
        return;
    }
    WaylandCompositor compositor;
    ASSERT_TRUE(compositor.Start()) << "weston did not start";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    compositor.AddTo(environment);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    // The client's record of the protocol tells when the dialog's window is made.
    environment.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    Game game(environment);
    ASSERT_TRUE(game.Start());
    ASSERT_TRUE(game.WaitForLog(QStringLiteral("set_title(\"Nova hra\")")))
        << "the setup dialog did not come up on Wayland";
    ASSERT_FALSE(QFile::exists(game.SettingsFile())) << "something was written while it ran";

    compositor.Kill();
    EXPECT_TRUE(game.Ended()) << "the game did not end, or crashed";
    EXPECT_NE(game.ExitCode(), 0);
    EXPECT_TRUE(ReadAll(game.Log()).contains(QStringLiteral("The Wayland connection broke")));
    const StoredValues stored = ReadStoredValues(game.SettingsFile());
    EXPECT_TRUE(stored.wellFormed);
    EXPECT_EQ(stored.left, "0");
    EXPECT_EQ(stored.right, "0");
    EXPECT_EQ(StoredSize(stored.windowRect), QSize(600, 400)) << stored.windowRect.toStdString();
}

}  // namespace
