#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the whole suite, then
# the engine's and the window's tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
# The install test validates the desktop entry, the metainfo and the man pages.
ensure_packages desktop-file-utils appstream groff-base locales
# A translation test reads a game number under a German C library, as a German desktop has it.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf-\?8'; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "no de_DE.UTF-8 locale: its test is skipped"
fi

jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTABLOO_GUI=ON -DTABLOO_TESTS=ON -DTABLOO_SANITIZE=OFF
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

# The sanitizers' build compiles its sources in batches (a unity build) at -O1: a third of the
# time. The build above, one source at a time, still checks that each file stands alone.
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
    -DTABLOO_SANITIZE=ON -DTABLOO_GUI=ON -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16
cmake --build build-sanitize -j"$jobs" --target engine_tests gui_tests
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j"$jobs" -E '^install_into_prefix$')
