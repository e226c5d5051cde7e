#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What a stretch of play costs the machine, side by side on real X servers with a window manager
# (Xvfb and openbox), all at the same window size (KSpaceDuel's default, 702 x 476 inside the
# frame):
#   - floor: bench/floor_window, which only writes and flushes a busy tick's rectangles
#   - game: Skirmora, computer against computer
#   - KSpaceDuel (KDE's space duel, Debian package kspaceduel), computer against computer, when
#     it is installed; otherwise its ratio is skipped
# Each program has an X server and a window manager of its own, and all of them are measured over
# the same seconds, so that whatever else the machine does meanwhile weighs on all alike: on a
# shared machine, programs measured one after the other differ by tens of percent from the
# machine's drift alone. A program's CPU time is the process's, summed over all its threads from
# /proc/PID/task/*/schedstat; its X server's is not counted. The targets: the game costs at most
# 1.2 times the floor and at most 0.8 times KSpaceDuel.
#
#   bash bench/cpu_compare.sh
#
# Environment:
#   SECONDS_EACH   measured seconds (default 30)
#   DISPLAY_NUMBER the first of three Xvfb displays to start, one a program (default 97); all
#                  three must be free
#   BUILD_DIR      build directory with the release build (default build/release, built here)
#   JOBS           parallel build jobs (default 2)
#   SCREENSHOT_DIR where to leave a screenshot of each program taken while it is measured
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${SECONDS_EACH:-30}"
first_display="${DISPLAY_NUMBER:-97}"
width=702
height=476
settle=3

for tool in Xvfb openbox xdotool pgrep; do
    if ! command -v "$tool" >/dev/null; then
        echo "cpu_compare: $tool is missing (Debian packages xvfb, openbox, xdotool)" >&2
        exit 1
    fi
done

if [[ -n "${BUILD_DIR:-}" ]]; then
    build="$BUILD_DIR"
else
    build="$root/build/release"
    (cd "$root" && cmake --preset release >/dev/null &&
        cmake --build --preset release --parallel "${JOBS:-2}" --target skirmora floor_window)
fi
game="$build/app/skirmora"
kspaceduel="$(command -v kspaceduel || command -v /usr/games/kspaceduel || true)"
if ! command -v dbus-run-session >/dev/null; then
    kspaceduel=""
fi
floor="$build/bench/floor_window"

scratch="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

# An X server with a window manager on display :$1, for one program.
start_display() {
    local display=":$1"
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$scratch/xvfb$1.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do
        DISPLAY="$display" xdotool getdisplaygeometry >/dev/null 2>&1 && break
        sleep 0.1
    done
    DISPLAY="$display" openbox >"$scratch/openbox$1.log" 2>&1 &
    pids+=($!)
    sleep 1
}

