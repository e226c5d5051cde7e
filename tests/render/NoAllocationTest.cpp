// Drawing runs on every 30-millisecond tick, so once warmed up a stretch and the surface's
// record of what it touched must not allocate. This suite counts every allocation made through
// the global operator new of the process, which is why it runs in a program of its own.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "TestArt.h"
#include "render/Raster.h"
#include "render/Surface.h"

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

TEST(NoAllocation, AWarmedUpStretchAllocatesNothing) {
    const QImage source = MakePatch(60, 40, 1);
    QImage destination = MakePrefilled(1920, 1080);
    // The first stretch may size the scratch space for the widest destination.
    StretchBlt(destination, 0, 0, 1920, 1080, source, 0, 0, 60, 40, RasterOp::Copy);
    EXPECT_EQ(AllocationsDuring([&] {
                  StretchBlt(destination, 0, 0, 1920, 1080, source, 0, 0, 60, 40, RasterOp::Copy);
                  StretchBlt(destination, -5, 7, 700, 300, source, 3, 2, 40, 12, RasterOp::Copy);
                  StretchBlt(destination, 100, 100, 10, 10, source, 0, 0, 60, 40, RasterOp::And);
                  BitBlt(destination, 3, 4, 60, 40, source, 0, 0, RasterOp::Or);
              }),
              0);
    // The counter does see allocations, so the zero above means something.
    EXPECT_GT(AllocationsDuring([] { ::operator delete(::operator new(1)); }), 0);
}

TEST(NoAllocation, RecordingDamageAllocatesNothingEvenWhenTheRecordOverflows) {
    CSurface surface(200, 100);
    const QImage source = MakePatch(10, 10, 1);
    surface.StretchCopy(0, 0, 200, 100, source, 0, 0, 10, 10);  // warms up the stretch
    EXPECT_EQ(AllocationsDuring([&] {
                  for (int i = 0; i < 3 * static_cast<int>(CSurface::kDamageCapacity); ++i) {
                      surface.StretchCopy(i % 190, i % 90, 10, 10, source, 0, 0, 10, 10);
                  }
                  surface.ClearDamage();
              }),
              0);
}

}  // namespace
