#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays the battles of identity/cases.txt with the simulator and compares the SHA-256 of each
# trace and picture with identity/expected.sha256, the hashes of amd64's output. The game is
# the same on every processor, byte order and word size, so every machine must give exactly
# these bytes.
#
#   bash tests/tools/check-sim-identity.sh SIM            compare; exit status 1 on a difference
#   bash tests/tools/check-sim-identity.sh SIM --update   write the hashes anew (on amd64 only)
set -euo pipefail

sim="$(readlink -f "${1:?usage: $0 SIM [--update]}")"
mode="${2:-}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/identity" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

while read -r name arguments; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    # The arguments are words without blanks; the input scripts are named relative to here.
    # shellcheck disable=SC2086
    (cd "$here" && "$sim" $arguments --trace --png "$work/$name.png" >"$work/$name.trace")
done <"$here/cases.txt"
(cd "$work" && sha256sum -- *.trace *.png) >"$work/actual.sha256"

if [[ "$mode" == --update ]]; then
    cp "$work/actual.sha256" "$here/expected.sha256"
    echo "wrote $here/expected.sha256"
    exit 0
fi
if ! diff -u "$here/expected.sha256" "$work/actual.sha256" >"$work/difference"; then
    echo "The simulator's output differs from amd64's on $(uname -m):" >&2
    grep '^[-+][0-9a-f]' "$work/difference" >&2 || true
    exit 1
fi
echo "$(wc -l <"$work/actual.sha256") traces and pictures the same as amd64's"
