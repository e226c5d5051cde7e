// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing runs on every tick, every 30 ms for as long as the game runs, so once warmed up a
// stretch, the damage record and the render library's whole tick must not allocate. This
// program counts every allocation through its own malloc (CountingAllocator.h).

#include <gtest/gtest.h>

#include <QByteArray>
#include <cstdlib>
#include <new>

#include "BusyRound.h"
#include "CountingAllocator.h"
#include "Support.h"
#include "play/Sequence.h"
#include "render/GameArt.h"

namespace {

TEST(NoAllocation, AWarmedUpStretchAndTheDamageRecordAllocateNothing) {
    const QImage source = Pattern(60, 40, 5);
    CSurface surface = Prefilled(1920, 1080);
    QImage& destination = surface.Image();
    // The first stretch may size the scratch space for the widest destination.
    StretchBlt(destination, 0, 0, 1920, 1080, source, 0, 0, 60, 40, RasterOp::Copy);
    EXPECT_EQ(AllocationsDuring([&] {
                  StretchBlt(destination, 0, 0, 1920, 1080, source, 0, 0, 60, 40, RasterOp::Copy);
                  StretchBlt(destination, -5, 7, 700, 300, source, 3, 2, 40, 12, RasterOp::Copy);
                  StretchBlt(destination, 100, 100, 10, 10, source, 0, 0, 60, 40, RasterOp::And);
                  BitBlt(destination, 3, 4, 60, 40, source, 0, 0, RasterOp::Or);
                  for (int i = 0; i < 3 * static_cast<int>(CSurface::kDamageCapacity); ++i) {
                      surface.StretchCopy(i % 190, i % 90, 10, 10, source, 0, 0, 10, 10);
                  }
                  surface.ClearDamage();
              }),
              0)
        << CountedOrigins();
}

// The tick of a round with both ships, all ten shots and a hit to draw, erase and blank.
TEST(NoAllocation, TheRenderLibrarysTickAllocatesNothing) {
    const GameArt art;
    ASSERT_FALSE(art.background.isNull());
    const CBattleRound start = BusyRoundWithHit();
    for (const QSize size : {QSize(600, 400), QSize(1920, 1080), QSize(3840, 2160)}) {
        CSurface surface(size.width(), size.height());
        const ClientExtent client = ClientOfSize(size.width(), size.height());
        CBattleRound round = start;
        RunTick(round, art.View(), client, surface);  // sizes the stretch's scratch space
        surface.ClearDamage();
        round = start;
        const long long counted = AllocationsDuring([&] {
            RunTick(round, art.View(), client, surface);
            surface.ClearDamage();
        });
        EXPECT_EQ(counted, 0) << size.width() << "x" << size.height() << "\n" << CountedOrigins();
    }
}

// The counter sees allocations through every door, so the zeros above mean something. Direct
// calls, which unlike new-expressions the compiler may not leave out; the pointer from malloc
// passes through a volatile for the same reason.
TEST(NoAllocation, TheCounterSeesEveryKindOfAllocation) {
    EXPECT_EQ(AllocationsDuring([] {
                  constexpr std::align_val_t kWide{64};
                  ::operator delete(::operator new(8));
                  ::operator delete[](::operator new[](8));
                  ::operator delete(::operator new(8, std::nothrow));
                  ::operator delete(::operator new(64, kWide), kWide);
                  void* volatile block = std::malloc(8);
                  std::free(block);
                  const QByteArray bytes(64, 'x');
              }),
              6);
}

}  // namespace
