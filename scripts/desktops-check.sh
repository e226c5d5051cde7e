#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the real game natively on Wayland under the compositors of the desktops players use, each
# nested in an X server of its own (Xvfb), where ImageMagick's import takes screenshots and
# xdotool types and clicks into the compositor's window. Both sides are computer-driven. On each
# desktop it checks that
#   - the compositor starts and the game's setup dialog "Nova hra" comes up,
#   - Return reaches the dialog and the battle starts,
#   - the battle on the screen is the simulator's picture of the same battle after some tick
#     (by the screen matcher, see compare_with_simulator),
#   - the title bar's close button ends the game with status 0, and the game wrote its settings.
# It keeps screenshots of the setup dialog, the battle and the About box for a human to look at,
# prints one line per desktop, and exits non-zero when a check failed. Runs as root on Debian 12
# or 13 and installs what it needs.
#
#   bash scripts/desktops-check.sh [weston] [kwin] [gnome]     (default: all three)
#
# Environment:
#   SKIRMORA_DESKTOPS_SHOTS   where the screenshots go, named by compositor, with the logs in
#                             its logs/ folder (default build/desktops)
#   SKIRMORA_GAME             the game (default build/release/app/skirmora)
#   SKIRMORA_SCREEN_MATCH     the screen matcher (default
#                             build/release/tests/tools/screenmatch/skirmora-screen-match)
#   SKIRMORA_DESKTOPS_DISPLAY the first X display number to try (default 350; the first free one
#                             from there is taken)
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
all_desktops=(weston kwin gnome)
desktops=("$@")
((${#desktops[@]} > 0)) || desktops=("${all_desktops[@]}")
for desktop in "${desktops[@]}"; do
    case "$desktop" in
        weston | kwin | gnome) ;;
        *)
            echo "usage: $0 [weston] [kwin] [gnome]" >&2
            exit 2
            ;;
    esac
done
if [[ $(id -u) -ne 0 ]]; then
    echo "$0: installs packages and runs the compositors as root; run it as root" >&2
    exit 2
fi

shots="${SKIRMORA_DESKTOPS_SHOTS:-$repo/build/desktops}"
game="${SKIRMORA_GAME:-$repo/build/release/app/skirmora}"
screen_match="${SKIRMORA_SCREEN_MATCH:-$repo/build/release/tests/tools/screenmatch/skirmora-screen-match}"
first_display="${SKIRMORA_DESKTOPS_DISPLAY:-350}"
logs="$shots/logs"
mkdir -p "$shots" "$logs"

if [[ ! -x "$game" ]]; then
    echo "$0: no game at $game; build it first:" >&2
    echo "  cmake --preset release && cmake --build --preset release --target skirmora" >&2
    exit 2
fi

# --- what the check needs on this machine ----------------------------------------------------

# The X server and the tools that look into it and type into it; dbus for the sessions KWin and
# GNOME Shell run in; Qt's Wayland platform for the game, and a font for its texts. KWin draws
# its title bars with Breeze; without it there are none to click.
packages=(xvfb x11-utils xdotool imagemagick dbus qt6-wayland qt6-qpa-plugins fonts-dejavu-core)
for desktop in "${desktops[@]}"; do
    case "$desktop" in
        weston) packages+=(weston) ;;
        kwin) packages+=(kwin-wayland breeze) ;;
        gnome) packages+=(gnome-shell) ;;
    esac
done
missing=()
for package in "${packages[@]}"; do
    [[ $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true) == "install ok installed" ]] ||
        missing+=("$package")
done
if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    installing_since=$SECONDS
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" \
        >"$logs/apt-get.log" 2>&1 || {
        tail -n 30 "$logs/apt-get.log" >&2
        exit 1
    }
    echo "Installed in $((SECONDS - installing_since)) s"
fi

