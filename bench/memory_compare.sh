#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Peak resident memory while playing at a large client size, side by side in one run: this
# tree's frame_cadence against another build's (an older commit's, say), each playing the same
# time at the same size on the offscreen platform. The difference is given in kB and in full
# pictures of the client area (width x height x 4 bytes), the unit in which the window's designs
# differ: the window keeps one picture of its own beside the platform's buffer.
#
# Environment: OTHER_FRAME_CADENCE, the other build's frame_cadence (required); CLIENT, the
# client size (default 3840x2160); SECONDS_EACH, seconds of play each (default 10); BUILD_DIR,
# this tree's release build (default build/release, built here).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
client="${CLIENT:-3840x2160}"
seconds="${SECONDS_EACH:-10}"
other="${OTHER_FRAME_CADENCE:?set OTHER_FRAME_CADENCE to the other build\'s frame_cadence}"
build="${BUILD_DIR:-$root/build/release}"
if [[ -z "${BUILD_DIR:-}" ]]; then
    (cd "$root" && cmake --preset release >/dev/null &&
        cmake --build --preset release --parallel "${JOBS:-2}" --target frame_cadence)
fi
export QT_QPA_PLATFORM=offscreen
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$scratch}"

# The peak resident memory in kB that frame_cadence reports (in MiB).
peak_kb() {
    "$1" --seconds "$seconds" --client "$client" | tee /dev/stderr |
        awk '/peak resident/ { print int($(NF - 1) * 1024); exit }'
}

echo "Peak resident memory, client $client, $seconds s of play each" >&2
this_kb="$(peak_kb "$build/bench/frame_cadence")"
other_kb="$(peak_kb "$other")"
picture_kb="$(awk -v s="$client" 'BEGIN { split(s, d, "x"); print d[1] * d[2] * 4 / 1024 }')"
printf 'this tree: %d kB, other build: %d kB, this tree %+d kB; one picture is %d kB: %s pictures\n' \
    "$this_kb" "$other_kb" "$((this_kb - other_kb))" "$picture_kb" \
    "$(awk -v d="$((this_kb - other_kb))" -v p="$picture_kb" 'BEGIN { printf "%+.2f", d / p }')"