# The CPU time of a process so far, in nanoseconds, over the threads it has now.
cpu_ns() {
    local total=0 run
    for stat in /proc/"$1"/task/*/schedstat; do
        read -r run _ <"$stat" || continue
        total=$((total + run))
    done
    echo "$total"
}

# The first top-level window of a process whose name matches, waited for.
window_of() {
    local pid="$1" name="$2" id
    for _ in $(seq 100); do
        id="$(xdotool search --onlyvisible --pid "$pid" --name "$name" 2>/dev/null | head -n 1)"
        if [[ -n "$id" ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Each start_* function starts its program on the current DISPLAY, brings it into play at the
# common size and sets `started` to the id of the process to measure.
start_floor() {
    "$floor" --size "${width}x${height}" >"$scratch/floor.log" 2>&1 &
    started=$!
    pids+=("$started")
    window_of "$started" floor_window >/dev/null
}

start_skirmora() {
    local home="$scratch/game-config"
    mkdir -p "$home/Brontel"
    printf '[Hra]\nPL1=1\nPL2=1\n' >"$home/Brontel/skirmora.conf"
    XDG_CONFIG_HOME="$home" "$game" >"$scratch/game.log" 2>&1 &
    started=$!
    pids+=("$started")
    # The setup dialog comes up first, with the focus; OK keeps both sides computer-driven.
    # Keys go through XTEST, as a person's would: Qt ignores keys sent to a window directly.
    local dialog main
    dialog="$(window_of "$started" '^Nova hra$')"
    for _ in $(seq 20); do
        sleep 0.5
        xdotool windowfocus "$dialog" 2>/dev/null || true
        xdotool key Return
        sleep 0.5
        xdotool search --onlyvisible --pid "$started" --name '^Nova hra$' >/dev/null 2>&1 || break
    done
    main="$(window_of "$started" '^Skirmora$')"
    xdotool windowsize "$main" "$width" "$height"
}

start_kspaceduel() {
    local home="$scratch/kspaceduel-home" session main
    mkdir -p "$home/.config"
    printf '[Game]\nplayer0IsAi=true\nplayer1IsAi=true\n' >"$home/.config/kspaceduelrc"
    # A KDE program wants a session bus; it gets one of its own, which is not measured.
    HOME="$home" XDG_CONFIG_HOME="$home/.config" dbus-run-session -- "$kspaceduel" \
        >"$scratch/kspaceduel.log" 2>&1 &
    session=$!
    pids+=("$session")
    started=""
    for _ in $(seq 100); do
        started="$(pgrep -P "$session" -x kspaceduel || true)"
        [[ -n "$started" ]] && break
        sleep 0.1
    done
    [[ -n "$started" ]] || return 1
    pids+=("$started")
    main="$(window_of "$started" 'KSpaceDuel')"
    sleep 1
    xdotool windowsize "$main" "$width" "$height"
    xdotool windowactivate --sync "$main" 2>/dev/null || true
}

verdict() {
    # ratio, limit: met when ratio <= limit
    awk -v r="$1" -v l="$2" 'BEGIN { print (r != "inf" && r <= l) ? "met" : "NOT MET" }'
}

# A program that used next to no CPU did not play: its figure proves nothing.
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (a > 5 && b > 5) printf "%.2f", a / b; else print "inf" }'
}

names=(floor skirmora)
[[ -n "$kspaceduel" ]] && names+=(kspaceduel)
declare -A pid_of display_of before after
number="$first_display"
for name in "${names[@]}"; do
    start_display "$number"
    display_of[$name]=":$number"
    started=""
    DISPLAY=":$number" "start_$name" || true
    pid_of[$name]="$started"
    number=$((number + 1))
done
if [[ -z "${pid_of[kspaceduel]:-}" ]]; then
    kspaceduel=""
fi

echo "CPU time over ${seconds} s at ${width}x${height}, each on its own Xvfb with openbox" \
    "from :$first_display, all at once"
sleep "$settle"
for name in "${!pid_of[@]}"; do
    [[ -n "${pid_of[$name]}" ]] && before[$name]="$(cpu_ns "${pid_of[$name]}")"
done
for _ in $(seq "$seconds"); do
    # A KSpaceDuel round ends when a ship is destroyed, and the next one waits for the space
    # bar: it is pressed once a second, so that KSpaceDuel, too, plays the whole time.
    if [[ -n "$kspaceduel" ]]; then
        DISPLAY="${display_of[kspaceduel]}" xdotool key space
    fi
    sleep 1
done
for name in "${!pid_of[@]}"; do
    [[ -n "${pid_of[$name]}" ]] && after[$name]="$(cpu_ns "${pid_of[$name]}")"
done
if [[ -n "${SCREENSHOT_DIR:-}" ]] && command -v import >/dev/null; then
    for name in "${names[@]}"; do
        DISPLAY="${display_of[$name]}" import -window root "$SCREENSHOT_DIR/cpu_compare-$name.png" \
            2>/dev/null || true
    done
fi

# Milliseconds of CPU over the measured seconds; 0 for a program that never came up.
cpu_ms() {
    if [[ -n "${after[$1]:-}" ]]; then
        echo $(((${after[$1]} - ${before[$1]}) / 1000000))
    else
        echo 0
    fi
}
floor_ms="$(cpu_ms floor)"
game_ms="$(cpu_ms skirmora)"
printf '  %-40s %6d ms\n' "floor (backing store, tiles only)" "$floor_ms"
printf '  %-40s %6d ms\n' "Skirmora, computer against computer" "$game_ms"
if [[ -n "$kspaceduel" ]]; then
    ksd_ms="$(cpu_ms kspaceduel)"
    printf '  %-40s %6d ms\n' "KSpaceDuel, computer against computer" "$ksd_ms"
else
    echo "  KSpaceDuel is not installed (Debian package kspaceduel): its ratio is skipped"
fi

floor_ratio="$(ratio "$game_ms" "$floor_ms")"
printf 'game / floor:      %s (target at most 1.2): %s\n' "$floor_ratio" \
    "$(verdict "$floor_ratio" 1.2)"
if [[ -n "$kspaceduel" ]]; then
    ksd_ratio="$(ratio "$game_ms" "$ksd_ms")"
    printf 'game / KSpaceDuel: %s (target at most 0.8): %s\n' "$ksd_ratio" \
        "$(verdict "$ksd_ratio" 0.8)"
fi
