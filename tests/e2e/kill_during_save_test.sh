#!/usr/bin/env bash
# Killed while saving: the game's own save routines write a player's save and the high scores
# over and over and are killed (SIGKILL) at 200 random moments; after each kill both files read
# back whole, each as the record of the last finished write or of the one cut short, never torn
# or damaged. Then the real game, killed during its own closing save a few times, still starts
# on that folder with the player, and leaves no temporary file behind.
#   kill_during_save_test.sh SAVE_WRITER TOVAN_SAVE GAME CLOSE_WINDOW [KILLS]
set -u
writer=$1
savetool=$2
game=$3
closer=$4
kills=${5:-200}
source "$(dirname "$0")/e2e_session.sh"
e2e_require Xvfb xdotool
e2e_work_folder
data=$e2e_work/data
folder="$data/The Saga of Tovan"
mkdir -p "$folder"
name=KEEPER

# field FILE LABEL: the value the save tool shows for the label.
field() { "$savetool" dump "$1" | sed -n "s/^$2: \([0-9-]*\).*/\1/p" | head -n 1; }
# score_of_first_rank FILE: the best score of the table.
first_rank() { "$savetool" dump "$1" | sed -n 's/^1: ".*" \([0-9-]*\)$/\1/p'; }

# The rounds a file may hold after a kill: the last one both files finished (printed by the
# writer), or the next one, cut short in the other file; before anything finished, what the
# file held before the writer started, or the first new round.
saved=0
best_before=0
for kill in $(seq 1 "$kills"); do
    "$writer" "$folder" "$name" >"$e2e_work/rounds" 2>"$e2e_work/writer.err" &
    pid=$!
    sleep "0.00$((RANDOM % 10))$((RANDOM % 10))"
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    [ -s "$e2e_work/writer.err" ] && { echo "FAIL: the writer said"; cat "$e2e_work/writer.err"; exit 1; }
    finished=$(tail -n 1 "$e2e_work/rounds")
    if [ -n "$finished" ]; then
        save_may="$finished $((finished + 1))"; best_may="$finished $((finished + 1))"
    else
        save_may="$saved $((saved + 1))"; best_may="$best_before $((saved + 1))"
    fi
    save="$folder/$name.sav"
    [ -f "$save" ] || { [ "$saved" = 0 ] && [ -z "$finished" ] && continue
        echo "FAIL: kill $kill: the save is gone"; exit 1; }
    score=$(field "$save" score)
    volume=$(field "$save" "music volume")
    best=$(first_rank "$folder/HighScores.dat")
    if [ -z "$score" ] || [ -z "$best" ]; then
        echo "FAIL: kill $kill: a file does not read back"
        "$savetool" dump "$save"; "$savetool" dump "$folder/HighScores.dat"; exit 1
    fi
    [[ " $save_may " == *" $score "* ]] ||
        { echo "FAIL: kill $kill: the save holds round $score, not one of $save_may"; exit 1; }
    [ "$volume" -eq $((score % 101)) ] || { echo "FAIL: kill $kill: a torn save ($score, $volume)"; exit 1; }
    [[ " $best_may " == *" $best "* ]] ||
        { echo "FAIL: kill $kill: the high scores hold $best, not one of $best_may"; exit 1; }
    saved=$score
    best_before=$best
done
last=$saved
leftovers=$(find "$folder" -name '.*.tmp' | wc -l)
echo "$kills kills while saving: both files whole every time (last round $last, $leftovers cut-short temporary files)"
[ -f "$folder/$name.sav" ] || { echo "FAIL: nothing was ever saved"; exit 1; }

# The real game on that folder: killed a few times while it saves on its way out, then started
# once more; it must come up with the player and without the leftovers.
e2e_start_display 340 379
for kill in 1 2 3; do
    e2e_log=$(mktemp)
    (cd "$(dirname "$game")" && exec env -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy \
        XDG_DATA_HOME="$data" "$game" --log-scenes >"$e2e_log" 2>&1) &
    e2e_gamepid=$!
    for i in $(seq 1 100); do grep -q '^scene: gsSplash' "$e2e_log" && break; sleep 0.05; done
    kill -TERM "$e2e_gamepid"
    sleep "0.00$((RANDOM % 10))"
    kill -KILL "$e2e_gamepid" 2>/dev/null
    wait "$e2e_gamepid" 2>/dev/null
    e2e_gamepid=
    rm -f "$e2e_log"
done
e2e_log=$(mktemp)
(cd "$(dirname "$game")" && exec env -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy \
    XDG_DATA_HOME="$data" "$game" --log-scenes --test-report >"$e2e_log" 2>&1) &
e2e_gamepid=$!
e2e_window=$(timeout 20 xdotool search --sync --onlyvisible --name "The Saga of Tovan" | head -n 1)
[ -n "$e2e_window" ] || { echo "FAIL: no game window appeared"; cat "$e2e_log"; exit 1; }
e2e_walk_to gsMenu
if grep -q '^scene: gsAddInitialPlayer' "$e2e_log"; then
    echo "FAIL: the game asked for a first player: the list was lost"; exit 1
fi
left=$(find "$folder" -name '.*.tmp' | wc -l)
[ "$left" -eq 0 ] || { echo "FAIL: $left temporary files were left"; ls -la "$folder"; exit 1; }
echo "the game started with $name after the kills and cleared what they left"
e2e_close_and_expect_success "$closer"
score=$(field "$folder/$name.sav" score)
[ "$score" -ge "$last" ] || { echo "FAIL: the game's own save lost rounds ($score < $last)"; exit 1; }
echo "the game's own save kept round $score"
