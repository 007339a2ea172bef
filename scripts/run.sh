#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTABLOO_TESTS=OFF
cmake --build build -j"$(nproc)" --target tabloo-cli
# Until the window lands, deal a random game on the terminal.
exec ./build/tabloo-cli deal "$(( (RANDOM << 15 | RANDOM) % 1000000 ))"
