#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds Skirmora and runs every test: first the release build, then
# the same suites under the address and undefined-behaviour sanitizers, then a short run of each
# fuzzer (clang's libFuzzer).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test

for preset in release asan; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" -j "$(nproc)"
done

echo "== fuzz build"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz -j "$(nproc)"
