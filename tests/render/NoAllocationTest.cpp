// Drawing runs on every tick, so a warmed-up stretch and the damage record must not allocate.
// This program counts every allocation through its own global operator new.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "Support.h"

namespace {
long long gAllocations = 0;
}  // namespace

void* operator new(std::size_t size) {
    ++gAllocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

long long AllocationsDuring(const auto& work) {
    const long long before = gAllocations;
    work();
    return gAllocations - before;
}

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
              0);
    // The counter does see allocations, so the zero above means something.
    EXPECT_GT(AllocationsDuring([] { ::operator delete(::operator new(1)); }), 0);
}

}  // namespace
