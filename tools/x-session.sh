# Sourced by the tools that run the game under a virtual X server with a window manager.

# start_x DISPLAY [WIDTHxHEIGHT] [FOLDER...]: Xvfb (1600x1200 unless given) with openbox;
# both end, and the folders go, when the script exits.
start_x() {
    export DISPLAY=$1
    Xvfb "$DISPLAY" -screen 0 "${2:-1600x1200}x24" >/dev/null 2>&1 &
    x_server=$!
    sleep 1
    openbox >/dev/null 2>&1 &
    x_wm=$!
    x_folders=("${@:3}")
    trap 'kill $x_wm $x_server 2>/dev/null; rm -rf "${x_folders[@]}"' EXIT
    sleep 0.5
}

# start_game PROGRAM: starts the game, its process id in $pid, and returns once the splash
# is on the screen.
start_game() {
    "$1" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --class tabloo >/dev/null 2>&1; do sleep 0.01; done
}

# play_first_game: a click on the splash, the variant dialog's Play (the default button),
# and time for the deal to land.
play_first_game() {
    sleep 0.5
    xdotool search --onlyvisible --class tabloo | head -1 | xargs -I{} xdotool mousemove --window {} 50 50 click 1
    until xdotool search --name "^Select Game$" >/dev/null 2>&1; do sleep 0.01; done
    sleep 0.5
    xdotool key Return
    sleep 4
}