# The compositors' X servers are 80 by 40 pixels larger than the compositors' windows: the
# pointer is parked out there, so that KWin draws it into no screenshot. Weston keeps drawing
# its pointer where the X pointer left its window, and GNOME Shell at its top left corner, in
# the top bar: on the way out the pointer passes the bottom right corner, where no window of
# the game lies. The keyboard reaches a compositor all the same, by the X input focus set on
# its window.
compositor_width=1200
compositor_height=760
screen_size="$((compositor_width + 80))x$((compositor_height + 40))"

work="$(mktemp -d /tmp/skirmora-desktops.XXXXXX)"
results="$work/results"
mkdir -p "$results"
trap 'rm -rf "$work"' EXIT

# --- helpers, used inside each desktop's run -------------------------------------------------

started_pids=()

# Starts a command in a process group of its own, so that it goes with everything it started
# (dbus-run-session leaves the compositor behind when it alone is ended).
start() {
    setsid "$@" &
    started_pids+=("$!")
}

# Ends what this desktop's run started, newest first, each with its process group.
stop_started() {
    local i pid
    for ((i = ${#started_pids[@]} - 1; i >= 0; i--)); do
        pid="${started_pids[i]}"
        kill -CONT -- "-$pid" 2>/dev/null || true
        kill -TERM -- "-$pid" 2>/dev/null || kill -TERM "$pid" 2>/dev/null || true
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL -- "-$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    started_pids=()
}

# Waits up to SECONDS for COMMAND to succeed; fails at once when the process PID has ended.
wait_for() {
    local seconds="$1" pid="$2"
    shift 2
    local tries=$((seconds * 10))
    while ((tries-- > 0)); do
        "$@" 2>/dev/null && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# The free X display from the first number on; the lock file and the socket both count.
free_display() {
    local number
    for number in $(seq "$first_display" $((first_display + 49))); do
        if [[ ! -e "/tmp/.X$number-lock" && ! -e "/tmp/.X11-unix/X$number" ]]; then
            echo "$number"
            return 0
        fi
    done
    return 1
}

# The compositor's window, the only child of the X server's root window, once it is on the
# screen: the X server refuses the input focus to a window that is not.
compositor_window() {
    local window
    window="$(DISPLAY="$display" xwininfo -root -children |
        awk '/^ +0x[0-9a-f]+ / { print $1; exit }')"
    [[ -n "$window" ]] &&
        DISPLAY="$display" xwininfo -id "$window" | grep -q 'Map State: IsViewable' &&
        echo "$window"
}

# Whether the game has asked for a window with this title: the Wayland messages it sends are
# in its log (WAYLAND_DEBUG), since a Wayland client's windows cannot be seen from outside.
titled() {
    grep -aqF "set_title(\"$1\")" "$game_log"
}

# Whether the game's window with this title has the keyboard: a wl_keyboard.enter after the
# title (named wl_keyboard@id, or wl_keyboard#id since libwayland 1.23).
has_keyboard() {
    awk -v title="set_title(\"$1\")" 'index($0, title) { seen = 1 }
        seen && /wl_keyboard[@#][0-9]+\.enter\(/ { found = 1 }
        END { exit !found }' "$game_log"
}

screenshot() {
    DISPLAY="$display" import -window root "$1"
}

# Keys to the compositor, each after the one before has had its effect.
keys() {
    local key
    for key in "$@"; do
        DISPLAY="$display" xdotool key "$key"
        sleep 0.3
    done
}

# Stops the run of this desktop with a message, and the log that tells why.
give_up() {
    local message="$1" log="${2:-}"
    echo "$desktop: $message" >&2
    if [[ -n "$log" ]]; then
        echo "--- the end of $log:" >&2
        tail -n 25 "$log" >&2
    fi
    exit 1
}

# Out of the compositor's window, by its bottom right corner (see the X server's size above).
park_pointer() {
    DISPLAY="$display" xdotool mousemove $((compositor_width - 1)) $((compositor_height - 1))
    sleep 0.2
    DISPLAY="$display" xdotool mousemove $((compositor_width + 79)) $((compositor_height + 39))
}

# One check's result, NAME then its words.
record() {
    echo "$1=${*:2}" >>"$results/$desktop"
}

# --- the comparison with the simulator -------------------------------------------------------

# Whether the screenshot shows the client area of the game exactly as the simulator draws the
# same battle after some tick. The game seeds its random source with the second it started in;
# the candidates are that second and two either side, for the second read here is not exactly
# the game's. The matcher reads the client area from the screenshot itself. A picture of a
# tick long before the battle had come to counts as no match: it is a screen that stopped being
# redrawn (the first frames of every battle look alike, with the ships still on their pads).
compare_with_simulator() {
    local shot="$1" first_seed="$2" last_seed="$3" max_ticks="$4" least_tick="$5"
    local log="$logs/$desktop-screen-match.log"
    if [[ ! -x "$screen_match" ]]; then
        echo "$desktop: comparison tool missing ($screen_match); the screenshot stays in $shot"
        record picture "comparison tool missing (screenshot $shot)"
        return 0
    fi
    local status=0
    "$screen_match" "$shot" --seeds "$first_seed-$last_seed" --max-ticks "$max_ticks" \
        --closest-png "${shot%.png}-closest.png" >"$log" 2>&1 || status=$?
    sed "s/^/$desktop: screen match: /" "$log"
    local tick
    tick="$(sed -n 's/^match: seed [0-9]* tick \([0-9]*\).*/\1/p' "$log")"
    if [[ $status -eq 0 && ${tick:-0} -lt $least_tick ]]; then
        record picture "NOT matched: a stale screen, the picture of tick $tick where the battle" \
            "was at tick $least_tick at least ($(grep -m 1 '^match' "$log"))"
        return 1
    fi
    case "$status" in
        0) record picture "matched: $(grep -m 1 '^match' "$log")" ;;
        1) record picture "NOT matched: $(grep -m 1 '^no match' "$log" || tail -n 1 "$log")" ;;
        *) record picture "NOT compared (matcher status $status: $(tail -n 1 "$log"))" ;;
    esac
    [[ $status -eq 0 ]]
}

# --- the compositors -------------------------------------------------------------------------

# Each starts its compositor in the background with its Wayland socket named $socket in
# $runtime, its X11 window on $display, and its output in $compositor_log; sets
# compositor_seconds, how long it may take to come up, and close_offset: where the close
# button is from the top right corner of a window's frame, in its decoration.

# Weston draws no title bars: Qt draws its own, with the close button 17 pixels from the right
# and 15 down.
start_weston() {
    compositor_seconds=30
    close_offset=(17 15)
    start env DISPLAY="$display" XDG_RUNTIME_DIR="$runtime" "${compositor_homes[@]}" \
        weston --backend=x11-backend.so --use-pixman --width="$compositor_width" \
        --height="$compositor_height" --socket="$socket" >"$compositor_log" 2>&1
}

# KWin decorates the windows itself, with Breeze: the close button is 18 pixels from the right
# and 18 down. The installed binary carries a file capability (to raise its resource limits)
# that a container refuses to execute; a copy carries none.
start_kwin() {
    compositor_seconds=60
    close_offset=(18 18)
    mkdir -p "$scratch/bin"
    cp /usr/bin/kwin_wayland "$scratch/bin/kwin_wayland"
    start env DISPLAY="$display" XDG_RUNTIME_DIR="$runtime" "${compositor_homes[@]}" \
        dbus-run-session -- "$scratch/bin/kwin_wayland" --x11-display ":$display_number" \
        --width "$compositor_width" --height "$compositor_height" --socket "$socket" \
        >"$compositor_log" 2>&1
}

# GNOME Shell (mutter) draws no title bars on Wayland either: Qt draws its own, as on weston.
# Without a system bus the shell stops in its login manager's code, so it gets one of its own,
# a private bus with nothing on it. --no-x11: the shell would otherwise start Xwayland on the
# first free X display from :0, which may be another program's the moment after.
start_gnome() {
    compositor_seconds=30
    close_offset=(17 15)
    local bus="$scratch/system_bus_socket"
    start dbus-daemon --config-file=/usr/share/dbus-1/session.conf --address="unix:path=$bus" \
        --nofork --nopidfile >"$logs/$desktop-system-bus.log" 2>&1
    wait_for 10 "${started_pids[-1]}" test -S "$bus" ||
        give_up "the private system bus did not start" "$logs/$desktop-system-bus.log"
    start env DISPLAY="$display" XDG_RUNTIME_DIR="$runtime" "${compositor_homes[@]}" \
        DBUS_SYSTEM_BUS_ADDRESS="unix:path=$bus" \
        MUTTER_DEBUG_DUMMY_MODE_SPECS="${compositor_width}x$compositor_height" \
        dbus-run-session -- gnome-shell --nested --wayland --no-x11 --wayland-display="$socket" \
        >"$compositor_log" 2>&1
}

# --- one desktop ------------------------------------------------------------------------------

# Starts the X server and the compositor in it, and waits until the compositor's window is on
# the screen; or sets failure and failure_log, the log that tells why. GNOME Shell now and then
# stops half-way through its start, with nothing in its log; another start then comes up.
start_desktop() {
    display_number="$(free_display)" || give_up "no free X display from :$first_display on"
    display=":$display_number"
    socket="skirmora-$desktop-$display_number"
    start Xvfb "$display" -screen 0 "${screen_size}x24" -nolisten tcp -noreset \
        >"$logs/$desktop-xvfb.log" 2>&1
    failure_log="$logs/$desktop-xvfb.log"
    failure="Xvfb $display did not start"
    wait_for 10 "${started_pids[-1]}" test -S "/tmp/.X11-unix/X$display_number" || return 1

    "start_$desktop"
    local compositor="${started_pids[-1]}"
    failure_log="$compositor_log"
    failure="the compositor did not open its Wayland socket"
    wait_for "$compositor_seconds" "$compositor" test -S "$runtime/$socket" || return 1
    if [[ $desktop == gnome ]]; then
        failure="the shell did not finish starting"
        wait_for "$compositor_seconds" "$compositor" grep -q 'GNOME Shell started' \
            "$compositor_log" || return 1
    fi
    failure="the compositor's window did not appear on $display"
    wait_for "$compositor_seconds" "$compositor" compositor_window >/dev/null
}

check_desktop() {
    desktop="$1"
    scratch="$work/$desktop"
    runtime="$scratch/runtime"
    mkdir -p "$scratch"
    mkdir -m 0700 "$runtime"
    trap stop_started EXIT
    compositor_log="$logs/$desktop-compositor.log"
    game_log="$logs/$desktop-game.log"
    # The compositor's own settings and caches go to the scratch folder, not to root's home.
    compositor_homes=(XDG_CONFIG_HOME="$scratch/compositor/config"
        XDG_DATA_HOME="$scratch/compositor/data" XDG_CACHE_HOME="$scratch/compositor/cache"
        XDG_STATE_HOME="$scratch/compositor/state")

    # Screenshots of an earlier run would pass for this one's.
    rm -f "$shots/$desktop"-*.png "$logs/$desktop-compositor-attempt-"*.log
    local attempt
    for attempt in 1 2 3; do
        start_desktop && break
        echo "$desktop: $failure (attempt $attempt of 3)" >&2
        echo "--- the end of $failure_log:" >&2
        tail -n 15 "$failure_log" >&2
        ((attempt < 3)) || give_up "did not start in three attempts"
        [[ ! -e "$compositor_log" ]] ||
            mv "$compositor_log" "$logs/$desktop-compositor-attempt-$attempt.log"
        stop_started
        rm -rf "$runtime"
        mkdir -m 0700 "$runtime"
    done
    local window
    window="$(compositor_window)"
    park_pointer
    DISPLAY="$display" xdotool windowfocus "$window"
    if [[ $desktop == gnome ]]; then
        # The shell starts in its overview, which Escape leaves.
        sleep 1
        keys Escape
    fi
    sleep 1
    record started "yes (attempt $attempt), X display $display, Wayland socket $socket"
    local background="$scratch/background.png"
    screenshot "$background"

    # Both sides computer-driven, and the window's place and size of a first start. The file
    # is dated back, so that a write by this run shows in its time.
    local settings="$scratch/config/Brontel/skirmora.conf"
    mkdir -p "$(dirname "$settings")"
    printf '[Hra]\nPL1=1\nPL2=1\n[Vzhled]\npozice=0000 0000 0640 0480\n' >"$settings"
    touch -d '2000-01-01 00:00:00' "$settings"

    local start_second
    start_second="$(date +%s)"
    local started_at="$EPOCHREALTIME"
    # Started directly (not in a group of its own), so that `wait` gives its exit status.
    # The desktop's name as its session gives it to every program, by which a program may suit
    # it (the dialogs draw their own title bars on GNOME).
    local session_desktop=""
    case "$desktop" in
        gnome) session_desktop=GNOME ;;
        kwin) session_desktop=KDE ;;
    esac
    env -i HOME="$HOME" PATH="$PATH" LANG=C.UTF-8 QT_QPA_PLATFORM=wayland \
        XDG_CURRENT_DESKTOP="$session_desktop" \
        WAYLAND_DISPLAY="$socket" XDG_RUNTIME_DIR="$runtime" \
        XDG_CONFIG_HOME="$scratch/config" WAYLAND_DEBUG=client "$game" >"$game_log" 2>&1 &
    local game_pid=$!
    started_pids+=("$game_pid")

    wait_for 30 "$game_pid" has_keyboard "Nova hra" ||
        give_up "the setup dialog \"Nova hra\" did not come up with the keyboard" "$game_log"
    sleep 1
    screenshot "$shots/$desktop-setup-dialog.png"

    keys Return
    local confirmed_at="$EPOCHREALTIME"
    wait_for 10 "$game_pid" titled "Skirmora" ||
        give_up "Return did not start the battle: no main window" "$game_log"
    sleep 2.5
    kill -STOP "$game_pid"
    local stopped_at="$EPOCHREALTIME"
    screenshot "$shots/$desktop-battle.png"
    kill -CONT "$game_pid"
    # At most every tick the game can have made since it started, and some to spare; at least
    # half of those since Return began the battle, for a slow start.
    local max_ticks least_tick
    max_ticks="$(awk -v from="$started_at" -v to="$stopped_at" \
        'BEGIN { printf "%d", (to - from) * 1000 / 30 + 30 }')"
    least_tick="$(awk -v from="$confirmed_at" -v to="$stopped_at" \
        'BEGIN { printf "%d", (to - from) * 1000 / 30 / 2 }')"
    local failed=false
    compare_with_simulator "$shots/$desktop-battle.png" $((start_second - 2)) \
        $((start_second + 2)) "$max_ticks" "$least_tick" || failed=true

    # "Napoveda", the menu bar's second menu, has the About box as its only item.
    keys alt Right Down Return
    if wait_for 10 "$game_pid" titled "O Aplikaci Skirmora"; then
        sleep 1
        screenshot "$shots/$desktop-about.png"
        keys Escape
        sleep 1
        record about "shown ($shots/$desktop-about.png)"
    else
        record about "NOT shown by alt, Right, Down, Return"
        failed=true
    fi

    check_close_button "$background" "$settings" "$game_pid" || failed=true
    ! $failed
}

