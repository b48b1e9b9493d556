#!/usr/bin/env bash
# A new player's first visit, as scene lines and screenshots: the splash, the first name typed,
# the menu, the options (a check box and a volume changed), the high scores, the opening story of
# the first Play (skipped), a round, the in-game menu with Escape, back to the menu, and the exit
# question. A second game started meanwhile says so and ends; the scene lines come in order, the
# screenshots differ from each other and from a blank screen, the game ends with exit status 0
# and the player's save exists.
#   walk_test.sh GAME SHOTS_FOLDER
set -u
game=$1 shots=$2
source "$(dirname "$0")/e2e_session.sh"
e2e_require Xvfb xdotool import convert compare xwininfo
mkdir -p "$shots"
rm -f "$shots"/*.png

shot() { import -window root "$shots/$1.png" || { echo "FAIL: no screenshot $1"; exit 1; }; }

e2e_start_display 300 320
e2e_start_game "$game" --log-scenes
e2e_press 683 400 # the logo cards
e2e_wait_scene gsSplash 20 1.5
sleep 4 # the pictures load under the bar
shot splash
e2e_walk_to gsMenu
e2e_wait_scene gsMenu 20 1.5
shot menu

# The second game's box waits for a player where the display can show it: answer it.
e2e_answer_boxes Message 1
e2e_work_folder
e2e_expect_exit 0 "a second game" "Application is already running." \
    env -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$e2e_data" "$game"

e2e_press $e2e_menu_options
e2e_wait_scene gsOptions 20 1.5
e2e_press $e2e_options_music_box
e2e_press $e2e_options_sound_plus
sleep 0.5
shot options
e2e_press $e2e_options_ok
e2e_wait_scene gsMenu 20 1.5

e2e_press $e2e_menu_high_scores
e2e_wait_scene gsHighScores 20 1.5
shot highscores
e2e_press $e2e_high_scores_ok
e2e_wait_scene gsMenu 20 1.5

e2e_walk_to gsOpeningStory
sleep 4
shot story
e2e_walk_to gsMainGame
e2e_wait_scene gsMainGame 20 1.5
shot round
xdotool key --window "$e2e_window" Escape
e2e_wait_scene gsInGameMenu 20 1.5
shot ingamemenu
e2e_press $e2e_in_game_to_menu
e2e_wait_scene gsConfirmWindow 20 1.5
e2e_press $e2e_confirm_positive
e2e_wait_scene gsMenu 20 1.5

e2e_press_until gsConfirmWindow $e2e_menu_exit
# Yes, pressed again while the question may still be sliding in on a busy machine.
for i in $(seq 1 15); do
    e2e_press $e2e_confirm_positive
    for _ in $(seq 1 10); do kill -0 "$e2e_gamepid" 2>/dev/null || break 2; sleep 0.2; done
done
kill -0 "$e2e_gamepid" 2>/dev/null && { echo "FAIL: the exit question did not end the game"; exit 1; }
wait "$e2e_gamepid"
status=$?
e2e_gamepid=
echo "exit status $status"
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; cat "$e2e_log"; exit 1; }

expected="gsSplash gsAddInitialPlayer gsMenu gsOptions gsMenu gsHighScores gsMenu gsConfirmWindow
gsMenu gsOpeningStory gsMap gsObjectiveInfo gsTutorial gsMainGame gsInGameMenu gsConfirmWindow gsMainGame
gsMenu gsConfirmWindow gsMenu"
actual=$(grep '^scene: ' "$e2e_log" | cut -d' ' -f2 | tr '\n' ' ')
if [ "$(echo $actual)" != "$(echo $expected)" ]; then
    echo "FAIL: the scenes came as"
    echo "  $actual"
    echo "instead of"
    echo "  $(echo $expected)"
    exit 1
fi
echo "scenes: $actual"

# Every screenshot shows something, and no two are the same.
for a in "$shots"/*.png; do
    spread=$(convert "$a" -colorspace Gray -format '%[fx:standard_deviation]' info:)
    awk -v s="$spread" 'BEGIN { exit !(s > 0.02) }' ||
        { echo "FAIL: $(basename "$a") is blank"; exit 1; }
    for b in "$shots"/*.png; do
        [[ "$a" < "$b" ]] || continue
        differing=$(compare -metric AE "$a" "$b" null: 2>&1 | cut -d' ' -f1)
        awk -v d="$differing" 'BEGIN { exit !(d + 0 > 1000) }' ||
            { echo "FAIL: $(basename "$a") and $(basename "$b") look the same"; exit 1; }
    done
done
echo "screenshots: $(ls "$shots" | tr '\n' ' ')"

save="$e2e_data/The Saga of Tovan/ANNA.sav"
[ -s "$save" ] || { echo "FAIL: no save file for ANNA"; ls -la "$e2e_data"/*; exit 1; }
e2e_no_missing_pictures
echo "PASS"
