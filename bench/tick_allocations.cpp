// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Heap allocations per tick. A tick runs every 30 ms for as long as the game runs, so once
// warmed up it should allocate nothing of its own (each side composes its sprites in a tile it
// keeps); what remains is Qt's, for the region of the rectangles the tick shows. This program counts every allocation made on the main thread while a tick runs, through
// both doors to the heap: the global operator new (replaced here) and malloc and its family
// (interposed here; Qt allocates pixel buffers and containers through them). It prints the
// count per tick and, for each kind of allocation, where it came from.
//
// It measures, after warm-up ticks: the render library's tick (RunTick) alone; the real main
// window's tick on the offscreen platform (the timer event: RunTick into the window's buffer
// and the flush of the rectangles it drew); whatever Qt repaints next (a tick asks for
// nothing); and a whole computer battle through the window's tick, to catch allocations that
// only some ticks make.

#include <cxxabi.h>
#include <dlfcn.h>
#include <execinfo.h>

#include <QCoreApplication>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "FrameDriving.h"
#include "OffscreenScreens.h"
#include "ScratchSettingsHome.h"
#include "app/ArenaFrame.h"
#include "app/DuelApp.h"
#include "app/ShutdownSignals.h"
#include "battle/Random.h"

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void __libc_free(void* pointer);
}

namespace {

enum class Door { New, Malloc, Calloc, Realloc };

constexpr int kStackDepth = 16;
constexpr int kMaxRecords = 4096;

struct Allocation {
    Door door;
    std::size_t size;
    int depth;
    void* stack[kStackDepth];
};

// Fixed storage: recording must not allocate. Only the main thread records, and only while
// armed; the guard keeps the stack walk's own first allocations out.
Allocation gRecords[kMaxRecords];
int gRecordCount = 0;
long long gDropped = 0;
thread_local bool tArmed = false;
thread_local bool tInsideHook = false;

void Record(Door door, std::size_t size) {
    if (!tArmed || tInsideHook) {
        return;
    }
    tInsideHook = true;
    if (gRecordCount < kMaxRecords) {
        Allocation& record = gRecords[gRecordCount++];
        record.door = door;
        record.size = size;
        record.depth = backtrace(record.stack, kStackDepth);
    } else {
        ++gDropped;
    }
    tInsideHook = false;
}

}  // namespace

