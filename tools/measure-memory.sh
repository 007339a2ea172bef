#!/usr/bin/env bash
# Resident memory of the game window on a 1600 x 1200 screen (Xvfb with openbox), the
# board fitted to the window (the default): maximised with a game dealt; after 500 sizes
# of the window dragged from small to the whole screen; maximised again; and after the
# verdict of game 5052, a hard one, with the solver threads idle again. The splash, before
# a click, is the floor: Qt's libraries, fonts and the X connection. Needs xvfb, openbox,
# xdotool and wmctrl; after a build:
#   bash tools/measure-memory.sh [build folder]
set -euo pipefail
build=${1:-build}
program=$(realpath "$build/tabloo")
source "$(dirname "$0")/x-session.sh"
export XDG_CONFIG_HOME=$(mktemp -d)
start_x :79 1600x1200 "$XDG_CONFIG_HOME"
rss() { echo "scale=1; $(awk '/VmRSS/ {print $2}' /proc/$1/status) / 1024" | bc; }
mkdir -p "$XDG_CONFIG_HOME/Tabloo"
printf '[Window]\nMaximized=1\n' >"$XDG_CONFIG_HOME/Tabloo/Tabloo.ini"

start_game "$program"
sleep 1
echo "splash on screen: $(rss $pid) MB"
play_first_game
window=$(xdotool search --name "Tabloo 3.0 \[" | head -1)
echo "window $(xwininfo -id "$window" | awk '/Width|Height/ {printf "%s ", $2}')"
echo "maximised, game dealt: $(rss $pid) MB"
# Back to a normal window, then 500 sizes from 400 x 300 to the whole screen.
wmctrl -i -r "$window" -b remove,maximized_vert,maximized_horz
sleep 0.5
for i in $(seq 0 499); do
    xdotool windowsize "$window" $((400 + (i % 100) * 12)) $((300 + (i % 100) * 9))
    sleep 0.004
done
# The board lets go of the pictures of other scales a second after the last change.
sleep 2.5
echo "window $(xwininfo -id "$window" | awk '/Width|Height/ {printf "%s ", $2}')"
echo "after 500 sizes: $(rss $pid) MB"
wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
sleep 2.5
echo "maximised again: $(rss $pid) MB"
# Game 5052 through Select a Number (Ctrl+F12).
xdotool windowactivate --sync "$window" key ctrl+F12
sleep 1
xdotool type --delay 20 5052
xdotool key Return
sleep 15
echo "after game 5052's verdict: $(rss $pid) MB"
kill $pid
wait $pid 2>/dev/null || true
