#!/usr/bin/env bash
# How the solver fares under each variant: for COUNT random game numbers (the same for
# every variant, from a fixed seed) it solves each deal with the default budget and prints
# one table row per variant: share decided, share winnable, unknown, mean and slowest
# time per game, median solution length. Each variant changes one setting from the
# default rules.
#
#   bash tools/variant-table.sh [COUNT [CLI]]      (defaults 200 build/tabloo-cli)
#
# The time is CPU time (user and system) of the process solving one game, so that other
# work on the machine does not inflate it, less what starting the process and dealing cost
# (measured on `tabloo-cli deal` of the same games). Its resolution is a millisecond.
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-200}
cli=${2:-build/tabloo-cli}

variants=(
    "default rules|"
    "HomePiles 4|HomePiles=4"
    "HomePiles 10|HomePiles=10"
    "ResPiles 0|ResPiles=0"
    "GoalBase 6 (Seven)|GoalBase=6"
    "GoalBase 13 (Random)|GoalBase=13"
    "GoalOrder 3 (down)|GoalOrder=3"
    "GoalOrder 7 (up or down)|GoalOrder=7"
    "HomeOrder 6 (any card)|HomeOrder=6"
    "HomeOrder 5 (down regardless)|HomeOrder=5"
    "HomeOrder 2 (up regardless)|HomeOrder=2"
    "HomeAK 1|HomeAK=1"
    "MultiMove 0|MultiMove=0"
    "GoalCards 4|GoalCards=4"
    "ResCards 4|ResCards=4"
    "Autoplay 0|Autoplay=0"
)

# CPU seconds (user and system) of the shell's finished child processes, as `times` noted
# them in a file: taken in the loop's own shell, just before and after each solve.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpu_of() {
    awk 'NR == 2 { split($1, u, /[ms]/); split($2, s, /[ms]/); printf "%.3f", u[1] * 60 + u[2] + s[1] * 60 + s[2] }' "$1"
}

# The game numbers: COUNT draws from 1 .. 999,999,999 with a fixed seed.
mapfile -t games < <(awk -v n="$count" 'BEGIN { srand(2026); for (i = 0; i < n; i++) printf "%d\n", 1 + int(rand() * 999999999) }')

# What starting the process and dealing cost, without solving: subtracted from every game.
times >"$work/before"
for g in "${games[@]}"; do "$cli" deal "$g" >/dev/null; done
times >"$work/after"
base=$(awk -v a="$(cpu_of "$work/before")" -v b="$(cpu_of "$work/after")" -v n="$count" 'BEGIN { print (b - a) / n }')

printf '| variant | decided | winnable | unknown | CPU per game, mean | slowest | median moves |\n'
printf '|---|---|---|---|---|---|---|\n'
for v in "${variants[@]}"; do
    name=${v%%|*}
    sets=()
    for kv in ${v#*|}; do sets+=(--set "$kv"); done
    for g in "${games[@]}"; do
        times >"$work/before"
        "$cli" "${sets[@]}" solve-range "$g" "$g"
        times >"$work/after"
        echo "cpu $(cpu_of "$work/before") $(cpu_of "$work/after")"
    done | awk -v name="$name" -v base="$base" '
        /^games/ { next }
        /^cpu/ { t = $3 - $2 - base; if (t < 0) t = 0; total += t; if (t > slowest) slowest = t; next }
        { n++ }
        $2 == "winnable" { won++; moves[won] = $3 }
        $2 == "unknown" { unknown++ }
        END {
            # median of the winning lines (insertion sort: a few hundred values)
            for (i = 2; i <= won; i++) { v = moves[i]; for (j = i - 1; j >= 1 && moves[j] > v; j--) moves[j + 1] = moves[j]; moves[j + 1] = v }
            med = won ? moves[int((won + 1) / 2)] : "-"
            printf "| %s | %.1f %% | %.1f %% | %d | %.1f ms | %.0f ms | %s |\n", name, 100 * (n - unknown) / n, 100 * won / n, unknown, 1000 * total / n, 1000 * slowest, med
        }'
done
