// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/DialogTitleBar.h"
#include "dialogs/GroupFrame.h"
#include "dialogs/MenuBuilder.h"
#include "dialogs/NewGameDlg.h"
#include "resources/MenuTemplate.h"

namespace {

TEST(MenuBuilder, BuildsBothMenusWithTheirItemsAndCommands) {
    QMenuBar bar;
    std::vector<int> chosen;
    BuildMenuBar(bar, kMainMenuTemplate, [&](int command) { chosen.push_back(command); });
    std::vector<std::string> seen;  // "title:", then "text=command" or "-" for a separator
    for (QAction* menu : bar.actions()) {
        seen.push_back(menu->menu()->title().toStdString() + ":");
        for (QAction* item : menu->menu()->actions()) {
            EXPECT_TRUE(item->isEnabled());
            seen.push_back(item->isSeparator() ? "-"
                                               : item->text().toStdString() + "=" +
                                                     std::to_string(item->data().toInt()));
            if (!item->isSeparator()) {
                item->trigger();
            }
        }
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"Hra:", "Nova=40004", "-", "&Konec=40001",
                                              "Napoveda:", "O Aplikaci=40010"}));
    EXPECT_EQ(chosen, (std::vector<int>{40004, 40001, 40010}));
}

struct IdleTick : CTickControl {
    void StopTick() override {}
    void StartTick() override {}
};

// Base units of 6 by 13 pixels, an average letter width of 6 and a line height of 13: the
// pixel places below are worked out by hand from the dialogs' layouts in dialog units, x and
// widths times 6 / 4, y and heights times 13 / 8, each truncated. A picture takes its image's
// size instead: 53 by 21 for either ship, 32 by 32 for an icon. The controls with an
// identifier, and only they, take the focus.
constexpr DialogBaseUnits kKnownUnits{6, 13};

struct ExpectedControl {
    const char* what;
    int id;
    const char* className;
    const char* text;  // for a picture: its resource path
    QRect pixels;
};

const ExpectedControl kSetupLayout[] = {
    {"OK at 72, 126, 50 x 14", 1, "QPushButton", "OK", {108, 204, 75, 22}},
    {"left check box at 49, 30, 74 x 10", 1000, "QCheckBox", "Clovek", {73, 48, 111, 16}},
    {"left label at 48, 15, 130 x 15",
     -1,
     "QLabel",
     "Za imperatora Orvanthe hraje : ",
     {72, 24, 195, 24}},
    {"upper group at 7, 7, 180 x 39", -1, "CGroupFrame", "Imperator", {10, 11, 270, 63}},
    {"right check box at 50, 70, 74 x 10", 1001, "QCheckBox", "Clovek", {75, 113, 111, 16}},
    {"right label at 49, 55, 132 x 14",
     -1,
     "QLabel",
     "Za vudce povstalcu Quorbana  hraje : ",
     {73, 89, 198, 22}},
    {"lower group at 7, 49, 180 x 39", -1, "CGroupFrame", "Povstalec", {10, 79, 270, 63}},
    {"left ship at 15, 24", -1, "QLabel", ":/bitmap/118", {22, 39, 53, 21}},
    {"right ship at 14, 63", -1, "QLabel", ":/bitmap/123", {21, 102, 53, 21}},
    {"emblem at 67, 99", -1, "QLabel", ":/icon/113", {100, 160, 32, 32}},
    {"vs. at 87, 101, 20 x 14", -1, "QLabel", "vs.", {130, 164, 30, 22}},
    {"rebel emblem at 111, 100", -1, "QLabel", ":/icon/132", {166, 162, 32, 32}},
};

const ExpectedControl kAboutLayout[] = {
    {"OK at 135, 7, 50 x 14", 1, "QPushButton", "OK", {202, 11, 75, 22}},
    {"name at 32, 7, 85 x 10", -1, "QLabel", "Skirmora - beta 2", {48, 11, 127, 16}},
    {"emblem at 7, 7", -1, "QLabel", ":/icon/113", {10, 11, 32, 32}},
    {"rebel emblem at 7, 31", -1, "QLabel", ":/icon/132", {10, 50, 32, 32}},
};

