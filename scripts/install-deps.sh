#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages that Skirmora needs for one purpose, and only those that are
# missing. Runs as root, or through sudo.
#
#   bash scripts/install-deps.sh play   what building and running the game needs
#   bash scripts/install-deps.sh test   that, and everything the tests build with or call
#
# Package names are Debian 12's and Debian 13's; the one name that carries a version, clang's
# runtime, is derived from the clang that the release installs.
set -euo pipefail

purpose="${1:-}"
case "$purpose" in
    play | test) ;;
    *)
        echo "usage: $0 play|test" >&2
        exit 2
        ;;
esac

# Building the game and running it on an X11 or Wayland desktop, with a font for its texts
# (a minimal system has none).
play_packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev qt6-qpa-plugins qt6-wayland fonts-dejavu-core
)

# The test suites and the tools they call: GoogleTest and Google Benchmark; clang for the
# fuzzers; file and dpkg-dev for the package build, lintian for its verdict and devscripts'
# hardening-check for its protections; the desktop entry and metainfo validators; reuse for the
# licensing, with git to tell it which files are the repository's; man for the manual page; an
# X server and xdotool for the game on a display without a window manager, and openbox for one
# with a window manager; weston for a Wayland desktop.
test_packages=(
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang
    file dpkg-dev lintian devscripts desktop-file-utils appstream reuse git man-db groff-base
    xvfb xdotool openbox weston
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

install_missing "${play_packages[@]}"
[[ $purpose == test ]] || exit 0

install_missing "${test_packages[@]}"
# The sanitizer and libFuzzer runtimes belong to one clang version: the one `clang` is.
clang_major=$(clang -dumpversion | cut -d. -f1)
install_missing "libclang-rt-${clang_major}-dev"
