#!/usr/bin/env bash
# Installs what is missing, builds Skirmora and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release

if [[ -x build/release/app/skirmora ]]; then
    exec build/release/app/skirmora
fi
# Until the game window is built, show a battle as the headless simulator plays it.
echo "The game window is not built yet; running the headless simulator instead:"
exec build/release/tools/sim/skirmora-sim --ticks 200 --trace
