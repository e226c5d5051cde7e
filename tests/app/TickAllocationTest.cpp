// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's tick, every 30 ms for as long as the game runs: its own part (the render
// library's tick into the picture and the copy into the window's buffer) allocates nothing, and
// what it asks of Qt costs no more than telling Qt its rectangles does on its own. That part is
// measured beside it: the same rectangles, from the render library's tick of the same round on a
// surface of the same size, made into a region and shown through the same buffer. This program
// counts every allocation through its own malloc (CountingAllocator.h).

#include <gtest/gtest.h>

#include <QBackingStore>
#include <QRegion>
#include <string>

#include "BusyRound.h"
#include "CountingAllocator.h"
#include "GuiTestSupport.h"
#include "battle/Random.h"
#include "play/Sequence.h"

namespace {

class NoAllocation : public FrameTest {
protected:
    // Allocations of one window tick and of Qt alone showing the same rectangles; the random
    // state is the same for both, so a computer's choices are too.
    struct Counts {
        long long tick;
        long long qtAlone;
    };
    Counts CountOneTick() {
        const ClientExtent extent = frame->Extent();
        CSurface spare(extent.Width(), extent.Height());
        CBattleRound round = frame->Battle();
        const std::uint32_t random = RandomState();
        RunTick(round, art.View(), extent, spare);
        SeedRandom(random);
        const long long tick = AllocationsDuring([&] { gate->Tick(); });
        const std::string tickOrigins = CountedOrigins();
        EXPECT_TRUE(SameRound(frame->Battle(), round)) << "the window did not run its tick";
        const QPoint origin = CanvasOf(*frame).ClientDeviceRect().topLeft();
        QBackingStore& store = *frame->backingStore();
        const long long qtAlone = AllocationsDuring([&] {
            QRegion drawn;
            for (const QRect& area : spare.Damage()) {
                drawn += area.translated(origin);
            }
            store.beginPaint(drawn);
            store.endPaint();
            store.flush(drawn, frame->windowHandle());
        });
        if (tick > qtAlone) {
            ADD_FAILURE() << "the tick allocated " << tick << " times, Qt alone " << qtAlone
                          << "; the tick's first allocations:\n"
                          << tickOrigins;
        }
        return {tick, qtAlone};
    }

    const GameArt art;
};

TEST_F(NoAllocation, TheWindowsTickAllocatesNoMoreThanQtShowingItsRectangles) {
    ASSERT_TRUE(ResizeClientTo(*frame, {900, 600}));
    const CBattleRound busy = BusyRoundWithHit();
    for (int warmUp = 0; warmUp < 3; ++warmUp) {
        frame->Battle() = busy;
        gate->Tick();
        FlushUpdates();
    }
    // Both ships, all ten shots and a hit, the same every time.
    for (int i = 0; i < 20; ++i) {
        frame->Battle() = busy;
        const Counts counts = CountOneTick();
        EXPECT_EQ(AllocationsDuring(FlushUpdates), 0) << "a tick asks for no repaint";
        if (i == 0) {
            RecordProperty("busy_tick_allocations", std::to_string(counts.tick));
            RecordProperty("busy_tick_qt_alone_allocations", std::to_string(counts.qtAlone));
        }
    }
    // A computer battle, for what only some ticks allocate.
    StartKnownBattle();
    long long most = 0;
    for (int i = 0; i < 500; ++i) {
        most = std::max(most, CountOneTick().tick);
        FlushUpdates();
    }
    RecordProperty("battle_tick_most_allocations", std::to_string(most));
}

}  // namespace
