#!/usr/bin/env bash
# Builds the release preset's benchmarks and runs them all, printing their figures and, for
# each performance target, the measured value and whether it is met.
#
#   bash bench/run.sh
#
# Environment:
#   REPETITIONS   repetitions of each Google Benchmark, interleaved at random so that slow
#                 phases of a shared machine hit all benchmarks alike; the targets use the
#                 medians (default 5)
#   BUILD_DIR     build in this directory (Release, configured like the preset) instead of the
#                 release preset's own
#   JOBS          parallel build jobs (default: all cores)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
repetitions="${REPETITIONS:-5}"
jobs="${JOBS:-$(nproc)}"
targets=(render_bench model_bench window_tick_bench tick_allocations frame_cadence startup_time)

if [[ -n "${BUILD_DIR:-}" ]]; then
    build="$BUILD_DIR"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSKIRMORA_WERROR=ON \
        -DSKIRMORA_BUILD_BENCHMARKS=ON >/dev/null
    cmake --build "$build" --parallel "$jobs" --target "${targets[@]}"
else
    build="$root/build/release"
    cmake --preset release >/dev/null
    cmake --build --preset release --parallel "$jobs" --target "${targets[@]}"
fi
bench="$build/bench"

# Everything runs on the offscreen platform; a private runtime folder keeps Qt from warning
# about a missing one.
export QT_QPA_PLATFORM=offscreen
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
    XDG_RUNTIME_DIR="$(mktemp -d)"
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

gbench=(--benchmark_repetitions="$repetitions" --benchmark_enable_random_interleaving=true
        --benchmark_report_aggregates_only=true)

section() {
    printf '\n=== %s ===\n' "$1"
}

section "Full paint and render tick (render_bench)"
"$bench/render_bench" "${gbench[@]}"

section "Battle model (model_bench)"
"$bench/model_bench" "${gbench[@]}"

section "Main window tick (window_tick_bench)"
"$bench/window_tick_bench" "${gbench[@]}"

section "Heap allocations per tick (tick_allocations)"
"$bench/tick_allocations"

section "Tick cadence and peak memory (frame_cadence)"
"$bench/frame_cadence"

section "Start-up (startup_time)"
"$bench/startup_time"
