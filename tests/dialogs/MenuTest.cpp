#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest/QTest>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "SamePixels.h"
#include "app/ArenaFrame.h"
#include "battle/Random.h"
#include "dialogs/MenuBuilder.h"
#include "resources/MenuTemplate.h"

// The menu bar and its three commands: New game, About and Exit.

namespace {

struct ExpectedItem {
    const char* text;  // nothing for a separator
    int command;
};

struct ExpectedMenu {
    const char* title;
    std::vector<ExpectedItem> items;
};

const std::vector<ExpectedMenu> kExpectedMenus = {
    {"Hra", {{"Nova", 40004}, {nullptr, 0}, {"&Konec", 40001}}},
    {"Napoveda", {{"O Aplikaci", 40010}}},
};

void ExpectMenus(const QMenuBar& bar) {
    const QList<QAction*> menus = bar.actions();
    ASSERT_EQ(static_cast<std::size_t>(menus.size()), kExpectedMenus.size());
    for (std::size_t m = 0; m < kExpectedMenus.size(); ++m) {
        const ExpectedMenu& want = kExpectedMenus[m];
        SCOPED_TRACE(want.title);
        QMenu* menu = menus[static_cast<int>(m)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->title(), QString::fromLatin1(want.title));
        EXPECT_TRUE(menus[static_cast<int>(m)]->isEnabled());
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(static_cast<std::size_t>(items.size()), want.items.size());
        for (std::size_t i = 0; i < want.items.size(); ++i) {
            QAction* item = items[static_cast<int>(i)];
            if (want.items[i].text == nullptr) {
                EXPECT_TRUE(item->isSeparator()) << "item " << i;
                continue;
            }
            EXPECT_FALSE(item->isSeparator()) << "item " << i;
            EXPECT_EQ(item->text(), QString::fromLatin1(want.items[i].text));
            EXPECT_EQ(item->data().toInt(), want.items[i].command) << want.items[i].text;
            EXPECT_TRUE(item->isEnabled()) << want.items[i].text;
        }
    }
}

TEST(MenuBuilder, BuildsTwoMenusWithTheirItemsAllEnabled) {
    QMenuBar bar;
    BuildMenuBar(bar, kMainMenuTemplate, [](int) {});
    ExpectMenus(bar);
}

TEST(MenuBuilder, ChoosingAnItemPassesItsCommandIdentifier) {
    QMenuBar bar;
    std::vector<int> commands;
    BuildMenuBar(bar, kMainMenuTemplate, [&](int command) { commands.push_back(command); });
    for (QAction* menu : bar.actions()) {
        for (QAction* item : menu->menu()->actions()) {
            if (!item->isSeparator()) {
                item->trigger();
            }
        }
    }
    EXPECT_EQ(commands, (std::vector<int>{40004, 40001, 40010}));
}

// The main window with the battle running between two computer-driven sides.
class MenuCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.IsValid());
        frame = MakeFrame();
        ASSERT_TRUE(ShowAndExpose(*frame));
        probe = std::make_unique<TickProbe>(*frame);
        ASSERT_TRUE(probe->WaitForMore(2)) << "the tick timer delivers no ticks";
        frame->Battle().leftShip.computer = true;
        frame->Battle().rightShip.computer = true;
        SeedRandom(77);
        frame->Battle().NewRound();
        frame->PaintAll();
        for (int tick = 0; tick < 120; ++tick) {
            DeliverTick(*frame, probe->LatestTimerId());
        }
    }

    ScopedConfigHome home;
    LoadedArt art;
    std::unique_ptr<CArenaFrame> frame;
    std::unique_ptr<TickProbe> probe;
};

TEST_F(MenuCommandsTest, MainWindowCarriesTheMenu) {
    ExpectMenus(*frame->menuBar());
}

TEST_F(MenuCommandsTest,
       NewGameResetsTheRoundRepaintsAtOnceAndOpensTheSetupDialogWithTheTickStopped) {
    // Damage that only a new round repairs.
    frame->Battle().leftShip.energy = 120;
    frame->Battle().rightShip.energy = 310;
    CBattleRound expectedRound = frame->Battle();
    expectedRound.NewRound();
    CSurface expected(frame->Extent().Width(), frame->Extent().Height());
    PaintScene(expectedRound, art.View(), frame->Extent(), expected);

    QAction* newGame = MenuAction(*frame, QStringLiteral("Nova"));
    ASSERT_NE(newGame, nullptr);
    int ticksWhenShown = -1;
    int polls = 0;
    ModalAnswerer answerer([&](QDialog& dialog) {
        if (ticksWhenShown < 0) {
            ticksWhenShown = probe->Count();
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Nova hra"));
            EXPECT_FALSE(frame->TickRunning());
            EXPECT_TRUE(SameRound(frame->Battle(), expectedRound));
            EXPECT_TRUE(SamePixels(frame->Surface().Image(), expected.Image()));
        }
        // Some 30 ticks' worth of polls: the battle stands still behind the dialog.
        if (++polls < 200) {
            return false;
        }
        EXPECT_EQ(probe->Count(), ticksWhenShown);
        EXPECT_TRUE(SameRound(frame->Battle(), expectedRound));
        return ClickOk(dialog);
    });
    newGame->trigger();
    ASSERT_TRUE(answerer.Done());
    EXPECT_TRUE(frame->TickRunning());
    EXPECT_TRUE(frame->Battle().leftShip.computer);
    EXPECT_TRUE(frame->Battle().rightShip.computer);
    EXPECT_TRUE(probe->WaitForMore(2)) << "no tick after the dialog";
}

TEST_F(MenuCommandsTest, AboutOpensTheAboutBoxWhileTheBattleGoesOn) {
    QAction* about = MenuAction(*frame, QStringLiteral("O Aplikaci"));
    ASSERT_NE(about, nullptr);
    std::unique_ptr<CBattleRound> whenShown;
    bool advanced = false;
    ModalAnswerer answerer([&](QDialog& dialog) {
        if (!whenShown) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("O Aplikaci Skirmora"));
            EXPECT_TRUE(frame->TickRunning());
            whenShown = std::make_unique<CBattleRound>(frame->Battle());
            return false;
        }
        advanced = !SameRound(frame->Battle(), *whenShown);
        return advanced && ClickOk(dialog);
    });
    about->trigger();
    ASSERT_TRUE(answerer.Done());
    EXPECT_TRUE(advanced);
    EXPECT_TRUE(frame->TickRunning());
}

}  // namespace
