#!/usr/bin/env bash
# Times Tabloo's solver and Freecell Solver on the same deals, in one run.
#
#   bash tools/compare-fcsolve.sh [COUNT [CLI]]      (defaults 1000 build/tabloo-cli)
#
# 1. Microsoft's deals 1..COUNT, both programs in batch mode, one process each: Freecell
#    Solver's range solver (`freecell-solver-range-parallel-solve 1 COUNT COUNT -l lg`)
#    against `tabloo-cli solve-boards`, fed the same deals as make-microsoft-freecell-board
#    prints them. Each runs five times in turn; the best CPU time (user and system) of
#    each counts, so that other work on the machine weighs on neither.
# 2. Tabloo's own default-rule deals 1..COUNT (`solve-range`, --jobs 1 and 2), exported to
#    Freecell Solver's board format as `tabloo-cli deal` prints them. Freecell Solver has
#    no batch mode for boards of its own choosing, so it runs once per deal there; the
#    cost of starting its process, measured on a trivial board run as many times in turn
#    with the real ones, is subtracted. Tabloo's --jobs 1 and 2 run three times each in
#    turn; the best of each counts.
#
# The rules differ: Freecell Solver plays plain FreeCell (runs of (F+1)·2^E cards, no
# forced autoplay); Tabloo plays its default rules on the same cards (runs of (F+1)(E+1)
# cards, every card a goal pile takes goes up at once, with no safety rule).
# Needs Debian's freecell-solver-bin, time and bc (installed when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-1000}
cli=${2:-build/tabloo-cli}
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
    awk '{ printf "%.3f", $1 + $2 }' "$work/time"
}
best() { printf '%s\n' "$@" | sort -g | head -1; }
rate() { awk -v n="$1" -v t="$2" 'BEGIN { printf "%.0f", n / t }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# 1. Microsoft's deals, both in batch.
for ((n = 1; n <= count; n++)); do
    make-microsoft-freecell-board -t "$n"
    echo
done >"$work/ms.boards"
fcs_runs=() tab_runs=()
for round in 1 2 3 4 5; do
    fcs_runs+=("$(cpu "$work/fcs.txt" freecell-solver-range-parallel-solve 1 "$count" "$count" "${preset[@]}")")
    tab_runs+=("$(cpu "$work/tab.txt" "$cli" solve-boards --jobs 1 <"$work/ms.boards")")
done
fcs_cpu=$(best "${fcs_runs[@]}")
tab_cpu=$(best "${tab_runs[@]}")
fcs_iters=$(awk -F'total_num_iters=' '/Reached/ { print $2 + 0 }' "$work/fcs.txt")
tab_sum=$(tail -1 "$work/tab.txt")
tab_states=$(awk '$1 ~ /^[0-9]+$/ { s += $NF } END { print s }' "$work/tab.txt")
"$cli" solve-boards --jobs 2 <"$work/ms.boards" >"$work/tab2.txt"
cmp -s <(grep -v '^games' "$work/tab.txt") <(grep -v '^games' "$work/tab2.txt") ||
    echo "warning: --jobs 2 gave other results than --jobs 1"
echo "Microsoft deals 1..$count, batch, best CPU time of 5 runs"
printf '  freecell-solver %s: %s s, %s deals/s, %s positions checked a deal\n' "${preset[*]}" "$fcs_cpu" \
    "$(rate "$count" "$fcs_cpu")" "$(awk -v s="$fcs_iters" -v n="$count" 'BEGIN { printf "%.0f", s / n }')"
printf '  tabloo solve-boards: %s s, %s deals/s, %s positions a deal (%s)\n' "$tab_cpu" "$(rate "$count" "$tab_cpu")" \
    "$(awk -v s="$tab_states" -v n="$count" 'BEGIN { printf "%.0f", s / n }')" "$tab_sum"
printf '  tabloo against freecell-solver: %s times as fast\n' "$(ratio "$fcs_cpu" "$tab_cpu")"

# 2. Tabloo's own deals. One board file per deal: "Foundations: H-x C-x D-x S-x", the
# four reserve piles as freecells, the eight home piles bottom first.
for ((n = 1; n <= count; n++)); do
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
fcs=0 startup=0
for ((n = 1; n <= count; n++)); do
    t0=$EPOCHREALTIME
    fc-solve "${preset[@]}" "$work/$n.board" >"$work/$n.out" 2>&1 || true
    t1=$EPOCHREALTIME
    fc-solve "${preset[@]}" "$work/trivial.board" >/dev/null 2>&1 || true
    t2=$EPOCHREALTIME
    fcs=$(echo "$fcs + $t1 - $t0" | bc)
    startup=$(echo "$startup + $t2 - $t1" | bc)
done
fcsnet=$(echo "$fcs - $startup" | bc)
solved=$(grep -l "This game is solveable" "$work"/*.out | wc -l)
iterations=$(cat "$work"/*.out | awk '/states checked/ { s += $NF } END { print s }')
# One thread by CPU time, and threads against one thread by the clock on the wall: three
# runs of each in turn, the best of each counts.
wall() { awk '{ for (i = 1; i < NF; i++) if ($i == "games/s") print $(i + 1) }' <<<"$1"; }
one_runs=() w1_runs=() w2_runs=()
for round in 1 2 3; do
    one_runs+=("$(cpu "$work/ours1.txt" "$cli" solve-range 1 "$count" --jobs 1)")
    w1_runs+=("$(wall "$(tail -1 "$work/ours1.txt")")")
    "$cli" solve-range 1 "$count" --jobs 2 >"$work/ours2.txt"
    w2_runs+=("$(wall "$(tail -1 "$work/ours2.txt")")")
done
one=$(best "${one_runs[@]}")
cmp -s <(grep -v '^games' "$work/ours1.txt") <(grep -v '^games' "$work/ours2.txt") ||
    echo "warning: --jobs 2 gave other results than --jobs 1"
w1=$(printf '%s\n' "${w1_runs[@]}" | sort -g | tail -1)
w2=$(printf '%s\n' "${w2_runs[@]}" | sort -g | tail -1)
echo "Tabloo's default-rule deals 1..$count"
printf '  freecell-solver %s, one process a deal: solved %d, %.3f s less %.3f s starting processes: %s deals/s, %s positions checked a deal\n' \
    "${preset[*]}" "$solved" "$fcs" "$startup" "$(rate "$count" "$fcsnet")" \
    "$(awk -v s="$iterations" -v n="$count" 'BEGIN { printf "%.0f", s / n }')"
printf '  tabloo solve-range --jobs 1: %s s of CPU (best of 3), %s deals/s (%s)\n' "$one" "$(rate "$count" "$one")" \
    "$(tail -1 "$work/ours1.txt")"
printf '  tabloo --jobs 2 against --jobs 1 (wall clock, best of 3 each): %s games/s against %s, %s times\n' "$w2" "$w1" "$(ratio "$w2" "$w1")"
