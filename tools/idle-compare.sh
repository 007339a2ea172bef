#!/usr/bin/env bash
# Tabloo idle with a game on the board, beside the KDE and the GNOME patience games, in one
# run under a virtual X server with a window manager: over 10 s, the processor time, the
# times the program's threads woke (context switches), and the files it opened and looked
# at (strace). Tabloo's settings file is counted apart. Each program runs with a settings
# folder of its own. Needs xvfb, openbox, strace, xdotool and, for the comparison, kpat
# and aisleriot (installed when missing; run only, to compare):
#   bash tools/idle-compare.sh [build folder]
set -euo pipefail
build=${1:-build}
program=$(realpath "$build/tabloo")
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages xvfb openbox strace xdotool dbus kpat aisleriot
source tools/x-session.sh
work=$(mktemp -d)
start_x :76 1600x1200 "$work"

switches() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/_ctxt_switches/ {n += $2} END {print n}'; }
ticks() { awk '{print $14 + $15}' /proc/"$1"/stat; }

# measure NAME PID: ten quiet seconds of the running program, then ten more under strace
# (which wakes the threads itself, so the wake-ups are counted without it).
measure() {
    local name=$1 pid=$2 t0 s0 t1 s1
    t0=$(ticks "$pid") s0=$(switches "$pid")
    sleep 10
    t1=$(ticks "$pid") s1=$(switches "$pid")
    strace -f -qq -p "$pid" -e trace=openat,open,statx,newfstatat,stat,lstat,fstat -o "$work/$name.strace" &
    local tracer=$!
    sleep 10
    kill $tracer
    wait $tracer 2>/dev/null || true
    local hz opens stats settings
    hz=$(getconf CLK_TCK)
    opens=$(grep -cE 'open(at)?\(' "$work/$name.strace" || true)
    stats=$(grep -cE 'stat' "$work/$name.strace" || true)
    # opens and stats are counted over the ten traced seconds
    settings=$(grep -E 'open(at)?\(.*Tabloo\.ini"' "$work/$name.strace" | grep -vc '\.lock' || true)
    awk -v n="$name" -v t=$((t1 - t0)) -v hz="$hz" -v s=$((s1 - s0)) -v o="$opens" -v st="$stats" -v c="$settings" \
        'BEGIN { if (s < 0) s = 0; printf "%-10s cpu %.2f %%  wake-ups %.1f/s  opens %d  stats %d  settings-file opens %d\n", n, 100 * t / hz / 10, s / 10, o, st, c }'
}

# Tabloo: the splash clicked away, the variant dialog's Play, the deal.
mkdir -p "$work/tabloo"
XDG_CONFIG_HOME="$work/tabloo" start_game "$program"
play_first_game
measure Tabloo $pid
kill $pid; wait $pid 2>/dev/null || true

# The KDE game, straight into a dealt FreeCell game; the GNOME game, its FreeCell. Each on
# a session bus of its own, as a desktop has.
peer() {
    local name=$1
    shift
    mkdir -p "$work/$name"
    HOME="$work/$name" XDG_CONFIG_HOME="$work/$name" dbus-run-session -- "$@" >/dev/null 2>&1 &
    local session=$!
    sleep 8
    local pid
    pid=$(pgrep -n -f "^$1") || { echo "$name did not start"; return; }
    measure "$name" "$pid"
    kill "$pid" $session 2>/dev/null || true
    wait $session 2>/dev/null || true
}
peer kpat /usr/games/kpat --gametype freecell
peer aisleriot /usr/games/sol --variation freecell
