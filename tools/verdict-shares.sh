#!/usr/bin/env bash
# How often the line under the board says "Can't tell", and how long a player waits for the
# verdict: tabloo-windowbench verdicts N in the real window under a virtual X server, for
# four rule sets (the default rules, Autoplay off, two free cells with Autoplay off, goal
# piles up or down in suit), each on settings of its own. Needs xvfb; after a build:
#   bash tools/verdict-shares.sh [build folder] [deals]
set -euo pipefail
build=${1:-build}
deals=${2:-1000}
bench=$(realpath "$build/tabloo-windowbench")
export DISPLAY=:88
Xvfb "$DISPLAY" -screen 0 1600x1200x24 >/dev/null 2>&1 &
xvfb=$!
home=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$home"' EXIT
sleep 1
for rules in "default:" "Autoplay off:Autoplay=0" "two free cells, Autoplay off:Autoplay=0 ResPiles=2" \
    "GoalOrder 7:GoalOrder=7"; do
    name=${rules%%:*}
    export XDG_CONFIG_HOME="$home/${name// /_}"
    mkdir -p "$XDG_CONFIG_HOME/Tabloo"
    { echo "[Data]"; for kv in ${rules#*:}; do echo "$kv"; done; } >"$XDG_CONFIG_HOME/Tabloo/Tabloo.ini"
    echo "== $name"
    "$bench" verdicts "$deals" 2>/dev/null | grep -E "median|worst|of them" || true
done
