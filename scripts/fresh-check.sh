#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the README's two commands the way a new user meets them: on a fresh minimal system of
# a Debian release, made with debootstrap, with a clone of this repository. It runs the test
# command exactly as the README writes it, then the play command until the setup dialog
# "Nova hra" is up in an X server (Xvfb with the openbox window manager), and prints how long
# each step took. Runs as root.
#
#   bash scripts/fresh-check.sh RELEASE        RELEASE: bookworm or trixie
#
# The pristine system is kept as a tarball in a cache folder outside the repository, so that a
# second run starts in seconds. The clone is of the commit checked out here.
#
# Environment:
#   SKIRMORA_FRESH_CACHE   the cache folder (default /var/cache/skirmora-fresh-check)
#   SKIRMORA_FRESH_STEPS   which commands to run: "test play" (default), "test" or "play"
#   SKIRMORA_FRESH_KEEP    1 keeps the system and its logs after the run (default: removed,
#                          logs kept in the cache folder)
set -euo pipefail

release="${1:-}"
case "$release" in
    bookworm | trixie) ;;
    *)
        echo "usage: $0 bookworm|trixie" >&2
        exit 2
        ;;
esac
if [[ $(id -u) -ne 0 ]]; then
    echo "$0: debootstrap and chroot need root" >&2
    exit 2
fi

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cache="${SKIRMORA_FRESH_CACHE:-/var/cache/skirmora-fresh-check}"
steps="${SKIRMORA_FRESH_STEPS:-test play}"
pristine="$cache/$release-minbase.tar"
logs="$cache/logs/$release"
mkdir -p "$cache" "$logs"

# --- what this script itself needs on the machine it runs on --------------------------------

host_tools=(debootstrap xvfb openbox xdotool x11-utils imagemagick git)
missing=()
for package in "${host_tools[@]}"; do
    [[ $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true) == "install ok installed" ]] ||
        missing+=("$package")