void* operator new(std::size_t size) {
    Record(Door::New, size);
    if (void* p = __libc_malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

void* operator new[](std::size_t size) {
    return ::operator new(size);
}

void operator delete(void* p) noexcept {
    __libc_free(p);
}

void operator delete[](void* p) noexcept {
    __libc_free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    __libc_free(p);
}

void operator delete[](void* p, std::size_t) noexcept {
    __libc_free(p);
}

extern "C" {

void* malloc(std::size_t size) {
    Record(Door::Malloc, size);
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) {
    Record(Door::Calloc, count * size);
    return __libc_calloc(count, size);
}

void* realloc(void* pointer, std::size_t size) {
    Record(Door::Realloc, size);
    return __libc_realloc(pointer, size);
}

void free(void* pointer) {
    __libc_free(pointer);
}

}  // extern "C"

namespace {

// Counts what `work` allocates; `runs` is how many ticks it runs, for the average.
template <typename Work>
std::vector<Allocation> AllocationsOf(const Work& work) {
    gRecordCount = 0;
    gDropped = 0;
    tArmed = true;
    work();
    tArmed = false;
    return {gRecords, gRecords + gRecordCount};
}

const char* DoorName(Door door) {
    switch (door) {
        case Door::New:
            return "operator new";
        case Door::Malloc:
            return "malloc";
        case Door::Calloc:
            return "calloc";
        case Door::Realloc:
            return "realloc";
    }
    return "?";
}

std::string FunctionName(void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || info.dli_sname == nullptr) {
        return "?";
    }
    int status = 0;
    char* demangled = abi::__cxa_demangle(info.dli_sname, nullptr, nullptr, &status);
    std::string name = status == 0 && demangled != nullptr ? demangled : info.dli_sname;
    std::free(demangled);
    // The name is enough to recognise the caller; parameter lists make the lines unreadable.
    if (const auto open = name.find('('); open != std::string::npos && open > 0) {
        name.erase(open);
    }
    return name;
}

bool IsHook(const std::string& name) {
    return name == "operator new" || name == "operator new[]" || name == "malloc" ||
           name == "calloc" || name == "realloc";
}

// The first named callers above the allocator, innermost first. Functions without an exported
// name (Qt's internal helpers) are left out.
std::string Origin(const Allocation& allocation) {
    std::string origin;
    int shown = 0;
    for (int i = 1; i < allocation.depth && shown < 5; ++i) {
        const std::string name = FunctionName(allocation.stack[i]);
        if (name == "?" || (shown == 0 && IsHook(name))) {
            continue;
        }
        origin += (shown == 0 ? "" : " <- ") + name;
        ++shown;
    }
    return origin;
}

void PrintAllocations(const char* what, const std::vector<Allocation>& allocations, int ticks) {
    std::printf("%s: %.2f allocations per tick (%zu in %d ticks)%s\n", what,
                static_cast<double>(allocations.size()) / ticks, allocations.size(), ticks,
                gDropped > 0 ? ", some not recorded" : "");
    struct Kind {
        std::string line;
        int count;
    };
    std::vector<Kind> kinds;
    for (const Allocation& allocation : allocations) {
        char head[64];
        std::snprintf(head, sizeof head, "%-12s %7zu B  ", DoorName(allocation.door),
                      allocation.size);
        const std::string line = head + Origin(allocation);
        const auto same =
            std::find_if(kinds.begin(), kinds.end(), [&](const Kind& k) { return k.line == line; });
        if (same == kinds.end()) {
            kinds.push_back({line, 1});
        } else {
            ++same->count;
        }
    }
    for (const Kind& kind : kinds) {
        std::printf("    %6.2f x  %s\n", static_cast<double>(kind.count) / ticks,
                    kind.line.c_str());
    }
}

constexpr int kTicks = 100;
constexpr int kBattleTicks = 2000;

void RenderTick(const QSize& client) {
    const CheckedArt art;
    const CBattleRound start = BusyRoundWithHit();
    CBattleRound round = start;
    CSurface surface(client.width(), client.height());
    const ClientExtent extent = ClientOfSize(client.width(), client.height());
    const auto tick = [&] {
        round = start;
        RunTick(round, art.View(), extent, surface);
        surface.ClearDamage();
    };
    tick();  // sizes the stretch's scratch space
    const std::vector<Allocation> found = AllocationsOf([&] {
        for (int i = 0; i < kTicks; ++i) {
            tick();
        }
    });
    const std::string what = "render library tick (RunTick) " + std::to_string(client.width()) +
                             "x" + std::to_string(client.height()) + ", ten shots and a hit";
    PrintAllocations(what.c_str(), found, kTicks);
}

void WindowTicks(CArenaFrame& frame, int tickTimerId, const QSize& client) {
    const std::string size = std::to_string(client.width()) + "x" + std::to_string(client.height());
    const CBattleRound start = BusyRoundWithHit();
    for (int i = 0; i < 3; ++i) {
        frame.Battle() = start;
        DeliverTick(frame, tickTimerId);
        FlushUpdates();
    }
    // The tick and the repaint after it alternate as in the game; each is counted apart.
    std::vector<Allocation> ticks;
    std::vector<Allocation> repaints;
    for (int i = 0; i < kTicks; ++i) {
        frame.Battle() = start;
        const std::vector<Allocation> tick =
            AllocationsOf([&] { DeliverTick(frame, tickTimerId); });
        ticks.insert(ticks.end(), tick.begin(), tick.end());
        const std::vector<Allocation> repaint = AllocationsOf([] { FlushUpdates(); });
        repaints.insert(repaints.end(), repaint.begin(), repaint.end());
    }
    PrintAllocations(("window tick (timer event) " + size + ", ten shots and a hit").c_str(), ticks,
                     kTicks);
    PrintAllocations(("Qt's repaint after it " + size).c_str(), repaints, kTicks);

    // A whole battle: ships flying to random targets, shots launched, hits and misses.
    frame.Battle().NewRound();
    frame.Battle().leftShip.computer = true;
    frame.Battle().rightShip.computer = true;
    SeedRandom(20240517);
    std::vector<Allocation> battle;
    int most = 0;
    for (int i = 0; i < kBattleTicks; ++i) {
        const std::vector<Allocation> tick =
            AllocationsOf([&] { DeliverTick(frame, tickTimerId); });
        most = std::max(most, static_cast<int>(tick.size()));
        battle.insert(battle.end(), tick.begin(), tick.end());
        FlushUpdates();
    }
    PrintAllocations(("window ticks of a computer battle " + size).c_str(), battle, kBattleTicks);
    std::printf("    at most %d in one tick\n", most);
}

}  // namespace

int main(int argc, char** argv) {
    // The stack walker loads its unwinder on first use, which allocates; do that now.
    void* warmUp[2];
    backtrace(warmUp, 2);

    const COffscreenScreens screen({QRect(0, 0, 4096, 2400)});
    const CScratchSettingsHome settings;
    CShutdownSignals::Install();
    CDuelApp app(argc, argv);
    settings.StoreComputerSides();

    RenderTick(QSize(1920, 1080));
    RenderTick(QSize(3840, 2160));

    const int tickTimerId = StartGame(app);
    if (tickTimerId == 0) {
        return 1;
    }
    for (const QSize client : {QSize(1920, 1080), QSize(3840, 2160)}) {
        if (!ResizeClientTo(*app.MainFrame(), client)) {
            std::fprintf(stderr, "the client area did not take the size\n");
            return 1;
        }
        WindowTicks(*app.MainFrame(), tickTimerId, client);
    }
    return 0;
}
