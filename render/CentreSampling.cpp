// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/CentreSampling.h"

#include <algorithm>
#include <vector>

namespace {

struct PlanTables {
    std::vector<std::int32_t> columns;
    std::vector<Repeat> repeats;
};

PlanTables& Tables() {
    thread_local PlanTables tables;
    return tables;
}

template <typename T>
T* Reserved(std::vector<T>& table, std::int64_t count) {
    if (table.size() < static_cast<std::size_t>(count)) {
        table.resize(static_cast<std::size_t>(count));
    }
    return table.data();
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

}  // namespace

ColumnPlan PlanColumns(std::int64_t first, std::int64_t count, int sx, int sw, int dw,
                       int sourceWidth, bool withRepeats) {
    PlanTables& tables = Tables();
    std::int32_t* const columns = Reserved(tables.columns, count);
    CentreWalk walk(first, sw, dw);
    for (std::int64_t k = 0; k < count; ++k, walk.Next()) {
        const std::int64_t column = std::int64_t{sx} + walk.Offset();
        columns[k] = static_cast<std::int32_t>(std::clamp<std::int64_t>(column, -1, sourceWidth));
    }
    // Sampling never moves backwards, so the columns outside the source image lie at either end.
    std::int64_t begin = 0;
    std::int64_t end = count;
    while (begin < end && columns[begin] < 0) {
        ++begin;
    }
    while (end > begin && columns[end - 1] >= sourceWidth) {
        --end;
    }
    ColumnPlan plan;
    plan.firstOffset = first + begin;
    plan.count = end - begin;
    plan.columns = columns + begin;
    if (withRepeats) {
        Repeat* const repeats = Reserved(tables.repeats, plan.count);
        plan.repeatCount = GroupRepeats(plan.columns, plan.count, repeats);
        plan.repeats = repeats;
    }
    return plan;
}
