#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages that Skirmora needs for one purpose, and only those that are
# missing. Runs as root, or through sudo.
#
#   bash scripts/install-deps.sh play        what building and running the game needs
#   bash scripts/install-deps.sh test        that, and everything the tests build with or call
#   bash scripts/install-deps.sh test ARCH   the same for a cross build for ARCH (i386, arm64,
#                                            s390x, ...; see cmake/DebianCross.cmake): the
#                                            libraries of ARCH beside this machine's own, its
#                                            cross compiler, and qemu's emulator to run what it
#                                            builds
#
# Package names are Debian 12's and Debian 13's; the one name that carries a version, clang's
# runtime, is derived from the clang that the release installs. On Debian 12 the emulator
# should come from bookworm-backports: Debian 12's own (7.2) refuses the way Qt starts
# processes, so the tests that start the game would fail under it.
set -euo pipefail

purpose="${1:-}"
cross="${2:-}"
case "$purpose" in
    play | test) ;;
    *)
        echo "usage: $0 play|test [ARCH]" >&2
        exit 2
        ;;
esac

# Building the game and running it on an X11 or Wayland desktop, with a font for its texts
# (a minimal system has none), and SDL 2 for game controllers.
play_tools=(build-essential cmake ninja-build pkg-config fonts-dejavu-core)
play_libraries=(qt6-base-dev libgl-dev qt6-qpa-plugins qt6-wayland libsdl2-dev)

# The test suites and the tools they call: GoogleTest and Google Benchmark; clang for the
# fuzzers (not in a cross build, which runs the release suite alone); file and dpkg-dev for the
# package build, lintian for its verdict and devscripts' hardening-check for its protections;
# the desktop entry and metainfo validators; reuse for the licensing, with git to tell it which
# files are the repository's; man for the manual page; an X server and xdotool for the game on
# a display without a window manager, and openbox for one with a window manager; weston for a
# Wayland desktop; ImageMagick's import for screenshots of the X server's whole screen.
test_libraries=(libgtest-dev libgmock-dev libbenchmark-dev)
test_tools=(
    googletest
    file dpkg-dev lintian devscripts desktop-file-utils appstream reuse git man-db groff-base
    xvfb xdotool openbox weston imagemagick
)

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
updated=false

installed() {
    [[ $(dpkg-query -W -f='${Status}' "$1" 2>/dev/null || true) == "install ok installed" ]]
}

# Installs those of the named packages that are not installed yet.
install_missing() {
    local missing=() package
    for package in "$@"; do
        installed "$package" || missing+=("$package")
    done
    ((${#missing[@]} > 0)) || return 0
    if [[ $updated == false ]]; then
        "${sudo[@]}" apt-get update -qq
        updated=true
    fi
    echo "Installing: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

tools=("${play_tools[@]}")
libraries=("${play_libraries[@]}")
if [[ $purpose == test ]]; then
    tools+=("${test_tools[@]}")
    libraries+=("${test_libraries[@]}")
fi

if [[ -z "$cross" ]]; then
    [[ $purpose == play ]] || tools+=(clang)
    install_missing "${tools[@]}" "${libraries[@]}"
    [[ $purpose == test ]] || exit 0
    # The sanitizer and libFuzzer runtimes belong to one clang version: the one `clang` is.
    clang_major=$(clang -dumpversion | cut -d. -f1)
    install_missing "libclang-rt-${clang_major}-dev"
    exit 0
fi

# A cross build: the tools are this machine's, the libraries the other architecture's, and Qt's
# code generators (qt6-base-dev-tools) run here.
if ! dpkg --print-foreign-architectures | grep -qx "$cross"; then
    "${sudo[@]}" dpkg --add-architecture "$cross"
    "${sudo[@]}" apt-get update -qq
    updated=true
fi
tools=("${tools[@]/build-essential/crossbuild-essential-$cross}" qt6-base-dev-tools qemu-user)
install_missing "${tools[@]}" "${libraries[@]/%/:$cross}"