// The controls in template order, each of its class, with its text or picture, identifier and
// focus; at the expected place too where `placed`.
void ExpectControls(const CTemplateDialog& dialog, std::span<const ExpectedControl> expected,
                    bool placed) {
    const std::vector<QWidget*>& controls = dialog.Controls();
    ASSERT_EQ(controls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ExpectedControl& want = expected[i];
        QWidget* control = controls[i];
        SCOPED_TRACE(want.what);
        ASSERT_STREQ(control->metaObject()->className(), want.className);
        EXPECT_TRUE(control->isVisibleTo(&dialog));
        EXPECT_EQ(control->focusPolicy() != Qt::NoFocus, want.id != -1);
        EXPECT_TRUE(want.id == -1 || dialog.Control(want.id) == control);
        const QString text = QString::fromLatin1(want.text);
        if (text.startsWith(':')) {
            const QImage picture(text);
            const QImage shown = qobject_cast<QLabel*>(control)->pixmap().toImage();
            ASSERT_FALSE(picture.isNull());
            EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32),
                      picture.convertToFormat(QImage::Format_ARGB32));
        } else {
            EXPECT_EQ(
                control->property(control->inherits("QGroupBox") ? "title" : "text").toString(),
                text);
        }
        if (placed) {
            EXPECT_EQ(control->geometry(), want.pixels);
        }
    }
}

TEST(DialogUnits, BaseUnitsAreTheAverageLetterWidthRoundedHalfUpAndTheHeight) {
    struct Case {
        const char* name;
        int alphabetWidth, height;
        DialogBaseUnits units;
    } cases[] = {
        {"312 for 52 letters: 6 exactly", 312, 13, {6, 13}},
        {"311: 5.98 rounds up to 6", 311, 13, {6, 13}},
        {"286: 5.5 rounds up to 6", 286, 16, {6, 16}},
        {"285: 5.48 rounds down to 5", 285, 16, {5, 16}},
        {"338: 6.5 rounds up to 7", 338, 15, {7, 15}},
    };
    for (const Case& c : cases) {
        const DialogBaseUnits units = BaseUnitsFor(c.alphabetWidth, c.height);
        EXPECT_EQ(units.x, c.units.x) << c.name;
        EXPECT_EQ(units.y, c.units.y) << c.name;
    }
}

TEST(DialogUnits, DialogSizesFollowTheBaseUnits) {
    struct Case {
        const char* name;
        DialogBaseUnits units;
        QSize setup, about;  // 194 x 147 and 192 x 54 dialog units
    } cases[] = {
        {"6 x 13", {6, 13}, {291, 238}, {288, 87}},
        {"7 x 15: every value truncated", {7, 15}, {339, 275}, {336, 101}},
        {"8 x 16: twice 4 x 8", {8, 16}, {388, 294}, {384, 108}},
    };
    for (const Case& c : cases) {
        const CTemplateDialog setup(kSetupDialogTemplate, nullptr, c.units);
        const CTemplateDialog about(kAboutDialogTemplate, nullptr, c.units);
        EXPECT_EQ(setup.minimumSize(), c.setup) << c.name;
        EXPECT_EQ(setup.maximumSize(), c.setup) << c.name;
        EXPECT_EQ(about.minimumSize(), c.about) << c.name;
        EXPECT_EQ(about.maximumSize(), c.about) << c.name;
    }
}

