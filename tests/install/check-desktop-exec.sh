#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks that the program a desktop entry's Exec names is found the way a desktop session
# finds it: by its full path, or else on the PATH that systemd gives user sessions, which is
# the narrowest default a desktop starts programs with (it lacks /usr/games). ROOT is where
# the files are, "/" once installed, an unpacked package otherwise.
# Usage: check-desktop-exec.sh ROOT DESKTOP_FILE [EXPECTED_PROGRAM]
set -euo pipefail
root=${1%/} desktop=$2 expected=${3:-}
defaultPath=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin

exec=$(sed -n 's/^Exec=//p' "$desktop")
[[ $(grep -c '^Exec=' "$desktop") == 1 ]] || { echo "$desktop: not exactly one Exec"; exit 1; }
program=${exec%% *}
found=''
if [[ "$program" == */* ]]; then
    [[ -f "$root$program" && -x "$root$program" ]] && found=$program
else
    IFS=: read -ra folders <<<"$defaultPath"
    for folder in "${folders[@]}"; do
        if [[ -f "$root$folder/$program" && -x "$root$folder/$program" ]]; then
            found=$folder/$program
            break
        fi
    done
fi
[[ -n "$found" ]] || { echo "Exec=$exec: $program not found on PATH $defaultPath under $root"; exit 1; }
if [[ -n "$expected" && "$found" != "$expected" ]]; then
    echo "Exec=$exec starts $found, not $expected"
    exit 1
fi
echo "Exec=$exec starts $found"
