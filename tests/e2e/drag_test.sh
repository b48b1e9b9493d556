#!/usr/bin/env bash
# Plays the first board with the real mouse: drags from tile to neighbour across the whole field
# with xdotool, screenshots before and after, the game alive throughout; some drag must have made
# a line (the score the game reports has grown, which idle animation never does), and closing the
# window must end the game with exit status 0.
#   drag_test.sh GAME CLOSE_WINDOW_TOOL SHOT_FOLDER
set -u
game=$1 closer=$2 shots=$3
source "$(dirname "$0")/e2e_session.sh"
e2e_require Xvfb xdotool import
[ -e "$(dirname "$game")/Levels/Level1-01.zel" ] || { echo "skipped: no built levels"; exit 77; }
mkdir -p "$shots"
e2e_start_display 231 290
e2e_start_game "$game" --log-scenes
e2e_enter_round
window=$e2e_window
# Let the round's announcement pass and the gathering panel slide in.
sleep 5
e2e_alive "before the first move"
import -window root "$shots/before.png" || { echo "FAIL: no screenshot"; exit 1; }

# The first level's field: columns 4..12 and rows 3..10 of 52-pixel tiles, the board's top-left
# tile at (292, 95).
centre() { echo $((292 + ($1 - 1) * 52 + 26)) $((95 + ($2 - 1) * 52 + 26)); }
drag() {
    read -r x1 y1 <<<"$(centre "$1" "$2")"
    read -r x2 y2 <<<"$(centre "$3" "$4")"
    xdotool mousemove --window "$window" "$x1" "$y1" mousedown 1 \
        mousemove --window "$window" $(((x1 + x2) / 2)) $(((y1 + y2) / 2)) \
        mousemove --window "$window" "$x2" "$y2" mouseup 1
    sleep 0.12
}
for row in 3 5 7 9; do
    for column in 4 5 6 7 8 9 10 11; do drag "$column" "$row" $((column + 1)) "$row"; done
done
for column in 4 6 8 10 12; do
    for row in 3 4 5 6 7 8 9; do drag "$column" "$row" "$column" $((row + 1)); done
done
e2e_alive "while being played"
sleep 3
e2e_alive "after the moves"
import -window root "$shots/after.png" || { echo "FAIL: no screenshot"; exit 1; }

score=$(e2e_last_score)
echo "score after the moves: $score"
[ "$score" -gt 0 ] || { echo "FAIL: no drag made a line"; exit 1; }
e2e_no_missing_pictures

e2e_close_and_expect_success "$closer"