# The main window is what differs from the empty desktop, the largest area that does: its
# right edge is the frame's. Its top is where that edge begins, a few pixels in, past the
# rounding of a corner: the area's own top may be another thing's joined to it, like GNOME
# Shell's banner that the game "is ready", which opens above the window. The close button is
# at the decoration's offset from that corner. A click there must end the game with status 0,
# with the settings written.
check_close_button() {
    local background="$1" settings="$2" game_pid="$3"
    local before="$scratch/before-close.png" difference="$scratch/difference.png"
    screenshot "$before"
    convert "$background" "$before" -compose Difference -composite -colorspace gray \
        -threshold 3% "$difference"
    local frame
    frame="$(convert "$difference" -define connected-components:verbose=true \
        -define connected-components:area-threshold=100 -connected-components 8 null: |
        awk '$NF == "gray(255)" && $4 > area { area = $4; box = $2 } END { print box }')"
    if [[ ! $frame =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]]; then
        record close "NOT checked: no window found on the screen"
        return 1
    fi
    local right=$((BASH_REMATCH[3] + BASH_REMATCH[1] - 1)) top="${BASH_REMATCH[4]}"
    local bottom=$((top + BASH_REMATCH[2] - 1))
    top="$(convert "$difference" -crop "1x$((bottom - top + 1))+$((right - 3))+$top" +repage \
        txt:- | awk -F '[,:]' -v top="$top" '/#FFFFFF|white/ { print top + $2; exit }')"
    if [[ -z "$top" ]]; then
        record close "NOT checked: no right edge to the window in $frame"
        return 1
    fi
    local x=$((right - close_offset[0])) y=$((top + close_offset[1]))
    DISPLAY="$display" xdotool mousemove "$x" "$y" click 1
    sleep 0.3
    park_pointer
    local ended=false
    for _ in $(seq 100); do
        kill -0 "$game_pid" 2>/dev/null || {
            ended=true
            break
        }
        sleep 0.1
    done
    if ! $ended; then
        screenshot "$shots/$desktop-close-missed.png"
        record close "NOT ended by a click at $x,$y (frame $frame, $desktop-close-missed.png)"
        return 1
    fi
    local status=0
    wait "$game_pid" || status=$?
    if [[ $status -ne 0 ]]; then
        record close "NOT OK: the game ended with status $status"
        return 1
    fi
    # Written by this run: newer than the date the file was given before the start, with the
    # window's place and both sides' drivers.
    local position
    position="$(sed -n 's/^pozice=//p' "$settings")"
    if [[ $(stat -c %Y "$settings") -lt 946684801 ]]; then
        record close "NOT OK: ended with status 0 but did not write $settings"
        return 1
    fi
    if [[ ! $position =~ ^[0-9]{4}\ [0-9]{4}\ [0-9]{4}\ [0-9]{4}$ ]] ||
        ! grep -qx 'PL1=1' "$settings" || ! grep -qx 'PL2=1' "$settings"; then
        record close "NOT OK: the settings written lack pozice, PL1 or PL2: $(tr '\n' ' ' <"$settings")"
        return 1
    fi
    record close "OK: status 0 after a click at $x,$y; settings written, pozice=$position"
}