// Only a GNOME session on Wayland leaves the title bar to Qt's own, which offers to maximise
// and resize; X11's window managers and KDE's compositor draw one that follows the hints.
TEST(DialogTitleBar, DrawnByTheDialogOnlyInAGnomeSessionOnWayland) {
    struct Case {
        const char* platform;
        const char* desktops;
        bool own;
    };
    const Case cases[] = {
        {"wayland", "GNOME", true}, {"wayland", "ubuntu:GNOME", true},
        {"wayland", "gnome", true}, {"wayland", "KDE", false},
        {"wayland", "", false},     {"wayland", "GNOME-Flashback:Unity", false},
        {"xcb", "GNOME", false},    {"offscreen", "GNOME", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(
            DrawsOwnTitleBar(QString::fromLatin1(c.platform), QString::fromLatin1(c.desktops)),
            c.own)
            << c.platform << " in " << c.desktops;
    }
}

TEST(DialogLayout, SetupTemplatePlacesItsControlsInOrderAndPlace) {
    const CTemplateDialog dialog(kSetupDialogTemplate, nullptr, kKnownUnits);
    EXPECT_EQ(dialog.windowTitle(), "Nova hra");
    ExpectControls(dialog, kSetupLayout, true);
}

TEST(DialogLayout, AboutTemplatePlacesItsControlsInOrderAndPlace) {
    const CTemplateDialog dialog(kAboutDialogTemplate, nullptr, kKnownUnits);
    EXPECT_EQ(dialog.windowTitle(), "O Aplikaci Skirmora");
    ExpectControls(dialog, kAboutLayout, true);
}

// The dialogs themselves: their templates, in an 8-point font whose base units they measure
// (the average letter width within half a pixel, the line height).
void ExpectMeasuredUnits(const CTemplateDialog& dialog) {
    EXPECT_EQ(dialog.font().pointSize(), 8);
    const QFontMetrics metrics(dialog.font());
    const double averageWidth = metrics.horizontalAdvance(QStringLiteral(
                                    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                                52.0;
    EXPECT_LE(std::abs(dialog.BaseUnits().x - averageWidth), 0.5) << averageWidth;
    EXPECT_EQ(dialog.BaseUnits().y, metrics.height());
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
}

TEST(DialogLayout, SetupDialogIsBuiltFromItsTemplateInItsFont) {
    CBattleRound round;
    IdleTick tick;
    const CNewGameDlg dialog(nullptr, round, tick);
    EXPECT_EQ(dialog.windowTitle(), "Nova hra");
    ExpectMeasuredUnits(dialog);
    ExpectControls(dialog, kSetupLayout, false);
}

TEST(DialogLayout, AboutBoxIsBuiltFromItsTemplateInItsFont) {
    const CAboutDlg dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), "O Aplikaci Skirmora");
    ExpectMeasuredUnits(dialog);
    ExpectControls(dialog, kAboutLayout, false);
}

}  // namespace

// The frame's top line runs through the middle of the title, broken where the title stands.
TEST(GroupFramePicture, TopLineRunsThroughTheTitleAndBreaksUnderIt) {
    QWidget parent;
    CGroupFrame frame(QStringLiteral("Imperator"), &parent);
    frame.resize(200, 60);
    const QImage picture = frame.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb line = frame.palette().color(QPalette::Mid).rgb();
    const QRgb highlight = frame.palette().color(QPalette::Light).rgb();
    const int top = frame.fontMetrics().height() / 2;
    const int titleEnd = 6 + frame.fontMetrics().horizontalAdvance(frame.title()) + 4;

    EXPECT_EQ(picture.pixel(2, top), line);
    EXPECT_EQ(picture.pixel(2, top + 1), highlight);
    EXPECT_EQ(picture.pixel(titleEnd, top), line);  // the gap beside the title ends exactly there
    EXPECT_NE(picture.pixel(titleEnd - 1, top), line);
    EXPECT_EQ(picture.pixel(0, 40), line);
    EXPECT_EQ(picture.pixel(198, 58), line);
    EXPECT_EQ(picture.pixel(199, 59), highlight);
    // Under the title the line gives way to the title's text and background.
    int lineUnderTitle = 0;
    for (int x = 6; x < titleEnd; ++x) {
        lineUnderTitle += picture.pixel(x, top) == line ? 1 : 0;
    }
    EXPECT_LT(lineUnderTitle, titleEnd - 6);
    EXPECT_NE(picture.pixel(6, top), line);
}
