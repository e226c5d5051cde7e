// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real game on an X server without a window manager, as a kiosk, a game launcher or a test
// rig runs it: no one but the game hands the keyboard to its windows. Needs Xvfb and xdotool.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

namespace {

constexpr int kWaitMs = 15000;

class BareDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        xvfbPath = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        xdotoolPath = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
        // The test command installs both; a missing one is a fault of the set-up, not a reason
        // to pass without testing.
        ASSERT_FALSE(xvfbPath.isEmpty() || xdotoolPath.isEmpty())
            << "Xvfb and xdotool are needed (Debian packages xvfb and xdotool)";
        // The display number is chosen here, away from the low numbers that desktops and other
        // rigs take. Left to itself the server would take the lowest number free in this
        // system's /tmp, but X's abstract sockets are shared by every system on the machine: a
        // test inside a chroot could then reach a server outside it that holds the same number.
        // A number in use makes the server exit at once, and the next one is tried.
        const int first = 300 + static_cast<int>(QCoreApplication::applicationPid() % 200);
        for (int number = first; number < first + 32 && display.isEmpty(); ++number) {
            display = StartServer(number);
        }
        ASSERT_FALSE(display.isEmpty()) << "the X server did not start";

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        game.setProcessEnvironment(environment);
        game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        game.start(QStringLiteral(SKIRMORA_GAME_PATH), {});
        ASSERT_TRUE(game.waitForStarted(kWaitMs));
    }

    void TearDown() override {
        if (game.state() != QProcess::NotRunning) {
            game.terminate();  // the game closes as by its close button
            if (!game.waitForFinished(kWaitMs)) {
                game.kill();
                game.waitForFinished();
            }
        }
        if (xvfb.state() != QProcess::NotRunning) {
            xvfb.terminate();
            xvfb.waitForFinished(kWaitMs);
        }
    }

    // Starts Xvfb on display `number`; the display's name once the server listens, or empty if
    // the number is taken or the server does not come up. The server writes the number to
    // standard output when it is ready for clients.
    QString StartServer(int number) {
        const QString name = QStringLiteral(":") + QString::number(number);
        xvfb.start(xvfbPath,
                   {name, QStringLiteral("-displayfd"), QStringLiteral("1"),
                    QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1024x768x24"),
                    QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!xvfb.waitForStarted(kWaitMs)) {
            return {};
        }
        QByteArray written;
        QElapsedTimer clock;
        clock.start();
        while (!written.contains('\n') && xvfb.state() == QProcess::Running &&
               clock.elapsed() < kWaitMs) {
            xvfb.waitForReadyRead(100);
            written += xvfb.readAllStandardOutput();
        }
        if (written.trimmed() == QByteArray::number(number)) {
            return name;
        }
        xvfb.kill();
        xvfb.waitForFinished();
        return {};
    }

    // Runs xdotool on the test's display; its standard output, trimmed.
    QString Xdotool(const QStringList& arguments) {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display);
        tool.setProcessEnvironment(environment);
        tool.start(xdotoolPath, arguments);
        if (!tool.waitForFinished(kWaitMs)) {
            tool.kill();
            tool.waitForFinished();
            return {};
        }
        return QString::fromLatin1(tool.readAllStandardOutput().trimmed());
    }

    // The one visible window with exactly this title, once it is there; empty if it never is.
    QString WaitForWindow(const QString& title) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < kWaitMs) {
            const QString found =
                Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                         QStringLiteral("--name"), "^" + title + "$"});
            if (!found.isEmpty() && !found.contains('\n')) {
                return found;
            }
            QThread::msleep(50);
        }
        return {};
    }

    // Whether the keyboard goes to `window` within a few seconds.
    bool WaitForKeyboard(const QString& window) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            if (Xdotool({QStringLiteral("getwindowfocus")}) == window) {
                return true;
            }
            QThread::msleep(50);
        }
        return false;
    }

    void Keys(const QStringList& keys) {
        for (const QString& key : keys) {
            Xdotool({QStringLiteral("key"), key});
            QThread::msleep(150);  // each key handled before the next, as a person types
        }
    }

    QString xvfbPath;
    QString xdotoolPath;
    QProcess xvfb;
    QString display;
    QTemporaryDir configHome;
    QProcess game;
};

TEST_F(BareDisplay, TheMainWindowTakesTheKeyboardWhenShownAndAfterEachDialog) {
    const QString setup = WaitForWindow(QStringLiteral("Nova hra"));
    ASSERT_FALSE(setup.isEmpty()) << "no setup dialog at start-up";
    ASSERT_TRUE(WaitForKeyboard(setup)) << "the setup dialog has no keyboard";
    Keys({QStringLiteral("Return")});
    const QString main = WaitForWindow(QStringLiteral("Skirmora"));
    ASSERT_FALSE(main.isEmpty()) << "the main window did not come up";
    EXPECT_TRUE(WaitForKeyboard(main)) << "after the setup dialog at start-up";

    // Alt alone leads to the menu bar: "Hra", its first item "Nova".
    Keys({QStringLiteral("alt"), QStringLiteral("Down"), QStringLiteral("Return")});
    const QString newGame = WaitForWindow(QStringLiteral("Nova hra"));
    ASSERT_FALSE(newGame.isEmpty()) << "no setup dialog from the menu";
    ASSERT_TRUE(WaitForKeyboard(newGame));
    Keys({QStringLiteral("Return")});
    EXPECT_TRUE(WaitForKeyboard(main)) << "after the setup dialog during play";

    // "Napoveda", its only item "O Aplikaci".
    Keys({QStringLiteral("alt"), QStringLiteral("Right"), QStringLiteral("Down"),
          QStringLiteral("Return")});
    const QString about = WaitForWindow(QStringLiteral("O Aplikaci Skirmora"));
    ASSERT_FALSE(about.isEmpty()) << "no About box from the menu";
    ASSERT_TRUE(WaitForKeyboard(about));
    Keys({QStringLiteral("Escape")});
    EXPECT_TRUE(WaitForKeyboard(main)) << "after the About box";
}

}  // namespace
