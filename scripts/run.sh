#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTABLOO_GUI=ON -DTABLOO_SANITIZE=OFF
cmake --build build -j"$(nproc)" --target tabloo
exec ./build/tabloo
