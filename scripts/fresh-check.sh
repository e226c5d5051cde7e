#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the README's commands the way a new user meets them: on a fresh minimal system of a
# Debian release and architecture, made with debootstrap, with a clone of this repository. By
# default it runs the test command exactly as the README writes it, then the play command until
# the setup dialog "Nova hra" is up in an X server (Xvfb with the openbox window manager), and
# prints how long each step took. Runs as root.
#
#   bash scripts/fresh-check.sh RELEASE[/ARCH]
#
#   RELEASE  bookworm, trixie or forky (the testing release, bootstrapped with sid's script)
#   ARCH     amd64, i386, arm64 or s390x; this machine's own by default. i386 runs natively on
#            amd64 (as a 32-bit userland); arm64 and s390x (big-endian) run through
#            qemu-user-static and binfmt-support, which the script installs on this machine.
#            It exits with status 3, before it does anything, when this machine's kernel runs
#            no 32-bit programs (a cross build for i386 then still runs, see below), and with
#            another non-zero status when a check fails.
#
# An arm64 or s390x system runs every program under the emulator, its compiler too, so there
# it builds and checks the simulator and runs the play command. The release build and its suite
# are checked as a cross build instead (SKIRMORA_FRESH_BUILD=cross): in a fresh system of this
# machine's architecture, with ARCH's libraries beside its own, the build runs natively and
# every test runs under the emulator. The same cross build for i386 is the check of a 32-bit
# PC where the kernel runs no 32-bit programs: qemu's i386 emulator computes as the x87 does.
#
# The pristine system is kept as a tarball in a cache folder outside the repository, so that a
# second run starts in seconds. The clone is of the commit checked out here.
#
# Environment:
#   SKIRMORA_FRESH_CACHE   the cache folder (default /var/cache/skirmora-fresh-check)
#   SKIRMORA_FRESH_BUILD   native (default) or cross: build for ARCH on this machine's
#                          architecture (i386, arm64 and s390x)
#   SKIRMORA_FRESH_STEPS   which steps to run, in this order, of:
#                            test      the README's test command (native builds only)
#                            release   the release build and its whole suite
#                            identity  the simulator alone, its traces and pictures against
#                                      amd64's hashes
#                            play      the README's play command until the dialog is up
#                                      (native builds only)
#                          default "test play" on this machine's architecture and i386,
#                          "identity play" in an emulated system, "release" for a cross build
#   SKIRMORA_FRESH_CTEST   more arguments for the release step's ctest, e.g. "-LE soak" to
#                          leave out the soak (default none; under the emulator "-LE soak",
#                          since its ten million ticks would take hours there, and for s390x
#                          "-LE soak -E Wayland", for the reason given below)
#   SKIRMORA_FRESH_KEEP    1 keeps the system and its logs after the run (default: removed,
#                          logs kept in the cache folder)
set -euo pipefail

target="${1:-}"
release="${target%%/*}"
arch="$(dpkg --print-architecture)"
[[ "$target" == */* ]] && arch="${target#*/}"
case "$release" in
    bookworm | trixie | forky) ;;
    *)
        echo "usage: $0 bookworm|trixie|forky[/amd64|/i386|/arm64|/s390x]" >&2
        exit 2
        ;;
esac
# How the system's programs run here: natively, as a 32-bit userland of this 64-bit machine,
# or through the emulator named by its processor.
emulated=""
personality=()
case "$(dpkg --print-architecture)/$arch" in
    amd64/amd64 | i386/i386 | arm64/arm64 | s390x/s390x) ;;
    amd64/i386) personality=(setarch i686) ;;
    */arm64) emulated=aarch64 ;;
    */s390x) emulated=s390x ;;
    *)
        echo "$0: cannot run $arch systems on a $(dpkg --print-architecture) machine" >&2
        exit 2
        ;;
