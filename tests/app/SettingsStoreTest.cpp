// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <climits>

#include <sys/stat.h>

#include "GuiTestSupport.h"
#include "app/SettingsStore.h"
#include "app/WindowRectText.h"

namespace {

TEST(ApplicationKey, IsTheExecutablesFileNameWithoutItsLastExtension) {
    const char* const cases[][2] = {
        {"/usr/bin/skirmora", "skirmora"},  {"/opt/game.d/skirmora", "skirmora"},
        {"C:/games/duel.exe", "duel"},      {"/opt/bin/duel.v2.exe", "duel.v2"},
        {"/home/u/.skirmora", ".skirmora"}, {"/usr/bin/", ""},
    };
    for (const auto& [path, key] : cases) {
        EXPECT_EQ(ApplicationKeyFromPath(QString::fromLatin1(path)), QString::fromLatin1(key))
            << path;
    }
}

class SettingsStoreTest : public ::testing::Test {
protected:
    // The executable's name as the build gave it, not as the rule under test derives it.
    static QString FileIn(const QString& root) {
        return root + "/Brontel/" + SKIRMORA_TEST_EXECUTABLE_NAME + ".conf";
    }
    QString File() const { return FileIn(home.Path()); }

    ScopedConfigHome home;
};

TEST_F(SettingsStoreTest, WindowRectanglesGoThroughTheStoreAsTextAndComeBackByOffsets) {
    const struct {
        ScreenRect written;
        const char* text;
        ScreenRect readBack;
    } cases[] = {
        {{212, 169, 812, 569}, "0212 0169 0812 0569", {212, 169, 812, 569}},
        {{-8, -3, 592, 397}, "-008 -003 0592 0397", {-8, -3, 592, 397}},
        // A five-character field pushes the rest onto the blanks: one is harmless...
        {{-1200, 50, 700, 450}, "-1200 0050 0700 0450", {-1200, 50, 700, 450}},
        {{100, -8, 12345, 7}, "0100 -008 12345 0007", {100, -8, 12345, 7}},
        // ...two or more shift a later field's start onto the middle of a number.
        {{-1200, -1100, 700, 450}, "-1200 -1100 0700 0450", {-1200, -1100, 0, 0}},
        {{-1500, 100, -1100, 500}, "-1500 0100 -1100 0500", {-1500, 100, -1100, 0}},
        {{INT_MIN, INT_MAX, 0, 0},
         "-2147483648 2147483647 0000 0000",
         {INT_MIN, 483648, 8, 7483647}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteSettingText("Vzhled", "pozice",
                                     QString::fromStdString(FormatWindowRect(c.written))));
        const QString stored = ReadSettingText("Vzhled", "pozice");
        EXPECT_EQ(stored, c.text);
        EXPECT_EQ(ParseWindowRect(stored.toStdString()), c.readBack) << c.text;
    }
}

TEST_F(SettingsStoreTest, MissingValuesReadTheDefaultsAndWrittenOnesLandInOneIniFile) {
    SetCompanyKey(QString());  // until the application names it, nothing is written
    EXPECT_FALSE(WriteSettingInt("Hra", "PL2", 1));
    SetCompanyKey(kCompanyKey);
    EXPECT_EQ(ReadSettingText("Vzhled", "pozice"), QString());
    EXPECT_EQ(ReadSettingText("Vzhled", "pozice", "x"), "x");
    EXPECT_EQ(ReadSettingInt("Hra", "PL1", kPlayerUnset), kPlayerUnset);

    ASSERT_TRUE(WriteSettingText("Vzhled", "pozice", "0212 0169 0812 0569"));
    ASSERT_TRUE(WriteSettingInt("Hra", "PL2", 1));
    ASSERT_TRUE(WriteSettingInt("Hra", "PL1", 0));
    const auto entries = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
    EXPECT_EQ(QDir(home.Path()).entryList(entries), QStringList{"Brontel"});
    EXPECT_EQ(QDir(home.Path() + "/Brontel").entryList(entries),
              QStringList{QFileInfo(File()).fileName()});
    QFile file(File());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[Hra]\nPL1=0\nPL2=1\n\n[Vzhled]\npozice=0212 0169 0812 0569\n");
    EXPECT_EQ(ReadSettingInt("Hra", "PL1", kPlayerUnset), 0);
    EXPECT_EQ(ReadSettingInt("Hra", "PL2", kPlayerUnset), 1);
}

TEST_F(SettingsStoreTest, PlayerValuesReadAsNumbersOnlyWhenTheyAre32BitDecimals) {
    const auto read = [&](const char* text) {
        home.Seed(QByteArray("[Hra]\nPL1=") + text + "\n");
        return ReadSettingInt("Hra", "PL1", kPlayerUnset);
    };
    for (const char* text :
         {"abc", "1abc", "", "1.0", "0x1", "1, 2", "2147483648", "-2147483649"}) {
        EXPECT_EQ(read(text), kPlayerUnset) << text;
    }
    EXPECT_EQ(read("2147483647"), INT_MAX);
    EXPECT_EQ(read("-2147483648"), INT_MIN);
    EXPECT_EQ(read("1"), 1);
    home.Seed("[Vzhled]\npozice=0212, 0169\n");  // a list, not a text
    EXPECT_EQ(ReadSettingText("Vzhled", "pozice", "none"), "none");
}

// A value in Qt's serialised form is decoded from counts the file gives; one such line (here a
// list that claims billions of entries) would make Qt ask for gigabytes when it writes. The
// store reads nothing from such a file and moves it aside before writing a fresh one.
TEST_F(SettingsStoreTest, FilesHoldingSerialisedValuesAreSetAsideNotDecoded) {
    const QByteArray hugeList = R"(@Variant(\0\0\0\x9\x12\0\0\0\0\0\0\0\x1))";
    const struct {
        QByteArray foreignLine;
        bool setAside;
    } cases[] = {
        {"X=" + hugeList, true},
        {R"(X=\x40Variant(\0\0\0\x9\x12\0\0\0\0\0\0\0\x1))", true},  // "@" as a hex escape
        {R"(X=\100Variant(\0))", true},                              // and as an octal one
        {"X=@DateTime(\\0)", true},
        {"X=a@b, \"c\\td\"", false},  // "@" inside a text and an escape no letter comes from
    };
    for (const auto& c : cases) {
        const QByteArray contents = "[Hra]\nPL1=1\n\n[Jine]\n" + c.foreignLine + '\n';
        home.Seed(contents);
        EXPECT_EQ(ReadSettingInt("Hra", "PL1", kPlayerUnset), c.setAside ? kPlayerUnset : 1)
            << c.foreignLine.constData();
        ASSERT_TRUE(WriteSettingInt("Hra", "PL2", 0)) << c.foreignLine.constData();
        QFile aside(File() + ".damaged");
        EXPECT_EQ(aside.exists(), c.setAside) << c.foreignLine.constData();
        if (c.setAside) {
            ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
            EXPECT_EQ(aside.readAll(), contents);
            aside.close();
            aside.remove();
        }
        EXPECT_EQ(ReadSettingInt("Hra", "PL1", kPlayerUnset), c.setAside ? kPlayerUnset : 1);
        EXPECT_EQ(ReadSettingInt("Hra", "PL2", kPlayerUnset), 0);
    }
}

TEST_F(SettingsStoreTest, EveryOperationOpensTheFileAnewAndAWriteReplacesItWhole) {
    ASSERT_TRUE(WriteSettingInt("Hra", "PL1", 1));
    struct stat before {};
    ASSERT_EQ(stat(QFile::encodeName(File()).constData(), &before), 0);
    // Another program changes the file meanwhile: reads see it and writes keep its values.
    home.Seed("[Hra]\nPL1=0\nPL2=1\n");
    EXPECT_EQ(ReadSettingInt("Hra", "PL1", kPlayerUnset), 0);
    ASSERT_TRUE(WriteSettingInt("Hra", "PL1", 1));
    EXPECT_EQ(ReadSettingInt("Hra", "PL1", kPlayerUnset), 1);
    EXPECT_EQ(ReadSettingInt("Hra", "PL2", kPlayerUnset), 1);
    struct stat after {};
    ASSERT_EQ(stat(QFile::encodeName(File()).constData(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino) << "the file was rewritten in place";

    // A malformed file is replaced by a well-formed one, and the write says it worked.
    home.Seed("[Hra\nPL1=5\n");
    EXPECT_TRUE(WriteSettingInt("Hra", "PL2", 0));
    EXPECT_EQ(ReadSettingInt("Hra", "PL2", kPlayerUnset), 0);
    const ScopedConfigHome other;
    EXPECT_EQ(ReadSettingInt("Hra", "PL2", kPlayerUnset), kPlayerUnset);
}

// A file where the company folder should be, or a folder in the settings file's place, stops
// writes whoever runs the program, root included.
TEST_F(SettingsStoreTest, WhereNoFileCanBeMadeReadsGiveDefaultsAndWritesFail) {
    for (const bool companyIsAFile : {true, false}) {
        const ScopedConfigHome layout;
        QFile company(layout.Path() + "/Brontel");
        ASSERT_TRUE(companyIsAFile ? company.open(QIODevice::WriteOnly)
                                   : QDir().mkpath(FileIn(layout.Path())));
        EXPECT_FALSE(WriteSettingText("Vzhled", "pozice", "0212 0169 0812 0569"));
        EXPECT_FALSE(WriteSettingInt("Hra", "PL1", 1));
        // A refused write must not linger where a later read of the same file would find it.
        EXPECT_EQ(ReadSettingText("Vzhled", "pozice", "none"), "none");
        EXPECT_EQ(ReadSettingInt("Hra", "PL1", kPlayerUnset), kPlayerUnset);
    }
}

}  // namespace
