#!/usr/bin/env bash
# Measures the game window as a player meets it, under a virtual X server: the time from
# start to the splash on screen, the resident memory with a game dealt, and the processor
# time the idle game uses. Needs xvfb and xdotool; run after a build:
#   bash tools/measure-window.sh [build folder]
set -euo pipefail
build=${1:-build}
program=$(realpath "$build/tabloo")
export DISPLAY=:77
export XDG_CONFIG_HOME=$(mktemp -d)
Xvfb "$DISPLAY" -screen 0 1280x960x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$XDG_CONFIG_HOME"' EXIT
sleep 1

for run in 1 2 3; do
    start=$(date +%s%N)
    "$program" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --class tabloo >/dev/null 2>&1; do sleep 0.002; done
    echo "splash on screen ms $(( ($(date +%s%N) - start) / 1000000 ))"
    kill $pid
    wait $pid 2>/dev/null || true
done

# A game: the variant dialog's Play (the default button) after the splash, then the deal.
"$program" >/dev/null 2>&1 &
pid=$!
sleep 3.5
xdotool key Return
sleep 6
echo "resident memory MB $(( $(awk '/VmRSS/ {print $2}' /proc/$pid/status) / 1024 ))"
ticks() { awk '{print $14 + $15}' /proc/$pid/stat; }
before=$(ticks)
sleep 10
after=$(ticks)
hz=$(getconf CLK_TCK)
echo "idle cpu percent $(awk -v t=$((after - before)) -v hz="$hz" 'BEGIN { printf "%.2f", 100 * t / hz / 10 }')"
kill $pid
