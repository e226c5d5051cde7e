#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "battle/BattleRound.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/GroupFrame.h"
#include "dialogs/NewGameDlg.h"
#include "dialogs/TickControl.h"
#include "render/ImageLoader.h"

// Both dialogs as a person sees them: title, fixed size, and every control with its
// identifier, kind, text, place, size and whether it takes the keyboard focus.

namespace {

class IdleTick : public CTickControl {
public:
    void StopTick() override {}
    void StartTick() override {}
};

enum class Kind { PushButton, CheckBox, GroupFrame, Text, Bitmap, Icon };

const char* KindName(Kind kind) {
    switch (kind) {
        case Kind::PushButton:
            return "push button";
        case Kind::CheckBox:
            return "check box";
        case Kind::GroupFrame:
            return "group frame";
        case Kind::Text:
            return "text";
        case Kind::Bitmap:
            return "bitmap picture";
        case Kind::Icon:
            return "icon picture";
    }
    return "?";
}

// One control as the dialog's layout gives it: positions and sizes in dialog units; a
// picture has the size of its image instead.
struct ExpectedControl {
    int id;
    Kind kind;
    const char* text;  // the text, or nothing for a picture
    int imageId;
    int x, y, width, height;
    bool takesFocus;
};

const ExpectedControl kSetupLayout[] = {
    {1, Kind::PushButton, "OK", 0, 72, 126, 50, 14, true},
    {1000, Kind::CheckBox, "Clovek", 0, 49, 30, 74, 10, true},
    {-1, Kind::Text, "Za imperatora Orvanthe hraje : ", 0, 48, 15, 130, 15, false},
    {-1, Kind::GroupFrame, "Imperator", 0, 7, 7, 180, 39, false},
    {1001, Kind::CheckBox, "Clovek", 0, 50, 70, 74, 10, true},
    {-1, Kind::Text, "Za vudce povstalcu Quorbana  hraje : ", 0, 49, 55, 132, 14, false},
    {-1, Kind::GroupFrame, "Povstalec", 0, 7, 49, 180, 39, false},
    {-1, Kind::Bitmap, nullptr, 118, 15, 24, 25, 11, false},
    {-1, Kind::Bitmap, nullptr, 123, 14, 63, 27, 10, false},
    {-1, Kind::Icon, nullptr, 113, 67, 99, 16, 16, false},
    {-1, Kind::Text, "vs.", 0, 87, 101, 20, 14, false},
    {-1, Kind::Icon, nullptr, 132, 111, 100, 16, 16, false},
};

const ExpectedControl kAboutLayout[] = {
    {1, Kind::PushButton, "OK", 0, 135, 7, 50, 14, true},
    {-1, Kind::Text, "Skirmora - beta 2", 0, 32, 7, 85, 10, false},
    {-1, Kind::Icon, nullptr, 113, 7, 7, 20, 20, false},
    {-1, Kind::Icon, nullptr, 132, 7, 31, 20, 20, false},
};

QImage PictureOf(Kind kind, int imageId) {
    if (kind == Kind::Bitmap) {
        return LoadBitmapById(imageId);
    }
    return QImage(QStringLiteral(":/icon/%1").arg(imageId));
}

Kind KindOf(QWidget* widget) {
    if (qobject_cast<QCheckBox*>(widget) != nullptr) {
        return Kind::CheckBox;
    }
    if (qobject_cast<QPushButton*>(widget) != nullptr) {
        return Kind::PushButton;
    }
    if (qobject_cast<CGroupFrame*>(widget) != nullptr) {
        return Kind::GroupFrame;
    }
    const auto* label = qobject_cast<QLabel*>(widget);
    if (label != nullptr && label->pixmap().isNull()) {
        return Kind::Text;
    }
    // A picture: which of the two the size cannot tell, so the caller compares the pixels.
    return Kind::Bitmap;
}

QString TextOf(QWidget* widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* group = qobject_cast<CGroupFrame*>(widget)) {
        return group->title();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    return {};
}

bool SamePicture(const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

void ExpectLayout(const CTemplateDialog& dialog, std::span<const ExpectedControl> expected) {
    const std::vector<QWidget*>& controls = dialog.Controls();
    ASSERT_EQ(controls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ExpectedControl& want = expected[i];
        QWidget* control = controls[i];
        SCOPED_TRACE("control " + std::to_string(i + 1) + ", a " + KindName(want.kind));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget(), &dialog);
        EXPECT_TRUE(control->isVisibleTo(&dialog));

        const bool picture = want.kind == Kind::Bitmap || want.kind == Kind::Icon;
        EXPECT_EQ(KindOf(control), picture ? Kind::Bitmap : want.kind);
        const QRect units = dialog.ToPixels(want.x, want.y, want.width, want.height);
        if (picture) {
            const QImage image = PictureOf(want.kind, want.imageId);
            ASSERT_FALSE(image.isNull());
            const auto* label = qobject_cast<QLabel*>(control);
            ASSERT_NE(label, nullptr);
            EXPECT_TRUE(SamePicture(label->pixmap().toImage(), image));
            EXPECT_EQ(control->geometry(), QRect(units.topLeft(), image.size()));
        } else {
            EXPECT_EQ(TextOf(control), QString::fromLatin1(want.text));
            EXPECT_EQ(control->geometry(), units);
        }
        EXPECT_EQ(control->focusPolicy() != Qt::NoFocus, want.takesFocus);
    }
    // Found by identifier: the first control that carries it.
    for (std::size_t i = expected.size(); i-- > 0;) {
        bool first = true;
        for (std::size_t j = 0; j < i; ++j) {
            first = first && expected[j].id != expected[i].id;
        }
        if (first) {
            EXPECT_EQ(dialog.Control(expected[i].id), controls[i]) << "id " << expected[i].id;
        }
    }
}

// The widgets that take the focus, in the order the Tab key visits them from the first one.
std::vector<QWidget*> TabCycle(CTemplateDialog& dialog, QWidget* first, Qt::Key key) {
    std::vector<QWidget*> visited;
    first->setFocus(Qt::TabFocusReason);
    if (!QTest::qWaitFor([&] { return QApplication::focusWidget() == first; }, kWaitLimitMs)) {
        ADD_FAILURE() << "the first control did not take the focus";
        return visited;
    }
    for (std::size_t step = 0; step <= dialog.Controls().size(); ++step) {
        visited.push_back(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), key);
        if (QApplication::focusWidget() == first) {
            break;
        }
    }
    return visited;
}

class DialogLayoutTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(home.IsValid()); }

    // Shows a dialog without a modal loop of its own and makes it the active window.
    static bool ShowActive(QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        return QTest::qWaitForWindowActive(&dialog, kWaitLimitMs);
    }

    ScopedConfigHome home;
    CBattleRound round;
    IdleTick tick;
};

TEST_F(DialogLayoutTest, SetupDialogHasItsTitleFixedSizeAndControlsInTemplateOrder) {
    CNewGameDlg dialog(nullptr, round, tick);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Nova hra"));
    const QSize size = dialog.ToPixels(0, 0, 194, 147).size();
    EXPECT_EQ(dialog.size(), size);
    EXPECT_EQ(dialog.minimumSize(), size);
    EXPECT_EQ(dialog.maximumSize(), size);
    ExpectLayout(dialog, kSetupLayout);
}

TEST_F(DialogLayoutTest, AboutBoxHasItsTitleFixedSizeAndControlsInTemplateOrder) {
    CAboutDlg dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("O Aplikaci Skirmora"));
    const QSize size = dialog.ToPixels(0, 0, 192, 54).size();
    EXPECT_EQ(dialog.size(), size);
    EXPECT_EQ(dialog.minimumSize(), size);
    EXPECT_EQ(dialog.maximumSize(), size);
    ExpectLayout(dialog, kAboutLayout);
}

TEST_F(DialogLayoutTest, DialogUnitsAreQuarterCharacterWidthsAndEighthCharacterHeights) {
    CAboutDlg dialog(nullptr);
    EXPECT_EQ(dialog.font().pointSize(), 8);
    const QFontMetrics metrics(dialog.font());
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double averageWidth = metrics.horizontalAdvance(letters) / 52.0;

    // 400 units across are 100 average character widths, each taken as a whole number of
    // pixels: within half a pixel per width.
    EXPECT_NEAR(dialog.ToPixels(400, 0, 0, 0).x(), 100 * averageWidth, 50.0);
    EXPECT_EQ(dialog.ToPixels(0, 800, 0, 0).y(), 100 * metrics.height());

    // Every conversion is from the two base units, truncated.
    const int unitX = dialog.ToPixels(4, 0, 0, 0).x();
    const int unitY = dialog.ToPixels(0, 8, 0, 0).y();
    EXPECT_EQ(dialog.ToPixels(3, 7, 5, 9),
              QRect(3 * unitX / 4, 7 * unitY / 8, 5 * unitX / 4, 9 * unitY / 8));
    EXPECT_EQ(dialog.ToPixels(194, 147, 50, 14),
              QRect(194 * unitX / 4, 147 * unitY / 8, 50 * unitX / 4, 14 * unitY / 8));
}

TEST_F(DialogLayoutTest, SetupDialogTabVisitsOkAndTheTwoCheckBoxesInTemplateOrder) {
    CNewGameDlg dialog(nullptr, round, tick);
    ASSERT_TRUE(ShowActive(dialog));
    QWidget* ok = dialog.Control(1);
    QWidget* left = dialog.Control(1000);
    QWidget* right = dialog.Control(1001);

    EXPECT_EQ(TabCycle(dialog, ok, Qt::Key_Tab), (std::vector<QWidget*>{ok, left, right}));
    EXPECT_EQ(TabCycle(dialog, ok, Qt::Key_Backtab), (std::vector<QWidget*>{ok, right, left}));
    dialog.reject();
}

TEST_F(DialogLayoutTest, AboutBoxTabStaysOnOk) {
    CAboutDlg dialog(nullptr);
    ASSERT_TRUE(ShowActive(dialog));
    QWidget* ok = dialog.Control(1);
    EXPECT_EQ(TabCycle(dialog, ok, Qt::Key_Tab), (std::vector<QWidget*>{ok}));
    dialog.reject();
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
    EXPECT_EQ(picture.pixel(titleEnd + 5, top), line);
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
