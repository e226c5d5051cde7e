#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <span>
#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "dialogs/AboutDlg.h"
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

// A control as the template places it, in dialog units; a picture takes its image's size.
// The controls with an identifier, and only they, take the focus.
struct ExpectedControl {
    int id;
    const char* className;
    const char* text;  // for a picture: its resource path
    int x, y, width, height;
};

const ExpectedControl kSetupLayout[] = {
    {1, "QPushButton", "OK", 72, 126, 50, 14},
    {1000, "QCheckBox", "Clovek", 49, 30, 74, 10},
    {-1, "QLabel", "Za imperatora Orvanthe hraje : ", 48, 15, 130, 15},
    {-1, "CGroupFrame", "Imperator", 7, 7, 180, 39},
    {1001, "QCheckBox", "Clovek", 50, 70, 74, 10},
    {-1, "QLabel", "Za vudce povstalcu Quorbana  hraje : ", 49, 55, 132, 14},
    {-1, "CGroupFrame", "Povstalec", 7, 49, 180, 39},
    {-1, "QLabel", ":/bitmap/118", 15, 24, 25, 11},
    {-1, "QLabel", ":/bitmap/123", 14, 63, 27, 10},
    {-1, "QLabel", ":/icon/113", 67, 99, 16, 16},
    {-1, "QLabel", "vs.", 87, 101, 20, 14},
    {-1, "QLabel", ":/icon/132", 111, 100, 16, 16},
};

const ExpectedControl kAboutLayout[] = {
    {1, "QPushButton", "OK", 135, 7, 50, 14},
    {-1, "QLabel", "Skirmora - beta 2", 32, 7, 85, 10},
    {-1, "QLabel", ":/icon/113", 7, 7, 20, 20},
    {-1, "QLabel", ":/icon/132", 7, 31, 20, 20},
};

// Dialog units: a quarter of the font's average character width, an eighth of its height.
QRect InPixels(const QFont& font, int x, int y, int width, int height) {
    const QFontMetrics metrics(font);
    const QString letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const int unitX = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    const int unitY = metrics.height();
    return {x * unitX / 4, y * unitY / 8, width * unitX / 4, height * unitY / 8};
}

void ExpectDialog(const CTemplateDialog& dialog, const char* title, QSize units,
                  std::span<const ExpectedControl> expected) {
    EXPECT_EQ(dialog.windowTitle(), title);
    EXPECT_EQ(dialog.font().pointSize(), 8);
    const QRect fixed = InPixels(dialog.font(), 0, 0, units.width(), units.height());
    EXPECT_EQ(QRect(QPoint(), dialog.minimumSize()), fixed);
    EXPECT_EQ(QRect(QPoint(), dialog.maximumSize()), fixed);
    const std::vector<QWidget*>& controls = dialog.Controls();
    ASSERT_EQ(controls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ExpectedControl& want = expected[i];
        QWidget* control = controls[i];
        SCOPED_TRACE("control " + std::to_string(i + 1));
        ASSERT_STREQ(control->metaObject()->className(), want.className);
        EXPECT_TRUE(control->isVisibleTo(&dialog));
        EXPECT_EQ(control->focusPolicy() != Qt::NoFocus, want.id != -1);
        EXPECT_TRUE(want.id == -1 || dialog.Control(want.id) == control);
        QRect place = InPixels(dialog.font(), want.x, want.y, want.width, want.height);
        const QString text = QString::fromLatin1(want.text);
        if (text.startsWith(':')) {
            const QImage picture(text);
            const QImage shown = qobject_cast<QLabel*>(control)->pixmap().toImage();
            ASSERT_FALSE(picture.isNull());
            EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32),
                      picture.convertToFormat(QImage::Format_ARGB32));
            place.setSize(picture.size());
        } else {
            EXPECT_EQ(
                control->property(control->inherits("QGroupBox") ? "title" : "text").toString(),
                text);
        }
        EXPECT_EQ(control->geometry(), place);
    }
}

TEST(DialogLayout, SetupDialogHasItsControlsInTemplateOrderAndPlace) {
    CBattleRound round;
    IdleTick tick;
    const CNewGameDlg dialog(nullptr, round, tick);
    ExpectDialog(dialog, "Nova hra", {194, 147}, kSetupLayout);
}

TEST(DialogLayout, AboutBoxHasItsControlsInTemplateOrderAndPlace) {
    const CAboutDlg dialog(nullptr);
    ExpectDialog(dialog, "O Aplikaci Skirmora", {192, 54}, kAboutLayout);
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
