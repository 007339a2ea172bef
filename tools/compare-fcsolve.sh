#!/usr/bin/env bash
# Times Tabloo's solver and Freecell Solver on the same game and the same deals, in one run.
#
#   bash tools/compare-fcsolve.sh [COUNT [FROM [TO [CLI]]]]
#                                      (defaults 32000 2001 3000 build/tabloo-cli)
#
# The same game first: Tabloo's default rules with Autoplay off are FreeCell (eight home
# piles built down in alternate colours, four free cells, goal piles up in suit from the
# Ace, a card goes up only when the player sends it), with two differences: a run moves in
# one move only up to (F+1)(E+1) cards, against FreeCell's (F+1)·2^E (a longer one moves in
# several), and a card may come back off a goal pile. Every FreeCell line is so a line of
# Tabloo's game, and the verdicts can differ only towards winnable.
# 1. Microsoft's deals 1..COUNT, both in batch, one thread, one process each: Freecell
#    Solver's range solver (`freecell-solver-range-parallel-solve 1 COUNT COUNT -l lg`)
#    against `tabloo-cli --set Autoplay=0 solve-boards`, fed the same deals as
#    make-microsoft-freecell-board prints them. Three runs each in turn; the best CPU time
#    (user and system) of each counts, so that other work on the machine weighs on neither.
# 2. Tabloo's own deals FROM..TO with Autoplay off: the board text `tabloo-cli deal`
#    prints, run through Freecell Solver one process a board (it has no batch mode for
#    boards of its own choosing), less the cost of starting its process, measured on a
#    trivial board run as many times in turn with the real ones; Tabloo solves the same
#    deals with `solve-range` (best CPU time of three runs).
# 3. A different game, for reference: Tabloo's default rules (forced autoplay, with no
#    safety rule) on Microsoft's deals 1..COUNT, against Freecell Solver's figure of 1.
# Needs Debian's freecell-solver-bin, time and bc (installed when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-32000}
from=${2:-2001}
to=${3:-3000}
cli=${4:-build/tabloo-cli}
preset=(-l lg)

source scripts/deps.sh
ensure_packages freecell-solver-bin time bc

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# CPU seconds (user + system) of a command, its output to a file.
cpu() {
    local out=$1
    shift
    /usr/bin/env time -f '%U %S' -o "$work/time" "$@" >"$out"
    awk '{ printf "%.2f", $1 + $2 }' "$work/time"
}
best() { printf '%s\n' "$@" | sort -g | head -1; }
rate() { awk -v n="$1" -v t="$2" 'BEGIN { printf "%.0f", n / t }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
tally() { awk '$1 ~ /^[0-9]+$/ { n[$2]++ } END { printf "%d winnable, %d unwinnable, %d unknown", n["winnable"], n["unwinnable"], n["unknown"] }' "$1"; }
undecided() { awk '$2 != "winnable" && $1 ~ /^[0-9]+$/ { printf "%s %s %s", (n++ ? "," : "; not winnable:"), $1, $2 }' "$1"; }

# 1. Microsoft's deals, both in batch, Autoplay off.
for ((n = 1; n <= count; n++)); do
    make-microsoft-freecell-board -t "$n"
    echo
done >"$work/ms.boards"
fcs_runs=() tab_runs=() std_runs=()
for round in 1 2 3; do
    fcs_runs+=("$(cpu "$work/fcs.txt" freecell-solver-range-parallel-solve 1 "$count" "$count" "${preset[@]}")")
    tab_runs+=("$(cpu "$work/tab.txt" "$cli" --set Autoplay=0 solve-boards --jobs 1 <"$work/ms.boards")")
done
fcs_cpu=$(best "${fcs_runs[@]}")
tab_cpu=$(best "${tab_runs[@]}")
fcs_iters=$(awk -F'total_num_iters=' '/Reached/ { print $2 + 0 }' "$work/fcs.txt")
tab_states=$(awk '$1 ~ /^[0-9]+$/ { s += $NF } END { print s }' "$work/tab.txt")
echo "The same game (Autoplay 0), one thread, best CPU time of 3 runs each, in turn"
echo "1. Microsoft's deals 1..$count, batch"
printf '  freecell-solver %s: %s s, %s deals/s, %s positions checked a deal\n' "${preset[*]}" "$fcs_cpu" \
    "$(rate "$count" "$fcs_cpu")" "$(awk -v s="$fcs_iters" -v n="$count" 'BEGIN { printf "%.0f", s / n }')"
printf '  tabloo --set Autoplay=0 solve-boards: %s s, %s deals/s, %s positions a deal; %s%s\n' "$tab_cpu" \
    "$(rate "$count" "$tab_cpu")" "$(awk -v s="$tab_states" -v n="$count" 'BEGIN { printf "%.0f", s / n }')" \
    "$(tally "$work/tab.txt")" "$(undecided "$work/tab.txt")"
printf '  CPU time ratio (freecell-solver / tabloo): %s\n' "$(ratio "$fcs_cpu" "$tab_cpu")"

# 2. Tabloo's own deals, Autoplay off. One board file per deal: "Foundations: H-x C-x D-x
# S-x", the four reserve piles as freecells, the eight home piles bottom first.
for ((n = from; n <= to; n++)); do
    "$cli" --set Autoplay=0 deal "$n" | awk '
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
boards=$((to - from + 1))
fcsnet=$(echo "$fcs - $startup" | bc)
solved=$(grep -l "This game is solveable" "$work"/*.out | wc -l)
iterations=$(cat "$work"/*.out | awk '/states checked/ { s += $NF } END { print s }')
one_runs=()
for round in 1 2 3; do
    one_runs+=("$(cpu "$work/ours1.txt" "$cli" --set Autoplay=0 solve-range "$from" "$to" --jobs 1)")
done
one=$(best "${one_runs[@]}")
echo "2. Tabloo's deals $from..$to, the board text tabloo-cli deal prints"
printf '  freecell-solver %s, one process a board: solved %d, %.2f s less %.2f s starting processes: %s boards/s, %s positions checked a board\n' \
    "${preset[*]}" "$solved" "$fcs" "$startup" "$(rate "$boards" "$fcsnet")" \
    "$(awk -v s="$iterations" -v n="$boards" 'BEGIN { printf "%.0f", s / n }')"
printf '  tabloo --set Autoplay=0 solve-range: %s s, %s boards/s; %s%s\n' "$one" "$(rate "$boards" "$one")" \
    "$(tally "$work/ours1.txt")" "$(undecided "$work/ours1.txt")"
printf '  boards/s ratio (tabloo / freecell-solver): %s\n' "$(ratio "$(rate "$boards" "$one")" "$(rate "$boards" "$fcsnet")")"

# 3. The default rules: another game on the same cards.
for round in 1 2 3; do
    std_runs+=("$(cpu "$work/std.txt" "$cli" solve-boards --jobs 1 <"$work/ms.boards")")
done
std_cpu=$(best "${std_runs[@]}")
echo "3. A different game: Tabloo's default rules (forced autoplay) on Microsoft's deals 1..$count"
printf '  tabloo solve-boards: %s s, %s deals/s; %s (freecell-solver plays FreeCell on them: %s s above)\n' \
    "$std_cpu" "$(rate "$count" "$std_cpu")" "$(tally "$work/std.txt")" "$fcs_cpu"
