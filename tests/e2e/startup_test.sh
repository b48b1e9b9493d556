#!/usr/bin/env bash
# Start-up where the game cannot run: without a display, and without its pictures. Each must end
# by itself with exit status 1 and one clear line, never run invisibly or hang.
#   startup_test.sh GAME
set -u
game=$1
source "$(dirname "$0")/e2e_session.sh"
e2e_require Xvfb xdotool xwininfo
e2e_work_folder
work=$e2e_work
export XDG_DATA_HOME="$work/data"

e2e_expect_exit 1 "no DISPLAY" "No display: " \
    env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$game"
e2e_expect_exit 1 "the off-screen driver" "No display: " env SDL_VIDEODRIVER=offscreen "$game"

# A game folder whose pictures are gone: everything else linked in, the program copied (it finds
# its content beside its own file).
mkdir "$work/game"
for entry in "$(dirname "$game")"/*; do
    [ "$(basename "$entry")" = Images ] || ln -s "$(readlink -f "$entry")" "$work/game/"
done
rm "$work/game/$(basename "$game")"
cp "$game" "$work/game/"
e2e_start_display 291 320
# Its two message boxes wait for a player: answer them as one would.
e2e_answer_boxes Error 2
e2e_expect_exit 1 "no Images folder" "its pictures cannot be read" \
    env -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy "$work/game/$(basename "$game")"
grep -q "Content folder cannot be read: .*Images" "$XDG_DATA_HOME/The Saga of Tovan/Errors.log" ||
    { echo "FAIL: the error log does not name the folder"; exit 1; }
echo "PASS"
