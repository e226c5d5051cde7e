#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a temporary prefix and checks what lands there: exactly the expected
# files, a valid desktop entry that starts the installed game, valid AppStream metainfo, and
# square icons of their folders' sizes.
# Usage: check-install.sh BUILD_DIR APP_ID "EXPECTED FILES"
set -euo pipefail
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool"; exit 1; }
done
build=$1 appId=$2 expected=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
actual=$(cd "$prefix" && find . -type f -printf '%P\n' | LC_ALL=C sort | tr '\n' ' ')
if [[ "${actual% }" != "$expected" ]]; then
    printf 'installed files differ\nexpected: %s\nactual:   %s\n' "$expected" "${actual% }"
    exit 1
fi

desktop-file-validate "$prefix/share/applications/$appId.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$appId.metainfo.xml"
bash "$(dirname "$0")/check-desktop-exec.sh" / "$prefix/share/applications/$appId.desktop" \
    "$prefix/games/skirmora"
grep -qx "Icon=$appId" "$prefix/share/applications/$appId.desktop"

# A PNG's width and height are the big-endian words at bytes 16 and 20 of its header.
for icon in "$prefix"/share/icons/hicolor/*/apps/"$appId.png"; do
    size=$(basename "$(dirname "$(dirname "$icon")")")
    read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    if [[ "${width}x${height}" != "$size" ]]; then
        echo "$icon is ${width}x${height}, not $size"
        exit 1
    fi
done
echo "install into $prefix: all files in place and valid"
