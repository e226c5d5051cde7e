// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole game as a process: ended by the signals a session or a terminal sends, started on
// damaged settings, and run twice at once. Each game is ended by SIGTERM, so every case also
// shows that the game started and reached its event loop.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSize>
#include <QThread>
#include <csignal>
#include <functional>
#include <random>

#include "GameProcess.h"

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The size of a stored rectangle, from its four fields.
QSize StoredSize(const QString& windowRect) {
    const QStringList fields = windowRect.split(u' ');
    if (fields.size() != 4) {
        return {};
    }
    return {fields[2].toInt() - fields[0].toInt(), fields[3].toInt() - fields[1].toInt()};
}

// Ends a game that was started, and checks that it ended the orderly way.
void EndWithSignal(GameProcess& game, int signalNumber) {
    ASSERT_TRUE(game.WaitUntilListening());
    // Most often the setup dialog is up by now; a signal before it waits for the event loop.
    QThread::msleep(300);
    game.Send(signalNumber);
    EXPECT_TRUE(game.ExitedCleanly());
}

class ShutdownSignal : public ::testing::TestWithParam<int> {};

TEST_P(ShutdownSignal, ClosesTheGameLikeItsCloseButtonAndKeepsTheSettings) {
    GameProcess game;
    WriteFile(game.SettingsFile(), "[Hra]\nPL1=1\nPL2=1\n\n[Vzhled]\npozice=0000 0000 0700 0500\n");
    game.Start();
    EndWithSignal(game, GetParam());

    const StoredValues stored = ReadStoredValues(game.SettingsFile());
    EXPECT_TRUE(stored.wellFormed);
    EXPECT_EQ(stored.left, "1");
    EXPECT_EQ(stored.right, "1");
    EXPECT_EQ(StoredSize(stored.windowRect), QSize(700, 500)) << stored.windowRect.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Signals, ShutdownSignal, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const auto& info) {
                             return info.param == SIGTERM  ? std::string("Term")
                                    : info.param == SIGINT ? std::string("Int")
                                                           : std::string("Hup");
                         });

struct DamagedCase {
    const char* name;
    std::function<void(const QString& file)> damage;
    bool writable;  // whether the game can leave its values in the file at exit
};

void PrintTo(const DamagedCase& c, std::ostream* os) {
    *os << c.name;
}

QByteArray Garbage(qsizetype size) {
    std::mt19937 random(12345);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random() & 0xFF);
    }
    return bytes;
}

const DamagedCase kDamagedCases[] = {
    {"BinaryGarbage", [](const QString& f) { WriteFile(f, Garbage(4096)); }, true},
    {"Truncated",
     [](const QString& f) { WriteFile(f, "[Hra]\nPL1=1\nPL2=0\n\n[Vzhled]\npozice=0100 01"); },
     true},
    {"EnormousValues",
     [](const QString& f) {
         WriteFile(f,
                   "[Hra]\nPL1=99999999999999999999\nPL2=-99999999999999\n[Vzhled]\n"
                   "pozice=99999999999999999999 99999999 -9999999999 1e308\n");
     },
     true},
    {"NegativeValues",
     [](const QString& f) {
         WriteFile(f, "[Hra]\nPL1=-5\nPL2=-1\n[Vzhled]\npozice=-999 -999 -100 -100\n");
     },
     true},
    {"HundredMegabytes",
     [](const QString& f) {
         QByteArray line = "[Vzhled]\npozice=" + QByteArray(1 << 20, '7') + '\n';
         QDir().mkpath(QFileInfo(f).absolutePath());
         QFile file(f);
         ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         for (int i = 0; i < 100; ++i) {
             ASSERT_EQ(file.write(line), line.size());
         }
     },
     true},
    {"DirectoryInItsPlace", [](const QString& f) { QDir().mkpath(f); }, false},
    {"PipeInItsPlace",
     [](const QString& f) {
         QDir().mkpath(QFileInfo(f).absolutePath());
         ASSERT_EQ(::mkfifo(QFile::encodeName(f).constData(), 0600), 0);
     },
     false},
};

class DamagedSettings : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedSettings, StartWithDefaultsAndLeaveWellFormedValues) {
    GameProcess game;
    GetParam().damage(game.SettingsFile());
    game.Start();
    EndWithSignal(game, SIGTERM);

    const QFileInfo after(game.SettingsFile());
    if (!GetParam().writable) {
        EXPECT_FALSE(after.isFile()) << "the thing in the file's place is left alone";
        return;
    }
    const StoredValues stored = ReadStoredValues(game.SettingsFile());
    EXPECT_TRUE(stored.wellFormed);
    EXPECT_TRUE(stored.left == "0" || stored.left == "1") << stored.left.toStdString();
    EXPECT_TRUE(stored.right == "0" || stored.right == "1") << stored.right.toStdString();
    static const QRegularExpression kRect(
        QStringLiteral("^-?\\d{3,} -?\\d{3,} -?\\d{3,} -?\\d{3,}$"));
    EXPECT_TRUE(kRect.match(stored.windowRect).hasMatch()) << stored.windowRect.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedSettings, ::testing::ValuesIn(kDamagedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DamagedSettingsAside, AnOversizedFileIsKeptBesideTheFreshOne) {
    GameProcess game;
    kDamagedCases[4].damage(game.SettingsFile());
    game.Start();
    EndWithSignal(game, SIGTERM);
    EXPECT_GT(QFileInfo(game.SettingsFile() + QStringLiteral(".damaged")).size(), 100'000'000);
}

TEST(TwoGames, EndingTogetherLeaveAWellFormedFile) {
    GameProcess first;
    GameProcess second;
    first.Start();
    second.Start(first.ConfigHome());
    ASSERT_TRUE(first.WaitUntilListening());
    ASSERT_TRUE(second.WaitUntilListening());
    QThread::msleep(300);
    first.Send(SIGTERM);
    second.Send(SIGTERM);
    EXPECT_TRUE(first.ExitedCleanly());
    EXPECT_TRUE(second.ExitedCleanly());

    const StoredValues stored = ReadStoredValues(first.SettingsFile());
    EXPECT_TRUE(stored.wellFormed);
    EXPECT_EQ(stored.left, "0");
    EXPECT_EQ(stored.right, "0");
    EXPECT_EQ(StoredSize(stored.windowRect), QSize(600, 400));
}

}  // namespace
