#!/usr/bin/env bash
# The command line's quick answers and the game's ends: --help and an unknown option answer
# without a window; a second game started while the first runs says "Application is already
# running." and ends with exit status 0, leaving the first alone; SIGTERM then ends the first
# with exit status 0.
#   instance_test.sh GAME
set -u
game=$1
source "$(dirname "$0")/e2e_session.sh"
e2e_require Xvfb xdotool xwininfo
e2e_work_folder

e2e_expect_exit 0 "--help" "--windowed" "$game" --help
e2e_expect_exit 2 "an unknown option" "Usage:" "$game" --no-such-option
grep -qF -- "--no-such-option" "$e2e_work/out" || { echo "FAIL: the option is not named"; exit 1; }

e2e_start_display 321 350
e2e_start_game "$game" --windowed --log-scenes
# Running: its round has begun.
e2e_enter_round
# The second game's box waits for a player where the display can show it: answer it.
e2e_answer_boxes Message 1
e2e_expect_exit 0 "a second game" "Application is already running." \
    env -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$e2e_data" "$game"
e2e_alive "when a second game was started"

kill -TERM "$e2e_gamepid"
for i in $(seq 1 100); do kill -0 "$e2e_gamepid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$e2e_gamepid" 2>/dev/null && { echo "FAIL: the game did not end on SIGTERM"; exit 1; }
wait "$e2e_gamepid"
status=$?
e2e_gamepid=
echo "SIGTERM: exit status $status"
[ "$status" -eq 0 ] || { echo "FAIL: SIGTERM ended the game with $status"; cat "$e2e_log"; exit 1; }
echo "PASS"
