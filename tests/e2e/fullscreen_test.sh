#!/usr/bin/env bash
# A new player on a display of the given size, under a window manager: the first start, the name
# typed, the menu in full screen as a new player's record says (or the game's window with
# --windowed), Play through the scene change into the first round, the in-game menu back to the
# menu, and the close. The game must never crash on the way, its window must cover the display in
# full screen (or fit into it windowed), and it must end with exit status 0. SDL_RENDER_DRIVER
# chooses another renderer than the game would (opengl: a graphics card's, here drawn by Mesa).
#   fullscreen_test.sh GAME CLOSE_WINDOW_TOOL WIDTHxHEIGHT SHOTS_FOLDER [--windowed]
set -u
game=$1 closer=$2 screen=$3 shots=$4 mode=${5:-}
source "$(dirname "$0")/e2e_session.sh"
e2e_require Xvfb xdotool import openbox xprop
mkdir -p "$shots"
rm -f "$shots"/*.png

shot() { import -window root "$shots/$1.png" || { echo "FAIL: no screenshot $1"; exit 1; }; }

e2e_start_display 351 380 "$screen"
e2e_start_window_manager
e2e_start_game "$game" --log-scenes $mode
e2e_walk_to gsMenu
e2e_wait_scene gsMenu 30 1
shot menu
renderer=$(grep -m1 '^renderer: ' "$e2e_log")
echo "$renderer"
[ -z "${SDL_RENDER_DRIVER:-}" ] || [ "$renderer" = "renderer: $SDL_RENDER_DRIVER" ] ||
    { echo "FAIL: not drawn by $SDL_RENDER_DRIVER"; exit 1; }

eval "$(xdotool getwindowgeometry --shell "$e2e_window" | grep -E '^(WIDTH|HEIGHT)=')"
echo "the window on the ${screen} display: ${WIDTH}x${HEIGHT}"
if [ -z "$mode" ]; then
    [ "${WIDTH}x${HEIGHT}" = "$screen" ] ||
        { echo "FAIL: full screen does not cover the display"; exit 1; }
else
    [ "$WIDTH" -le "${screen%x*}" ] && [ "$HEIGHT" -le "${screen#*x}" ] ||
        { echo "FAIL: the window does not fit into the display"; exit 1; }
fi

e2e_walk_to gsMainGame
e2e_wait_scene gsMainGame 30 1
sleep 2
shot round
xdotool key --window "$e2e_window" Escape
e2e_wait_scene gsInGameMenu 30 1
# Pressed again while the windows may still be sliding in on a large display drawn by the CPU.
e2e_press_until gsConfirmWindow $e2e_in_game_to_menu
e2e_press_until gsMenu $e2e_confirm_positive
e2e_alive "back at the menu"
e2e_no_missing_pictures
e2e_close_and_expect_success "$closer"
