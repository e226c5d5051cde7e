#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks that the Debian package is reproducible: it builds the package twice, from two clones
# of the commit checked out here at paths of different lengths, one after the other, under
# different time zones, both with the commit's time as SOURCE_DATE_EPOCH, and compares the two
# packages byte for byte. Both builds run under Debian's usual umask, 022: the package's own
# files and folders get fixed modes whatever the umask, but CPack gives the archive's control
# members the modes the umask leaves.
#
#   bash scripts/check-reproducible.sh
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
commit="$(git -C "$repo" rev-parse HEAD)"
epoch="$(git -C "$repo" log -1 --format=%ct "$commit")"
bash "$repo/scripts/install-deps.sh" test >/dev/null

work="$(mktemp -d /var/tmp/skirmora-reproducible.XXXXXX)"
trap 'rm -rf "$work"' EXIT

# Builds the package in a clone at the given folder, with that time zone, and prints
# the package's path.
build_package() {
    local folder="$1" zone="$2"
    local log="$work/$(basename "$folder").log"
    git clone -q --no-local --no-checkout "$repo" "$folder"
    git -C "$folder" -c advice.detachedHead=false checkout -q "$commit"
    if ! (
        cd "$folder"
        umask 022
        export TZ="$zone" SOURCE_DATE_EPOCH="$epoch"
        cmake --preset release -DSKIRMORA_BUILD_TESTS=OFF -DSKIRMORA_BUILD_BENCHMARKS=OFF
        cmake --build --preset release
        cd build/release && cpack -G DEB
    ) >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "check-reproducible: the build in $folder failed" >&2
        exit 1
    fi
    ls "$folder"/build/release/*.deb
}

first="$(build_package "$work/a" UTC)"
second="$(build_package "$work/a-second-clone-at-a-longer-path" Pacific/Kiritimati)"
if ! cmp "$first" "$second"; then
    echo "check-reproducible: the two packages differ" >&2
    for deb in "$first" "$second"; do
        dpkg-deb -c "$deb" >"$deb.contents"
    done
    diff -u "$first.contents" "$second.contents" >&2 || true
    exit 1
fi
echo "check-reproducible: $(basename "$first") is the same byte for byte from both builds" \
    "($(sha256sum <"$first" | cut -d' ' -f1))"
