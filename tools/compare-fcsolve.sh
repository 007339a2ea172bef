#!/usr/bin/env bash
# Times Tabloo's solver and Freecell Solver on the same deals: Tabloo's default-rule deals
# (8 home piles, 4 reserve piles) of game numbers FROM..TO, exported to Freecell Solver's
# board format as `tabloo-cli deal` prints them (after the first autoplay).
#
#   bash tools/compare-fcsolve.sh [FROM [TO [CLI]]]      (defaults 1 1000 build/tabloo-cli)
#
# Freecell Solver reads one board per process, so it is run once per deal; each run also
# pays for starting the process. That start-up is measured on a trivial board (one card
# left to play) run as many times, in turn with the real ones, and subtracted. For scale
# the script also runs its batch solver on its own deals and counts its iterations. Freecell Solver plays plain FreeCell
# (runs of (F+1)·2^E cards, no forced autoplay); Tabloo plays its own rules on the same cards.
# Needs Debian's freecell-solver-bin (installed when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
from=${1:-1}
to=${2:-1000}
cli=${3:-build/tabloo-cli}
preset=(-l lg)

if ! command -v fc-solve >/dev/null; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get install -y -qq freecell-solver-bin >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One board file per deal: "Foundations: H-x C-x D-x S-x", the four reserve piles as
# freecells, the eight home piles bottom first.
for ((n = from; n <= to; n++)); do
    "$cli" deal "$n" | awk '
        BEGIN { split("H C D S", order, " ") }
        /^home / { sub(/^home [0-9]+:/, ""); stacks[++s] = ":" $0 }
        /^reserve / { if (NF > 2) cells = cells " " $3 }
        /^goal / && NF > 2 { top = $NF; f[substr(top, 2, 1)] = substr(top, 1, 1) }
        END {
            line = "Foundations:"
            for (i = 1; i <= 4; i++) line = line " " order[i] "-" ((order[i] in f) ? f[order[i]] : "0")
            print line
            print "Freecells:" cells
            for (i = 1; i <= s; i++) print stacks[i]
        }' >"$work/$n.board"
done
printf 'Foundations: H-K C-K D-K S-Q\nFreecells:\n: KS\n:\n:\n:\n:\n:\n:\n:\n' >"$work/trivial.board"

# Each deal's run and a trivial run in turn, so that whatever else the machine does
# weighs on both alike.
count=$((to - from + 1))
fcs=0 startup=0
for ((n = from; n <= to; n++)); do
    t0=$EPOCHREALTIME
    fc-solve "${preset[@]}" "$work/$n.board" >"$work/$n.out" 2>&1 || true
    t1=$EPOCHREALTIME
    fc-solve "${preset[@]}" "$work/trivial.board" >/dev/null 2>&1 || true
    t2=$EPOCHREALTIME
    fcs=$(echo "$fcs + $t1 - $t0" | bc)
    startup=$(echo "$startup + $t2 - $t1" | bc)
done
iterations=$(cat "$work"/*.out | awk '/states checked/ { s += $NF } END { print s }')
solved=$(grep -l "This game is solveable" "$work"/*.out | wc -l)

"$cli" solve-range "$from" "$to" --jobs 1 >"$work/tabloo1.txt"
"$cli" solve-range "$from" "$to" --jobs 2 >"$work/tabloo2.txt"
cmp -s <(grep -v '^games' "$work/tabloo1.txt") <(grep -v '^games' "$work/tabloo2.txt") ||
    echo "warning: --jobs 2 gave other results than --jobs 1"
summary1=$(tail -1 "$work/tabloo1.txt")
summary2=$(tail -1 "$work/tabloo2.txt")
rate() { awk '{ for (i = 1; i < NF; i++) if ($i == "games/s") print $(i + 1) }' <<<"$1"; }

fcsnet=$(echo "$fcs - $startup" | bc)
# For scale: its own batch solver on its own deals (Microsoft's 1..1000), one process.
t0=$EPOCHREALTIME
ms=$(freecell-solver-range-parallel-solve 1 1000 1000 "${preset[@]}" | awk -F'total_num_iters=' '/Reached/ { print $2 + 0 }')
t1=$EPOCHREALTIME
batch=$(echo "1000 / ($t1 - $t0)" | bc -l)
echo "deals $from..$to ($count), default rules"
printf 'freecell-solver %s: solved %d of %d, %.3f s in all, %.3f s of it starting processes, %.3f s solving: %.1f deals/s\n' \
    "${preset[*]}" "$solved" "$count" "$fcs" "$startup" "$fcsnet" "$(echo "$count / $fcsnet" | bc -l)"
echo "tabloo --jobs 1: $summary1"
echo "tabloo --jobs 2: $summary2"
printf 'freecell-solver %s on its own deals 1..1000 in one process: %.0f deals/s, %.0f iterations a deal; on ours %.0f iterations a deal\n' \
    "${preset[*]}" "$batch" "$(echo "$ms / 1000" | bc -l)" "$(echo "$iterations / $count" | bc -l)"
printf 'tabloo --jobs 1 against freecell-solver: %.2f times as fast; --jobs 2 against --jobs 1: %.2f\n' \
    "$(echo "$(rate "$summary1") * $fcsnet / $count" | bc -l)" "$(echo "$(rate "$summary2") / $(rate "$summary1")" | bc -l)"
