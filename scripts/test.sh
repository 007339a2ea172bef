#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the whole suite, then
# the engine's and the window's tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
# The install test validates the desktop entry, the metainfo and the man pages.
ensure_packages desktop-file-utils appstream groff-base

jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTABLOO_GUI=ON -DTABLOO_TESTS=ON -DTABLOO_SANITIZE=OFF
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABLOO_SANITIZE=ON -DTABLOO_GUI=ON
cmake --build build-sanitize -j"$jobs" --target engine_tests ui_tests
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j"$jobs" -R '^(engine_includes_no_qt|[A-Za-z]+\.[A-Za-z]+)$')
