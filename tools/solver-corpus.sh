#!/usr/bin/env bash
# Writes the solver's pinned corpus (tests/engine/data/solver-corpus.txt): deals of many
# variants from a fixed seed, one a line as "GAMENO winnable MOVES KEY=VALUE..." or
# "GAMENO unwinnable - KEY=VALUE...", with the verdict and the length of the win the solver
# finds at a budget of 200,000 positions. The engine test SolverCorpus solves them again
# and fails when a verdict is lost or a win grows longer. Deals the solver cannot decide
# at that budget, and those that need more than 60,000 positions (to keep the test quick),
# are left out. Run it again after a change that shortens wins or decides more, and look
# at the difference before committing it.
#
#   bash tools/solver-corpus.sh [CLI] > tests/engine/data/solver-corpus.txt
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/tabloo-cli}

# One line per case: KEY=VALUE settings, then the game number. Random variants of every
# setting, then the rules players pick most: the default rules, Autoplay off (FreeCell),
# two free cells without autoplay, goal piles up or down, goal piles from a Seven.
awk 'BEGIN {
    srand(18);
    for (i = 0; i < 260; i++) {
        res = int(rand() * 5)
        printf "HomePiles=%d ResPiles=%d ResCards=%d GoalCards=%d GoalBase=%d", 4 + int(rand() * 7), res,
            int(rand() * (res + 1)), int(rand() * 5), int(rand() * 14)
        printf " HomeOrder=%d GoalOrder=%d HomeAK=%d MultiMove=%d Autoplay=%d %d\n", int(rand() * 10),
            int(rand() * 10), int(rand() * 2), int(rand() * 2), int(rand() * 2), int(rand() * 1000000000)
    }
    n = split("Autoplay=1|Autoplay=0|ResPiles=2 Autoplay=0|GoalOrder=7|GoalBase=6", fixed, "|")
    for (f = 1; f <= n; f++)
        for (i = 0; i < 30; i++)
            printf "%s %d\n", fixed[f], int(rand() * 1000000000)
}' | while read -r -a words; do
    game=${words[-1]}
    sets=()
    for kv in "${words[@]:0:${#words[@]}-1}"; do sets+=(--set "$kv"); done
    out=$("$cli" "${sets[@]}" solve "$game" --max-states 200000)
    verdict=$(head -1 <<<"$out")
    states=$(tail -1 <<<"$out" | awk '{ print $2 }')
    case $verdict in
    winnable* | unwinnable) ;;
    *) continue ;;
    esac
    [ "$states" -le 60000 ] || continue
    [ "$verdict" = unwinnable ] && verdict="unwinnable -"
    echo "$game $verdict ${words[*]:0:${#words[@]}-1}"
done
