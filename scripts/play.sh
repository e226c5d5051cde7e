#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what building and running the game needs and is missing, builds the game alone (no
# tests, no benchmarks) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh play
cmake --preset play >/dev/null
cmake --build --preset play

exec build/play/app/skirmora "$@"
