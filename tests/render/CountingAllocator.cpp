// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CountingAllocator.h"

#include <execinfo.h>

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kOrigins = 4;
constexpr int kStackDepth = 8;

// Fixed storage: counting must not allocate. The guard keeps the stack walk's own allocations
// out.
thread_local bool tCounting = false;
thread_local bool tInsideCount = false;
thread_local long long tCount = 0;
thread_local void* tStacks[kOrigins][kStackDepth];
thread_local int tDepths[kOrigins];

void Count() {
    if (!tCounting || tInsideCount) {
        return;
    }
    tInsideCount = true;
    if (tCount < kOrigins) {
        tDepths[tCount] = backtrace(tStacks[tCount], kStackDepth);
    }
    ++tCount;
    tInsideCount = false;
}

}  // namespace

void StartCounting() {
    // The stack walker loads its unwinder on first use, which allocates; that happens here.
    void* warmUp[2];
    backtrace(warmUp, 2);
    tCount = 0;
    tCounting = true;
}

long long StopCounting() {
    tCounting = false;
    return tCount;
}

std::string CountedOrigins() {
    std::string origins;
    for (long long i = 0; i < tCount && i < kOrigins; ++i) {
        const std::unique_ptr<char*, decltype(&std::free)> names(
            backtrace_symbols(tStacks[i], tDepths[i]), &std::free);
        for (int frame = 1; names != nullptr && frame < tDepths[i]; ++frame) {
            origins += std::string(frame == 1 ? "" : " <- ") + names.get()[frame];
        }
        origins += '\n';
    }
    return origins;
}

#if defined(__SANITIZE_ADDRESS__)
#define SKIRMORA_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SKIRMORA_ADDRESS_SANITIZER 1
#endif
#endif

#ifdef SKIRMORA_ADDRESS_SANITIZER
// The sanitizer owns malloc; it tells of every allocation through its hooks instead. Declared
// here as the sanitizers' runtime exports it: GCC installs no header for it.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*allocated)(const volatile void*,
                                                                           std::size_t),
                                                         void (*freed)(const volatile void*));

namespace {

void Allocated(const volatile void*, std::size_t) {
    Count();
}
void Freed(const volatile void*) {}
[[maybe_unused]] const int gHooksInstalled =
    __sanitizer_install_malloc_and_free_hooks(Allocated, Freed);

}  // namespace
#else
// The C library's own allocator under its internal names; everything still comes from it and
// goes back through its free.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);

void* malloc(std::size_t size) noexcept {
    Count();
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) noexcept {
    Count();
    return __libc_calloc(count, size);
}
void* realloc(void* pointer, std::size_t size) noexcept {
    Count();
    return __libc_realloc(pointer, size);
}
// Where the standard library takes memory for over-aligned new: aligned_alloc or, in the
// libstdc++ of newer releases, posix_memalign.
void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept {
    Count();
    return __libc_memalign(alignment, size);
}
int posix_memalign(void** result, std::size_t alignment, std::size_t size) noexcept {
    Count();
    const bool powerOfTwo = alignment != 0 && (alignment & (alignment - 1)) == 0;
    if (!powerOfTwo || alignment % sizeof(void*) != 0) {
        return EINVAL;
    }
    void* const block = __libc_memalign(alignment, size);
    if (block == nullptr) {
        return ENOMEM;
    }
    *result = block;
    return 0;
}
}
#endif