# --- all of them -----------------------------------------------------------------------------

failures=0
for desktop in "${desktops[@]}"; do
    echo "== $desktop"
    began=$SECONDS
    # In a process of its own, so that a failed step ends this desktop's run (and its clean-up
    # ends what it started) and the next desktop still runs.
    status=0
    (check_desktop "$desktop") &
    wait "$!" || status=$?
    echo "seconds=$((SECONDS - began))" >>"$results/$desktop"
    [[ $status -eq 0 ]] || failures=$((failures + 1))
    echo "status=$status" >>"$results/$desktop"
done

echo
echo "Desktops (screenshots in $shots, logs in $logs):"
# A check that a failed step never reached says so.
result() {
    local value
    value="$(sed -n "s/^$1=//p" "$results/$desktop" | tail -n 1)"
    echo "${value:-not reached}"
}
for desktop in "${desktops[@]}"; do
    printf '%s (%s s)\n' "$desktop" "$(result seconds)"
    printf '  started:      %s\n' "$(result started)"
    printf '  picture:      %s\n' "$(result picture)"
    printf '  About box:    %s\n' "$(result about)"
    printf '  close button: %s\n' "$(result close)"
    [[ $(result status) -eq 0 ]] || echo "  FAILED (see above and $logs/$desktop-*.log)"
done
((failures == 0))
