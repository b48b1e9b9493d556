#!/usr/bin/env bash
# A whole round in a real window: a new player (with the developer keys) starts level 1-01 from
# the map, F2 gathers everything, the round is won with its medal, the results window counts,
# its own time takes it away and the sticker book comes. Closed there, the game ends with exit
# status 0 and the player's save shows level 1-01 completed (tovan-save dump).
#   round_test.sh GAME TOVAN_SAVE CLOSE_WINDOW_TOOL SHOTS_FOLDER
set -u
game=$1 dumper=$2 closer=$3 shots=$4
source "$(dirname "$0")/e2e_session.sh"
e2e_require Xvfb xdotool import
[ -e "$(dirname "$game")/Levels/Level1-01.zel" ] || { echo "skipped: no built levels"; exit 77; }
mkdir -p "$shots"
rm -f "$shots"/*.png

shot() { import -window root "$shots/$1.png" || { echo "FAIL: no screenshot $1"; exit 1; }; }

e2e_start_display 321 350
e2e_start_game "$game" --log-scenes
e2e_walk_to gsAddInitialPlayer
sleep 0.5
xdotool type --window "$e2e_window" "GIZMO UP"
xdotool key --window "$e2e_window" Return
sleep 1
e2e_walk_to gsMainGame
sleep 3
xdotool key --window "$e2e_window" F2
e2e_wait_scene gsRoundClear 10
e2e_wait_scene gsStageResult 20
sleep 4 # the window drops in and its numbers count up
shot results
e2e_wait_scene gsStickerBook 30
sleep 2
shot sticker-book

e2e_close_and_expect_success "$closer"
save=$(find "$e2e_data" -name 'ANNA.sav' | head -n 1)
[ -n "$save" ] || { echo "FAIL: no save of ANNA"; exit 1; }
dump=$("$dumper" dump "$save") || { echo "FAIL: tovan-save could not read the save"; exit 1; }
echo "$dump" | grep -E '^next (island|level):'
grep -q '^next level: 2$' <<<"$dump" || { echo "FAIL: level 1-01 is not completed"; exit 1; }
grep -q '^next island: 1$' <<<"$dump" || { echo "FAIL: the island moved"; exit 1; }
echo "PASS"
