#!/usr/bin/env bash
# Installs what building and running the game needs and is missing, builds the game alone (no
# tests, no benchmarks) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh play
cmake --preset play >/dev/null
cmake --build --preset play

exec build/play/app/skirmora "$@"
