// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/CentreSampling.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

struct PlanArguments {
    std::int64_t first = 0;
    std::int64_t count = 0;
    int sx = 0;
    int sw = 0;
    int dw = 0;
    int sourceWidth = 0;
    bool withRepeats = false;

    bool operator==(const PlanArguments&) const = default;
};

struct KeptPlan {
    bool made = false;
    std::uint64_t lastUse = 0;  // when it was last handed out, on the thread's own count
    PlanArguments arguments;
    ColumnPlan plan;
    std::vector<std::int32_t> columns;
    std::vector<Repeat> repeats;
};

// Enough for the tiles of one tick (both sides' ships share one plan, their shots another),
// with room for the erasures and bars between them.
constexpr std::size_t kKeptPlans = 4;

struct KeptPlans {
    std::array<KeptPlan, kKeptPlans> plans;
    std::uint64_t uses = 0;
    std::size_t capacity = 0;

    // Grows every kept plan's tables together, so that no later plan of at most this many
    // columns, whichever table it lands in, has to allocate. Growing moves the tables, so the
    // plans kept in them are forgotten.
    void Reserve(std::int64_t count) {
        if (static_cast<std::size_t>(count) <= capacity) {
            return;
        }
        capacity = static_cast<std::size_t>(count);
        for (KeptPlan& kept : plans) {
            kept.made = false;
            kept.columns.resize(capacity);
            kept.repeats.resize(capacity);
        }
    }
};

KeptPlans& Kept() {
    thread_local KeptPlans kept;
    return kept;
}

// Groups the columns into repeats; returns how many there are.
std::size_t GroupRepeats(const std::int32_t* columns, std::int64_t count, Repeat* repeats) {
    std::size_t r = 0;
    for (std::int64_t k = 0; k < count; ++r) {
        std::int64_t next = k + 1;
        while (next < count && columns[next] == columns[k]) {
            ++next;
        }
        repeats[r] = {columns[k], static_cast<std::int32_t>(next - k)};
        k = next;
    }
    return r;
}

// Makes the plan into the kept plan's tables, which hold at least `count` entries.
ColumnPlan MakePlan(const PlanArguments& a, KeptPlan& kept) {
    std::int32_t* const columns = kept.columns.data();
    CentreWalk walk(a.first, a.sw, a.dw);
    for (std::int64_t k = 0; k < a.count; ++k, walk.Next()) {
        const std::int64_t column = std::int64_t{a.sx} + walk.Offset();
        columns[k] = static_cast<std::int32_t>(std::clamp<std::int64_t>(column, -1, a.sourceWidth));
    }
    // Sampling never moves backwards, so the columns outside the source image lie at either end.
    std::int64_t begin = 0;
    std::int64_t end = a.count;
    while (begin < end && columns[begin] < 0) {
        ++begin;
    }
    while (end > begin && columns[end - 1] >= a.sourceWidth) {
        --end;
    }
    ColumnPlan plan;
    plan.firstOffset = a.first + begin;
    plan.count = end - begin;
    plan.columns = columns + begin;
    if (a.withRepeats) {
        plan.repeatCount = GroupRepeats(plan.columns, plan.count, kept.repeats.data());
        plan.repeats = kept.repeats.data();
    }
    return plan;
}

}  // namespace

ColumnPlan PlanColumns(std::int64_t first, std::int64_t count, int sx, int sw, int dw,
                       int sourceWidth, bool withRepeats) {
    const PlanArguments arguments{first, count, sx, sw, dw, sourceWidth, withRepeats};
    KeptPlans& kept = Kept();
    for (KeptPlan& plan : kept.plans) {
        if (plan.made && plan.arguments == arguments) {
            plan.lastUse = ++kept.uses;
            return plan.plan;
        }
    }
    kept.Reserve(count);
    // The plan used longest ago makes way; one never made counts as used longest ago.
    KeptPlan& replaced = *std::min_element(
        kept.plans.begin(), kept.plans.end(), [](const KeptPlan& a, const KeptPlan& b) {
            return (a.made ? a.lastUse : 0) < (b.made ? b.lastUse : 0);
        });
    replaced.plan = MakePlan(arguments, replaced);
    replaced.arguments = arguments;
    replaced.made = true;
    replaced.lastUse = ++kept.uses;
    return replaced.plan;
}