done
if ((${#missing[@]} > 0)); then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# --- clean-up on every way out ---------------------------------------------------------------

root=""
started_pids=()
cleanup() {
    local status=$?
    trap - EXIT INT TERM
    local pid
    # Only what this script started, newest first; each game or command runs in a process
    # group of its own, so its children go with it.
    for ((i = ${#started_pids[@]} - 1; i >= 0; i--)); do
        pid="${started_pids[i]}"
        kill -TERM -- "-$pid" 2>/dev/null || kill -TERM "$pid" 2>/dev/null || true
    done
    for pid in "${started_pids[@]}"; do
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL -- "-$pid" 2>/dev/null || kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    if [[ -n "$root" ]]; then
        local mount
        # Deepest first, so that nothing is left mounted under the system being removed.
        for mount in $(findmnt -rn -o TARGET | grep -F "$root/" | sort -r); do
            umount "$mount" 2>/dev/null || umount -l "$mount" || true
        done
        if findmnt -rn -o TARGET | grep -qF "$root/"; then
            echo "fresh-check: something is still mounted under $root; left in place" >&2
        elif [[ "${SKIRMORA_FRESH_KEEP:-0}" == 1 ]]; then
            echo "fresh-check: the system stays in $root"
        else
            rm -rf --one-file-system "$root"
        fi
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Starts a command in a process group of its own and records it for the clean-up.
start() {
    setsid "$@" &
    started_pids+=("$!")
}

# --- step timing -------------------------------------------------------------------------------

step_names=()
step_seconds=()
step_start=0
begin_step() {
    echo "== $release: $1"
    step_names+=("$1")
    step_start=$(date +%s.%N)
}
end_step() {
    step_seconds+=("$(awk -v now="$(date +%s.%N)" -v start="$step_start" \
        'BEGIN { print now - start }')")
}
report_steps() {
    echo
    echo "Steps on $release:"
    local i
    for i in "${!step_seconds[@]}"; do
        printf '  %-48s %8.1f s\n' "${step_names[i]}" "${step_seconds[i]}"
    done
}

# --- the pristine system ---------------------------------------------------------------------

# The Debian archive this machine's apt is set up with: the URI of the first source that serves
# this machine's own release (deb822 .sources files or one-line lists).
configured_mirror() {
    local codename
    codename="$(. /etc/os-release && echo "${VERSION_CODENAME:-}")"
    local uri=""
    if compgen -G "/etc/apt/sources.list.d/*.sources" >/dev/null; then
        uri=$(awk -v suite="$codename" '
            /^URIs:/ { uris = $2 }
            /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == suite) found = uris }
            /^$/ { if (found != "") { print found; exit } uris = "" }
            END { if (found != "") print found }' /etc/apt/sources.list.d/*.sources | head -n 1)
    fi
    if [[ -z "$uri" && -f /etc/apt/sources.list ]]; then
        uri=$(awk -v suite="$codename" '$1 == "deb" {
                for (i = 2; i <= NF; i++) if ($i !~ /^\[/ && $i !~ /\]$/) break
                if ($(i + 1) == suite) { print $i; exit } }' /etc/apt/sources.list)
    fi
    echo "${uri:-http://deb.debian.org/debian}"
}

if [[ ! -s "$pristine" ]]; then
    begin_step "debootstrap --variant=minbase (empty cache)"
    mirror="$(configured_mirror)"
    building="$(mktemp -d "$cache/$release-building.XXXXXX")"
    root="$building"  # removed by the clean-up if the bootstrap fails half-way
    debootstrap --variant=minbase "$release" "$building" "$mirror" >"$logs/debootstrap.log" 2>&1 ||
        {
            tail -n 20 "$logs/debootstrap.log" >&2
            exit 1
        }
    tar -C "$building" --numeric-owner -cf "$pristine.part" .
    mv "$pristine.part" "$pristine"
    rm -rf --one-file-system "$building"
    root=""
    end_step
fi

begin_step "fresh system from the cache"
root="$(mktemp -d /var/tmp/skirmora-fresh-"$release".XXXXXX)"
tar -C "$root" --numeric-owner -xf "$pristine"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
mkdir -p "$root/tmp/.X11-unix"
end_step

begin_step "clone of $(git -C "$repo" rev-parse --short HEAD)"
git clone -q --no-local "$repo" "$root/root/skirmora"
git -C "$root/root/skirmora" checkout -q "$(git -C "$repo" rev-parse HEAD)"
end_step

# Runs a command in the fresh system as a new user's login shell would, as root.
in_system() {
    chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

# A build log with a compiler or CMake warning in it fails the check, whatever the exit code.
check_no_warnings() {
    local log="$1"
    if grep -nE ': warning: |^CMake Warning' "$log" >"$log.warnings"; then
        echo "fresh-check: warnings in $log:" >&2
        head -n 20 "$log.warnings" >&2
        exit 1
    fi
}

if [[ " $steps " == *" test "* ]]; then
    begin_step "bash scripts/test.sh"
    if ! in_system /bin/bash -c 'cd /root/skirmora && bash scripts/test.sh' \
        >"$logs/test.log" 2>&1; then
        tail -n 60 "$logs/test.log" >&2
        echo "fresh-check: the test command failed on $release (log: $logs/test.log)" >&2
        exit 1
    fi
    end_step
    grep -E 'tests passed|tests failed' "$logs/test.log" || true
    check_no_warnings "$logs/test.log"
fi

if [[ " $steps " == *" play "* ]]; then
    begin_step "bash scripts/play.sh until \"Nova hra\" is up"
    display=""
    for number in $(seq 90 120); do
        if [[ ! -e "/tmp/.X$number-lock" && ! -e "/tmp/.X11-unix/X$number" ]]; then
            display=":$number"
            break
        fi
    done
    [[ -n "$display" ]] || {
        echo "fresh-check: no free X display" >&2
        exit 1
    }
    # The X server runs on this machine and listens in the fresh system's /tmp, where the game
    # finds its socket.
    start Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$logs/xvfb.log" 2>&1
    for _ in $(seq 100); do
        [[ -S "/tmp/.X11-unix/X${display#:}" ]] && break
        sleep 0.1
    done
    mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
    start env DISPLAY="$display" openbox >"$logs/openbox.log" 2>&1
    start chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 DISPLAY="$display" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        /bin/bash /root/skirmora/scripts/play.sh >"$logs/play.log" 2>&1
    game_pid="${started_pids[-1]}"
    shown=false
    for _ in $(seq 1800); do
        if DISPLAY="$display" xdotool search --onlyvisible --name '^Nova hra$' >/dev/null 2>&1; then
            shown=true
            break
        fi
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.5
    done
    if [[ $shown != true ]]; then
        tail -n 40 "$logs/play.log" >&2
        echo "fresh-check: the setup dialog did not come up on $release" >&2
        exit 1
    fi
    end_step
    sleep 1
    DISPLAY="$display" import -window root "$logs/setup-dialog.png" 2>/dev/null || true
    check_no_warnings "$logs/play.log"
    # The game ends orderly on SIGTERM, with exit status 0.
    kill -TERM "$game_pid"
    game_status=0
    wait "$game_pid" || game_status=$?
    if [[ $game_status -ne 0 ]]; then
        echo "fresh-check: the game ended with status $game_status on SIGTERM" >&2
        exit 1
    fi
    echo "The setup dialog as it came up: $logs/setup-dialog.png"
fi

report_steps
echo "fresh-check: $release passed"