esac
build_way="${SKIRMORA_FRESH_BUILD:-native}"
# A cross build for i386 runs what it builds under the emulator as well: it is how a 32-bit PC
# is checked on a kernel that runs no 32-bit programs.
if [[ $build_way == cross && ${#personality[@]} -gt 0 ]]; then
    personality=()
    emulated=i386
fi
case "$build_way/$emulated" in
    native/* | cross/?*) ;;
    *)
        echo "$0: SKIRMORA_FRESH_BUILD is native, or cross for i386, arm64 and s390x" >&2
        exit 2
        ;;
esac
# The system's own architecture: ARCH's, or this machine's for a cross build, whose programs
# run natively, and ARCH's only under the emulator.
system_arch="$arch"
foreign="$emulated"
if [[ $build_way == cross ]]; then
    system_arch="$(dpkg --print-architecture)"
    foreign=""
fi
if [[ $(id -u) -ne 0 ]]; then
    echo "$0: debootstrap and chroot need root" >&2
    exit 2
fi

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cache="${SKIRMORA_FRESH_CACHE:-/var/cache/skirmora-fresh-check}"
default_steps="test play"
[[ -z "$foreign" ]] || default_steps="identity play"
[[ $build_way == native ]] || default_steps="release"
steps="${SKIRMORA_FRESH_STEPS:-$default_steps}"
ctest_arguments="${SKIRMORA_FRESH_CTEST-}"
suite_arguments=""
emulator_variables=()
if [[ -n "$emulated" ]]; then
    ctest_arguments="${SKIRMORA_FRESH_CTEST--LE soak}"
    # Wayland's messages are in the byte order of the machine both ends run on: a big-endian
    # game cannot talk to this machine's compositor, so on s390x the Wayland tests are left out.
    [[ $arch != s390x ]] || ctest_arguments="${SKIRMORA_FRESH_CTEST--LE soak -E Wayland}"
    # The suites' lists are read when the tests run, not at the end of the build, where the
    # emulated list could overrun the build's five seconds.
    suite_arguments="-DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST"
    # X11 agrees on a byte order, but its shared-memory images fail under the emulator, which
    # cannot pass the descriptors they travel by; without them the game draws through the X
    # connection itself.
    emulator_variables=(QT_XCB_NO_MITSHM=1)
fi
# What the steps install and how they configure: a cross build names the architecture and
# Debian's cross toolchain.
deps_arguments=""
toolchain_arguments=""
cross_environment=":"
if [[ $build_way == cross ]]; then
    deps_arguments="$arch"
    toolchain_arguments="--toolchain cmake/DebianCross.cmake"
    gnu_type="$emulated-linux-gnu"
    [[ $emulated != i386 ]] || gnu_type=i686-linux-gnu
    cross_environment="export DEB_HOST_GNU_TYPE=$gnu_type"
fi
for step in $steps; do
    case "$build_way/$step" in
        native/* | cross/release | cross/identity) ;;
        *)
            echo "$0: a cross build has the steps release and identity only" >&2
            exit 2
            ;;
    esac
done
name="$release-$arch"
[[ $build_way == native ]] || name+="-cross"
pristine="$cache/$release-$system_arch-minbase.tar"
logs="$cache/logs/$name"
mkdir -p "$cache" "$logs"

# A 64-bit kernel runs 32-bit programs only with its ia32 emulation on, and some are built or
# booted with it off (ia32_emulation=off). The test is the smallest i386 program there is: an
# ELF header, one segment, and exit(0) through int 0x80. Where the kernel cannot, the i386
# cross build's programs run under the fresh system's emulator, registered with the kernel under
# this name for the run; one left by a run that was killed goes first, so that the probe asks
# the kernel itself. Two i386 checks therefore cannot run at once; other checks are not affected.
i386_entry=/proc/sys/fs/binfmt_misc/skirmora-fresh-check-i386
registered_i386=false
runs_32_bit=true
if [[ $arch == i386 && $(dpkg --print-architecture) == amd64 ]]; then
    [[ ! -e "$i386_entry" ]] || echo -1 >"$i386_entry"
    probe="$(mktemp "$cache/32-bit-probe.XXXXXX")"
    printf '%b' '\x7fELF\x01\x01\x01\0\0\0\0\0\0\0\0\0\x02\0\x03\0\x01\0\0\0\x54\x80\x04\x08' \
        '\x34\0\0\0\0\0\0\0\0\0\0\0\x34\0\x20\0\x01\0\0\0\0\0\0\0' \
        '\x01\0\0\0\0\0\0\0\0\x80\x04\x08\0\x80\x04\x08\x5d\0\0\0\x5d\0\0\0\x05\0\0\0\0\x10\0\0' \
        '\xb8\x01\0\0\0\x31\xdb\xcd\x80' >"$probe"
    chmod 0755 "$probe"
    "$probe" 2>/dev/null || runs_32_bit=false
    rm -f "$probe"
    if ! $runs_32_bit && [[ $build_way == native ]]; then
        echo "fresh-check: this kernel runs no 32-bit programs (its ia32 emulation is off)," \
            "so there is no $arch system to check here" >&2
        exit 3
    fi
fi

# --- what this script itself needs on the machine it runs on --------------------------------

host_tools=(debootstrap xvfb openbox xdotool x11-utils imagemagick git)
[[ -z "$emulated" ]] || host_tools+=(qemu-user-static binfmt-support)
missing=()
for package in "${host_tools[@]}"; do
    [[ $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true) == "install ok installed" ]] ||
        missing+=("$package")
done
if ((${#missing[@]} > 0)); then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The kernel hands the other processor's programs to the emulator by its binfmt entry.
emulator_entry="/proc/sys/fs/binfmt_misc/qemu-$emulated"
if [[ -n "$emulated" ]]; then
    [[ -e /proc/sys/fs/binfmt_misc/status ]] || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
    # Debian registers no i386 emulator on amd64, where the kernel normally runs i386 itself;
    # see register_i386_emulator.
    [[ $emulated == i386 ]] || [[ "$(head -n 1 "$emulator_entry" 2>/dev/null)" == enabled ]] ||
        update-binfmts --enable "qemu-$emulated"
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
    if $registered_i386 && [[ -e "$i386_entry" ]]; then
        echo -1 >"$i386_entry"
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
    echo "== $name: $1"
    step_names+=("$1")
    step_start=$(date +%s.%N)
}
end_step() {
    step_seconds+=("$(awk -v now="$(date +%s.%N)" -v start="$step_start" \
        'BEGIN { print now - start }')")
}
report_steps() {
    echo
    echo "Steps on $name:"
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

# Where the kernel looks for the emulator: the binfmt entry names a path, which the kernel opens
# in the running system's own file tree.
emulator_path() {
    sed -n 's/^interpreter //p' "$emulator_entry"
}

# Puts the emulator at that path inside a system of the other processor.
provide_emulator() {
    [[ -n "$foreign" ]] || return 0
    install -D -m 0755 "/usr/bin/qemu-$emulated-static" "$1$(emulator_path)"
}

# Debian's testing release has no debootstrap script of its own before it is released; it is
# bootstrapped as sid is.
bootstrap_script=()
[[ -e "/usr/share/debootstrap/scripts/$release" ]] ||
    bootstrap_script=(/usr/share/debootstrap/scripts/sid)

if [[ ! -s "$pristine" ]]; then
    begin_step "debootstrap --variant=minbase --arch=$system_arch (empty cache)"
    mirror="$(configured_mirror)"
    building="$(mktemp -d "$cache/$name-building.XXXXXX")"
    root="$building"  # removed by the clean-up if the bootstrap fails half-way
    if [[ -z "$foreign" ]]; then
        "${personality[@]}" debootstrap --variant=minbase --arch="$system_arch" "$release" \
            "$building" "$mirror" "${bootstrap_script[@]}" >"$logs/debootstrap.log" 2>&1
    else
        # The other processor's packages are unpacked here, then configured by its own programs
        # under the emulator.
        debootstrap --foreign --variant=minbase --arch="$arch" "$release" "$building" \
            "$mirror" "${bootstrap_script[@]}" >"$logs/debootstrap.log" 2>&1 &&
            provide_emulator "$building" &&
            chroot "$building" /debootstrap/debootstrap --second-stage \
                >>"$logs/debootstrap.log" 2>&1
    fi || {
        tail -n 20 "$logs/debootstrap.log" >&2
        exit 1
    }
    [[ -z "$foreign" ]] || rm -f "$building$(emulator_path)"
    # Another check of the same release may be making the same system at the same time.
    tar -C "$building" --numeric-owner -cf "$pristine.part$$" .
    mv "$pristine.part$$" "$pristine"
    rm -rf --one-file-system "$building"
    root=""
    end_step
fi

begin_step "fresh system from the cache"
root="$(mktemp -d /var/tmp/skirmora-fresh-"$name".XXXXXX)"
tar -C "$root" --numeric-owner -xf "$pristine"
provide_emulator "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# A mirror may serve a dated copy of the testing release, whose Release file says it has
# expired; this system's apt takes it all the same. This machine's own apt is left alone.
echo 'Acquire::Check-Valid-Until "false";' >"$root/etc/apt/apt.conf.d/99fresh-check-dated-mirror"
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
# Extra variables go before the command, as NAME=VALUE.
in_system() {
    "${personality[@]}" chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

# A build log with a compiler or CMake warning in it fails the check, whatever the exit code.
# The package manager's own warnings in the same log (update-alternatives on a system without
# manual pages, say) are the system's, not the build's.
check_no_warnings() {
    local log="$1"
    if grep -anE ': warning: |^CMake Warning' "$log" | grep -vE '^[0-9]+:(update-alternatives|dpkg|W): ' \
        >"$log.warnings"; then
        echo "fresh-check: warnings in $log:" >&2
        head -n 20 "$log.warnings" >&2
        exit 1
    fi
}

# Runs one step's commands in the system, in the clone, with its output in a log; a failure or a
# warning in the log fails the check.
run_step() {
    local title="$1" log="$logs/$2.log" commands="$3"
    begin_step "$title"
    if ! in_system /bin/bash -c "set -euo pipefail; cd /root/skirmora; $commands" >"$log" 2>&1; then
        tail -n 60 "$log" >&2
        echo "fresh-check: '$title' failed on $name (log: $log)" >&2
        exit 1
    fi
    end_step
    grep -aE 'tests passed|tests failed|the same as amd64' "$log" || true
    check_no_warnings "$log"
}

# The i386 programs of a cross build, on a kernel that runs none itself, go to the emulator by
# an entry of this run's: the magic and mask are qemu's own for i386 programs, and F opens the
# emulator at once, so that the fresh system's programs reach it too. It is the fresh system's
# emulator: Debian 12's own (7.2) does not deliver SIGTERM to an i386 game with a window, which
# then never ends.
register_i386_emulator() {
    printf '%s' ':skirmora-fresh-check-i386:M::' \
        '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:' \
        '\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:' \
        "$root/usr/bin/qemu-i386:F" >/proc/sys/fs/binfmt_misc/register
    registered_i386=true
}

# Debian 12's emulator (7.2) refuses the clone flags with which Qt starts a process, so under
# it the tests that start the game or the simulator would fail; bookworm-backports has a later
# one. The programs those tests start run under this machine's own emulator, by its binfmt
# entry (i386's under the fresh system's, as above), and start nothing themselves.
if [[ $build_way == cross ]]; then
    backports=()
    if [[ $release == bookworm ]]; then
        echo "deb $(configured_mirror) bookworm-backports main" \
            >"$root/etc/apt/sources.list.d/bookworm-backports.list"
        backports=(-t bookworm-backports)
    fi
    run_step "the emulator${backports[*]:+ from bookworm-backports}" emulator \
        "apt-get update -qq
         DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
             ${backports[*]} qemu-user >/dev/null"
    [[ $emulated != i386 ]] || $runs_32_bit || register_i386_emulator
fi

for step in $steps; do
    case "$step" in
        test) run_step "bash scripts/test.sh" test "bash scripts/test.sh" ;;
        release)
            run_step "the release build and its suite" release \
                "bash scripts/install-deps.sh test $deps_arguments
                 $cross_environment
                 ${emulator_variables[*]:+export ${emulator_variables[*]}}
                 cmake --preset release $toolchain_arguments $suite_arguments >/dev/null
                 cmake --build --preset release
                 ctest --preset release -j $(nproc) $ctest_arguments"
            ;;
        identity)
            run_step "the simulator's output against amd64's" identity \
                "bash scripts/install-deps.sh play $deps_arguments
                 $cross_environment
                 cmake --preset play $toolchain_arguments >/dev/null
                 cmake --build build/play --target skirmora-sim
                 QT_QPA_PLATFORM=offscreen bash tests/tools/check-sim-identity.sh \\
                     build/play/tools/sim/skirmora-sim"
            ;;
        play) ;;
        *)
            echo "$0: no such step: $step (test, release, identity, play)" >&2
            exit 2
            ;;
    esac
done

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
    # finds its socket. -noreset: a server that resets when its last client leaves would drop a
    # client that connects at that moment.
    start Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$logs/xvfb.log" 2>&1
    for _ in $(seq 100); do
        [[ -S "/tmp/.X11-unix/X${display#:}" ]] && break
        sleep 0.1
    done
    mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
    start env DISPLAY="$display" openbox >"$logs/openbox.log" 2>&1
    start "${personality[@]}" chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
        DISPLAY="$display" "${emulator_variables[@]}" \
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
        echo "fresh-check: the setup dialog did not come up on $name" >&2
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
        echo "fresh-check: the game ended with status $game_status on SIGTERM on $name" >&2
        exit 1
    fi
    echo "The setup dialog as it came up: $logs/setup-dialog.png"
fi

report_steps
echo "fresh-check: $name passed"
