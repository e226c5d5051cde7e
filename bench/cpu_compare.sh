#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What a stretch of play costs the machine, side by side on real X servers with a window manager
# (Xvfb and openbox), or with SESSION=wayland on Wayland compositors (weston, each nested in an
# Xvfb of its own, so that keys reach it), all at KSpaceDuel's default window size (702 x 476
# inside the frame):
#   - floor: bench/floor_window, which only writes and flushes a busy tick's rectangles
#   - game: Skirmora, computer against computer
#   - KSpaceDuel (Debian package kspaceduel), computer against computer, when installed
# Each program has an X server and a window manager of its own, and all are measured over the
# same seconds: on a shared machine, programs measured one after the other differ by tens of
# percent from the machine's drift alone. A program's CPU time is the sum over its threads from
# /proc/PID/task/*/schedstat; its display server's is not counted. On Wayland, where a program
# cannot be resized from outside, the game opens at the size stored in its settings, so its
# client area is about, not exactly, the floor's; KSpaceDuel is measured on X11 only. The targets: the game costs at most
# 1.2 times the floor and at most 0.8 times KSpaceDuel.
#
# Environment: SECONDS_EACH, the measured seconds (default 30); DISPLAY_NUMBER, the first of three
# free Xvfb displays, one a program (default 97); BUILD_DIR, the release build (default
# build/release, built here with JOBS parallel jobs, default 2); SCREENSHOT_DIR, where to leave a
# screenshot of each program taken while it is measured.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${SECONDS_EACH:-30}"
number="${DISPLAY_NUMBER:-97}"
size=702x476

session="${SESSION:-x11}"
tools=(Xvfb openbox xdotool pgrep)
[[ $session == wayland ]] && tools+=(weston)
for tool in "${tools[@]}"; do
    if ! command -v "$tool" >/dev/null; then
        echo "cpu_compare: $tool is missing (Debian packages xvfb, openbox, xdotool, weston)" >&2
        exit 1
    fi
done
build="${BUILD_DIR:-$root/build/release}"
if [[ -z "${BUILD_DIR:-}" ]]; then
    (cd "$root" && cmake --preset release >/dev/null &&
        cmake --build --preset release --parallel "${JOBS:-2}" --target skirmora floor_window)
fi
kspaceduel="$(command -v kspaceduel /usr/games/kspaceduel | head -n 1 || true)"
command -v dbus-run-session >/dev/null || kspaceduel=""
[[ $session == x11 ]] || kspaceduel=""

scratch="$(mktemp -d)" # its owner's alone (mode 700), as a runtime folder must be
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR="$scratch"
if [[ $session == wayland ]]; then
    export QT_QPA_PLATFORM=wayland
else
    export QT_QPA_PLATFORM=xcb
fi

# What starts a measured program: on Wayland it talks to the compositor alone.
program=()
[[ $session == x11 ]] || program=(env -u DISPLAY)

# Runs a command in the background, logged in the scratch folder, for cleanup to end.
spawn() {
    "${@:2}" >"$scratch/$1.log" 2>&1 &
    pids+=($!)
}

# An X server with a window manager on the current DISPLAY, or on Wayland a weston inside it
# whose socket is named after the display (WAYLAND_DISPLAY).
start_display() {
    spawn "xvfb$DISPLAY" Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset
    for _ in $(seq 50); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && break
        sleep 0.1
    done
    if [[ $session == wayland ]]; then
        export WAYLAND_DISPLAY="wayland-cpu${DISPLAY#:}"
        spawn "weston$DISPLAY" weston --backend=x11-backend.so --use-pixman --no-config \
            --width=1200 --height=900 --socket="$WAYLAND_DISPLAY"
        for _ in $(seq 100); do
            [[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]] && break
            sleep 0.1
        done
    else
        spawn "openbox$DISPLAY" openbox
    fi
    sleep 1
}

# Keys for a program on Wayland go to the compositor's X11 window, which passes them on to the
# window it has focused.
wayland_key() {
    local output
    output="$(xdotool search --class weston 2>/dev/null | head -n 1)"
    [[ -n "$output" ]] && xdotool key --window "$output" "$1"
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

# The first visible window of a process whose name matches, waited for.
window_of() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -n 1 | grep . &&
            return
        sleep 0.1
    done
    return 1
}

# Each start_* function starts its program on the current DISPLAY, brings it into play at the
# common size and sets `started` to the id of the process to measure.
start_floor() {
    spawn floor "${program[@]}" "$build/bench/floor_window" --size "$size"
    started="${pids[-1]}"
    [[ $session == wayland ]] || window_of "$started" floor_window >/dev/null
}

