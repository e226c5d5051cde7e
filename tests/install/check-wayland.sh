#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts the game natively on Wayland, under a headless weston of its own, and checks that its
# setup dialog maps, that SIGTERM then ends it with status 0, and that it wrote its settings,
# the stored window size among them: a Wayland compositor places windows itself, but the size
# is the game's to keep.
# Usage: check-wayland.sh GAME
# SKIRMORA_WAYLAND_SOCKET names the compositor's socket (in a runtime folder of the check's own).
set -euo pipefail
game=$1
socket=${SKIRMORA_WAYLAND_SOCKET:-skirmora-check}

for tool in weston; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (Debian package weston)"; exit 1; }
done

work=$(mktemp -d)
westonPid='' gamePid=''
cleanup() {
    [[ -n "$gamePid" ]] && kill -KILL "$gamePid" 2>/dev/null
    [[ -n "$westonPid" ]] && kill "$westonPid" 2>/dev/null && wait "$westonPid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A runtime folder of its own keeps the socket apart from any other compositor's.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --use-pixman --no-config --socket="$socket" \
    --width=1024 --height=768 --idle-time=0 >"$work/weston.log" 2>&1 &
westonPid=$!
for _ in $(seq 100); do
    [[ -S "$XDG_RUNTIME_DIR/$socket" ]] && break
    kill -0 "$westonPid" 2>/dev/null || { cat "$work/weston.log"; echo "weston ended"; exit 1; }
    sleep 0.1
done
[[ -S "$XDG_RUNTIME_DIR/$socket" ]] || { cat "$work/weston.log"; echo "no weston socket"; exit 1; }

settings=$work/config/Brontel/skirmora.conf
mkdir -p "$(dirname "$settings")"
printf '[Hra]\nPL1=1\nPL2=0\n\n[Vzhled]\npozice=0000 0000 0700 0500\n' >"$settings"

# The client's own record of the protocol shows what it asked the compositor for.
env -u DISPLAY XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$socket" \
    WAYLAND_DEBUG=client "$game" >"$work/game.log" 2>&1 &
gamePid=$!

# The record names objects interface@id, or interface#id since libwayland 1.23 (Debian 13).
protocolLog() {
    sed -E 's/([A-Za-z0-9_])#([0-9])/\1@\2/g' "$work/game.log"
}

# Mapped, as xdg-shell has it: the surface of the toplevel titled "Nova hra" has acknowledged a
# configure of the compositor and then committed with a buffer attached.
dialogMapped() {
    awk '
        match($0, /get_xdg_surface\(new id xdg_surface@[0-9]+, wl_surface@[0-9]+\)/) {
            split(substr($0, RSTART, RLENGTH), f, /[@,)]/); surfaceOf[f[2]] = f[4] }
        match($0, /xdg_surface@[0-9]+\.get_toplevel\(new id xdg_toplevel@[0-9]+\)/) {
            split(substr($0, RSTART, RLENGTH), f, /[@.)]/); xdgOf[f[4]] = f[2] }
        match($0, /xdg_toplevel@[0-9]+\.set_title\("Nova hra"\)/) {
            split(substr($0, RSTART, RLENGTH), f, /[@.]/); dialog = surfaceOf[xdgOf[f[2]]]
            dialogXdg = xdgOf[f[2]] }
        dialogXdg != "" && index($0, "-> xdg_surface@" dialogXdg ".ack_configure(") { acked = 1 }
        acked && index($0, "-> wl_surface@" dialog ".attach(wl_buffer@") { attached = 1 }
        attached && index($0, "-> wl_surface@" dialog ".commit()") { mapped = 1; exit }
        END { exit mapped ? 0 : 1 }' <(protocolLog)
}
for _ in $(seq 200); do
    dialogMapped && break
    kill -0 "$gamePid" 2>/dev/null || break
    sleep 0.1
done
if ! dialogMapped; then
    grep -v '^\[' "$work/game.log" | head -20 || true
    echo "the setup dialog did not map on Wayland"
    exit 1
fi
grep -q 'wl_registry@[0-9]*\.global([0-9]*, "xdg_wm_base"' <(protocolLog) ||
    { echo "the game did not talk to the Wayland compositor"; exit 1; }

kill -TERM "$gamePid"
status=0
wait "$gamePid" || status=$?
gamePid=''
if ((status != 0)); then
    grep -v '^\[' "$work/game.log" | head -20 || true
    echo "the game exited with status $status after SIGTERM"
    exit 1
fi

# The values the game wrote at its end: the size it was given, the sides as they were.
rect=$(sed -n 's/^pozice=//p' "$settings")
size=$(awk '{ printf "%dx%d", $3 - $1, $4 - $2 }' <<<"$rect")
if [[ "$size" != 700x500 ]] || ! grep -qx 'PL1=1' "$settings" || ! grep -qx 'PL2=0' "$settings"; then
    cat "$settings"
    echo "settings not kept: window size $size, expected 700x500, PL1=1 and PL2=0"
    exit 1
fi
echo "Wayland: setup dialog mapped, SIGTERM ended the game with status 0, settings kept ($rect)"
