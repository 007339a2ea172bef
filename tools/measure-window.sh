#!/usr/bin/env bash
# Measures the game window as a player meets it, under a virtual X server with a window
# manager: start to splash on screen; resident memory with a game dealt and after 500
# resizes; idle processor time; Play to a settled deal; Undo All of 200 moves at the slowest
# speed (the clock, a timer, a click that cuts it short, the close box); and, when a sound
# server runs (PulseAudio with a null sink will do), the chimes of a won game as recorded
# from it. Needs xvfb, xdotool and openbox (and pulseaudio-utils to record); after a build:
#   bash tools/measure-window.sh [build folder]
set -euo pipefail
build=${1:-build}
program=$(realpath "$build/tabloo")
bench=$(realpath "$build/tabloo-windowbench")
here=$(dirname "$(realpath "$0")")
source "$here/x-session.sh"
export XDG_CONFIG_HOME=$(mktemp -d)
start_x :77 1920x1080 "$XDG_CONFIG_HOME"
ms() { echo $(( ($(date +%s%N) - $1) / 1000000 )); }
rss() { echo $(( $(awk '/VmRSS/ {print $2}' /proc/$1/status) / 1024 )); }

for run in 1 2 3; do
    start=$(date +%s%N)
    "$program" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --class tabloo >/dev/null 2>&1; do sleep 0.002; done
    echo "splash on screen ms $(ms "$start")"
    kill $pid
    wait $pid 2>/dev/null || true
done

# A game: a click on the splash, the variant dialog's Play (the default button), the deal.
start_game "$program"
play_first_game
echo "resident memory MB, game dealt $(rss $pid)"
ticks() { awk '{print $14 + $15}' /proc/$pid/stat; }
before=$(ticks)
sleep 10
after=$(ticks)
hz=$(getconf CLK_TCK)
echo "idle cpu percent $(awk -v t=$((after - before)) -v hz="$hz" 'BEGIN { printf "%.2f", 100 * t / hz / 10 }')"
# The window dragged by its edge, a few pixels at a time: 500 sizes.
window=$(xdotool search --name "Tabloo 3.0 \[" | head -1)
for i in $(seq 0 499); do
    xdotool windowsize "$window" $((1100 - (i % 250) * 3)) $((850 - (i % 250) * 2))
    sleep 0.004
done
sleep 1
echo "resident memory MB after 500 resizes $(rss $pid)"
kill $pid
wait $pid 2>/dev/null || true

# Play to the last card of the deal landed, 100 deals of the default rules.
"$bench" deals 100 2>/dev/null | grep '^deals'

# The line under the board: a new game until it says whether the deal can be won, 100 deals.
"$bench" verdicts 100 2>/dev/null | grep '^verdicts'
# Winnable deals only, under a variant where few deals can be won (no free cell, home piles
# built down in suit).
mkdir -p "$XDG_CONFIG_HOME/rare/Tabloo"
printf '[Data]\nResPiles=0\nHomeOrder=3\n' >"$XDG_CONFIG_HOME/rare/Tabloo/Tabloo.ini"
XDG_CONFIG_HOME="$XDG_CONFIG_HOME/rare" "$bench" winnable 20 2>/dev/null | grep '^winnable'

# Undo All of 200 moves at the slowest speed; a click at 3.5 s cuts the travel short, and
# the close box ends the second one.
"$bench" undoall >"$XDG_CONFIG_HOME/undoall.log" 2>/dev/null &
pid=$!
until window=$(xdotool search --name "Tabloo 3.0 \[" 2>/dev/null | head -1) && [ -n "$window" ]; do sleep 0.01; done
sleep 3.5
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 500)) $((Y + 650)) click 1
sleep 3
xdotool windowactivate --sync "$window"
start=$(date +%s%N)
xdotool key alt+F4
while kill -0 $pid 2>/dev/null; do sleep 0.002; done
closed=$(ms "$start")
grep -E 'clock|ticks|press|landed|undo all' "$XDG_CONFIG_HOME/undoall.log"
echo "close box to the end of the program ms $closed"

# The chimes of a won game's final cascade, as the sound server plays them.
if pactl info >/dev/null 2>&1; then
    parecord --device="$(pactl get-default-sink).monitor" --file-format=wav "$XDG_CONFIG_HOME/win.wav" &
    recorder=$!
    sleep 0.5
    "$bench" win >"$XDG_CONFIG_HOME/win.log" 2>/dev/null
    sleep 0.5
    kill $recorder
    wait $recorder 2>/dev/null || true
    echo "chimes requested $(grep -c 'sound AutoPlay' "$XDG_CONFIG_HOME/win.log")"
    grep '^streams' "$XDG_CONFIG_HOME/win.log"
    python3 "$here/count-chimes.py" "$XDG_CONFIG_HOME/win.wav" >"$XDG_CONFIG_HOME/chimes.txt"
    echo "recorded: $(head -1 "$XDG_CONFIG_HOME/chimes.txt")"
else
    echo "no sound server: chimes not recorded"
fi
