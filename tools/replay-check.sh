#!/usr/bin/env bash
# Every win the solver finds must play to a won game through `tabloo-cli play`. For COUNT
# random variants (all nine settings, Autoplay and MultiMove on or off) and random game
# numbers, from a fixed seed: solve, feed the move lines to play with the same settings,
# and check that every move prints "ok" and the game ends "won". Prints a tally and every
# failure.
#
#   bash tools/replay-check.sh [COUNT [BUDGET [CLI]]]      (defaults 1000 200000 build/tabloo-cli)
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-1000}
budget=${2:-200000}
cli=${3:-build/tabloo-cli}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One line per case: the --set options, then the game number.
awk -v n="$count" 'BEGIN {
    srand(9);
    for (i = 0; i < n; i++) {
        res = int(rand() * 5)
        printf "--set HomePiles=%d --set ResPiles=%d --set ResCards=%d --set GoalCards=%d --set GoalBase=%d",
            4 + int(rand() * 7), res, int(rand() * (res + 1)), int(rand() * 5), int(rand() * 14)
        printf " --set HomeOrder=%d --set GoalOrder=%d --set HomeAK=%d --set MultiMove=%d --set Autoplay=%d %d\n",
            int(rand() * 10), int(rand() * 10), int(rand() * 2), int(rand() * 2), int(rand() * 2),
            int(rand() * 1000000000)
    }
}' >"$work/cases"

won=0 lost=0 unknown=0 failed=0
while read -r -a words; do
    game=${words[-1]}
    sets=("${words[@]:0:${#words[@]}-1}")
    "$cli" "${sets[@]}" solve "$game" --max-states "$budget" >"$work/solve"
    case $(head -1 "$work/solve") in
    winnable*)
        grep '^move ' "$work/solve" >"$work/moves" || true
        "$cli" "${sets[@]}" play "$game" <"$work/moves" >"$work/play"
        if [ "$(grep -c '^ok$' "$work/play")" -eq "$(wc -l <"$work/moves")" ] &&
            [ "$(tail -1 "$work/play")" = won ] && [ "$(wc -l <"$work/play")" -eq $(($(wc -l <"$work/moves") + 1)) ]; then
            won=$((won + 1))
        else
            failed=$((failed + 1))
            echo "FAILED: ${sets[*]} $game"
        fi
        ;;
    unwinnable*) lost=$((lost + 1)) ;;
    *) unknown=$((unknown + 1)) ;;
    esac
done <"$work/cases"
echo "cases $count winnable $won (replayed to won) unwinnable $lost unknown $unknown failed $failed"
[ "$failed" -eq 0 ]