start_skirmora() {
    local home="$scratch/game-config" dialog
    mkdir -p "$home/Brontel"
    printf '[Hra]\nPL1=1\nPL2=1\n' >"$home/Brontel/skirmora.conf"
    # The outer size for the floor's client size, with the menu bar and Qt's own title bar.
    [[ $session == x11 ]] || printf '[Vzhled]\npozice=0000 0000 %04d %04d\n' \
        "$((${size%x*} + 2))" "$((${size#*x} + 56))" >>"$home/Brontel/skirmora.conf"
    XDG_CONFIG_HOME="$home" spawn game "${program[@]}" "$build/app/skirmora"
    started="${pids[-1]}"
    if [[ $session == wayland ]]; then
        # The setup dialog has the focus; OK keeps both sides computer-driven.
        sleep 4
        wayland_key Return
        return
    fi
    # The setup dialog comes up first, with the focus; OK keeps both sides computer-driven.
    # Keys go through XTEST, as a person's would: Qt ignores keys sent to a window directly.
    dialog="$(window_of "$started" '^Nova hra$')"
    for _ in $(seq 20); do
        sleep 0.5
        xdotool windowfocus "$dialog" 2>/dev/null || true
        xdotool key Return
        sleep 0.5
        xdotool search --onlyvisible --pid "$started" --name '^Nova hra$' >/dev/null 2>&1 || break
    done
    xdotool windowsize "$(window_of "$started" '^Skirmora$')" "${size%x*}" "${size#*x}"
}

start_kspaceduel() {
    local home="$scratch/kspaceduel-home" main
    mkdir -p "$home/.config"
    printf '[Game]\nplayer0IsAi=true\nplayer1IsAi=true\n' >"$home/.config/kspaceduelrc"
    # A KDE program wants a session bus; it gets one of its own, which is not measured.
    HOME="$home" XDG_CONFIG_HOME="$home/.config" spawn kspaceduel dbus-run-session -- "$kspaceduel"
    for _ in $(seq 100); do
        started="$(pgrep -P "${pids[-1]}" -x kspaceduel || true)"
        [[ -n "$started" ]] && break
        sleep 0.1
    done
    [[ -n "$started" ]] || return 1
    pids+=("$started")
    main="$(window_of "$started" 'KSpaceDuel')"
    sleep 1
    xdotool windowsize "$main" "${size%x*}" "${size#*x}"
    xdotool windowactivate --sync "$main" 2>/dev/null || true
}

names=(floor skirmora)
[[ -n "$kspaceduel" ]] && names+=(kspaceduel)
declare -A pid_of display_of cpu_ms
for name in "${names[@]}"; do
    display_of[$name]=":$number"
    number=$((number + 1))
    export DISPLAY="${display_of[$name]}"
    start_display
    started=""
    "start_$name" || true
    [[ -n "$started" ]] && pid_of[$name]="$started"
done
[[ -n "${pid_of[kspaceduel]:-}" ]] || kspaceduel=""

if [[ $session == wayland ]]; then
    where="weston in an Xvfb"
else
    where="Xvfb with openbox"
fi
echo "CPU time over ${seconds} s at ${size}, each on its own $where from ${display_of[floor]}," \
    "all at once"
sleep 3
for name in "${!pid_of[@]}"; do
    cpu_ms[$name]="$(cpu_ns "${pid_of[$name]}")"
done
for _ in $(seq "$seconds"); do
    # A KSpaceDuel round ends when a ship is destroyed, and the next one waits for the space
    # bar: it is pressed once a second, so that KSpaceDuel, too, plays the whole time.
    [[ -z "$kspaceduel" ]] || DISPLAY="${display_of[kspaceduel]}" xdotool key space
    sleep 1
done
# Milliseconds of CPU over the measured seconds; 0 for a program that never came up.
for name in "${names[@]}"; do
    cpu_ms[$name]=$((($(cpu_ns "${pid_of[$name]:-none}") - ${cpu_ms[$name]:-0}) / 1000000))
done
if [[ -n "${SCREENSHOT_DIR:-}" ]] && command -v import >/dev/null; then
    for name in "${names[@]}"; do
        DISPLAY="${display_of[$name]}" import -window root "$SCREENSHOT_DIR/cpu_compare-$name.png" \
            2>/dev/null || true
    done
fi

printf '  %-40s %6d ms\n' "floor (backing store, tiles only)" "${cpu_ms[floor]}"
printf '  %-40s %6d ms\n' "Skirmora, computer against computer" "${cpu_ms[skirmora]}"
if [[ -n "$kspaceduel" ]]; then
    printf '  %-40s %6d ms\n' "KSpaceDuel, computer against computer" "${cpu_ms[kspaceduel]}"
else
    echo "  KSpaceDuel is not installed (Debian package kspaceduel): its ratio is skipped"
fi

# The game's CPU over another's, at most `limit`; a program that used next to no CPU did not
# play, so its figure proves nothing.
judge() {
    awk -v label="$1" -v a="${cpu_ms[skirmora]}" -v b="${cpu_ms[$2]}" -v l="$3" 'BEGIN {
        r = (a > 5 && b > 5) ? sprintf("%.2f", a / b) : "inf"
        printf "%-18s %s (target at most %s): %s\n", label, r, l,
            (r != "inf" && r + 0 <= l) ? "met" : "NOT MET" }'
}
judge "game / floor:" floor 1.2
[[ -z "$kspaceduel" ]] || judge "game / KSpaceDuel:" kspaceduel 0.8
