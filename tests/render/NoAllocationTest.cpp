// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing runs on every tick, so a warmed-up stretch and the damage record must not allocate.
// This program counts every allocation through its own global operator new.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <new>

#include "Support.h"

namespace {

long long gAllocations = 0;

// Every allocation goes through here, so that every form of new pairs with every form of
// delete below: a library may allocate with one form and free with another (GoogleTest's
// nothrow new is freed by the plain delete, for one).
void* CountedAllocation(std::size_t size, std::size_t alignment) noexcept {
    ++gAllocations;
    const std::size_t bytes = size == 0 ? 1 : size;
    if (alignment <= alignof(std::max_align_t)) {
        return std::malloc(bytes);
    }
    // aligned_alloc wants a size that is a multiple of the alignment.
    return std::aligned_alloc(alignment, (bytes + alignment - 1) / alignment * alignment);
}

void* CountedOrThrow(std::size_t size, std::size_t alignment) {
    if (void* p = CountedAllocation(size, alignment)) {
        return p;
    }
    throw std::bad_alloc();
}

constexpr std::size_t kPlain = alignof(std::max_align_t);

}  // namespace

void* operator new(std::size_t size) {
    return CountedOrThrow(size, kPlain);
}
void* operator new[](std::size_t size) {
    return CountedOrThrow(size, kPlain);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return CountedOrThrow(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return CountedOrThrow(size, static_cast<std::size_t>(alignment));
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return CountedAllocation(size, kPlain);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return CountedAllocation(size, kPlain);
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return CountedAllocation(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return CountedAllocation(size, static_cast<std::size_t>(alignment));
}

// malloc and aligned_alloc both free through free, so one body serves every delete.
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept {
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
    // The counter does see allocations of every form, so the zero above means something.
    // Direct calls, which unlike new-expressions the compiler may not leave out.
    EXPECT_EQ(AllocationsDuring([] {
                  constexpr std::align_val_t kWide{64};
                  ::operator delete(::operator new(8));
                  ::operator delete[](::operator new[](8));
                  ::operator delete(::operator new(8, std::nothrow));
                  ::operator delete(::operator new(64, kWide), kWide);
              }),
              4);
}

}  // namespace
