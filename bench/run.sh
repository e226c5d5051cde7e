#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the release preset's benchmarks and runs them all, printing their figures and, for
# each performance target, the measured value and whether it is met.
#
# Environment: REPETITIONS, the repetitions of each Google Benchmark (default 5), interleaved at
# random so that slow phases of a shared machine hit all benchmarks alike, the targets using the
# medians; JOBS, parallel build jobs (default: all cores).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
targets=(render_bench model_bench window_tick_bench frame_cadence startup_time bench_targets)
cmake --preset release >/dev/null
cmake --build --preset release --parallel "${JOBS:-$(nproc)}" --target "${targets[@]}"
bench="$root/build/release/bench"

# Everything runs on the offscreen platform; a private runtime folder keeps Qt from warning
# about a missing one.
export QT_QPA_PLATFORM=offscreen
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$scratch}"

section() {
    printf '\n=== %s ===\n' "$1"
}

# Runs a Google Benchmark program with a JSON report beside its console output, then judges
# the report against the targets that follow the program's name.
run_gbench() {
    local program="$1"
    shift
    "$bench/$program" --benchmark_repetitions="${REPETITIONS:-5}" \
        --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
        --benchmark_out="$scratch/$program.json" --benchmark_out_format=json
    "$bench/bench_targets" "$scratch/$program.json" "$@"
}

section "Full paint and render tick (render_bench)"
run_gbench render_bench \
    "ratio|full paint 3840x2160 / memset of its bytes|PaintAgainstMemsetBench/W:3840/H:2160/manual_time|paint_us|memset_us|1.5" \
    "ratio|full paint 1920x1080 / memset (no target)|PaintAgainstMemsetBench/W:1920/H:1080/manual_time|paint_us|memset_us|1.5"

section "Battle model (model_bench)"
run_gbench model_bench \
    "rate|model ticks per second, one core|ModelTickBench|items_per_second|20e6"

section "Main window tick (window_tick_bench)"
run_gbench window_tick_bench \
    "share|window tick 1920x1080 (median), share of 30 ms|WindowTickBench/W:1920/H:1080/manual_time|tick_median_us|30|0.003" \
    "share|window tick 3840x2160 (median), share of 30 ms|WindowTickBench/W:3840/H:2160/manual_time|tick_median_us|30|0.01"

section "Tick cadence and peak memory (frame_cadence)"
"$bench/frame_cadence"

section "Start-up (startup_time)"
"$bench/startup_time"
