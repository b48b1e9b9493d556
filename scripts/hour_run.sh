#!/usr/bin/env bash
# A week of play in an hour: the built game (the release build) in a real window on a virtual
# display, played by script for MINUTES as a player would over many evenings: the menu and its
# pages, the map, rounds (a few swaps, then the developer key wins them), the results, purchases
# in the sticker book and on the map, the story's dialogs skipped. Every SECONDS it prints the
# game's resident and peak memory, its CPU time per frame and frames per second; at the end the
# rounds won, the error lines (the game's error log, anything it printed that is not a scene or
# report line) and whether memory and CPU per frame stayed flat. Exit 1 on an error line, an
# early end of the game, or growth.
#   scripts/hour_run.sh [--minutes MINUTES] [--every SECONDS] [--build BUILD]
#                       (defaults: 60 minutes, every 60 s, build)
set -u
cd "$(dirname "$0")/.."
minutes=60
every=60
build=build
# From the first half of the run to the second, memory and CPU per frame may rise this much
# without counting as growth (a frame's cost depends on the scenes it shows).
allowed_memory_growth_percent=10
allowed_cpu_growth_percent=25

usage() { echo "usage: scripts/hour_run.sh [--minutes MINUTES] [--every SECONDS] [--build BUILD]"; }
while [ $# -gt 0 ]; do
    case $1 in
    --minutes) minutes=${2:-}; shift 2 || { usage; exit 1; } ;;
    --every) every=${2:-}; shift 2 || { usage; exit 1; } ;;
    --build) build=${2:-}; shift 2 || { usage; exit 1; } ;;
    -h | --help) usage; exit 0 ;;
    *) echo "hour run: unknown option $1"; usage; exit 1 ;;
    esac
done
for number in "$minutes" "$every"; do
    [[ $number =~ ^[1-9][0-9]*$ ]] || { echo "hour run: not a whole number: $number"; exit 1; }
done
game=$PWD/$build/game/tovan
[ -x "$game" ] || { echo "hour run: no $game: build $build first"; exit 1; }
source tests/e2e/e2e_session.sh
e2e_require Xvfb xdotool

e2e_start_display 360 380
e2e_start_game "$game" --log-scenes
clock_ticks=$(getconf CLK_TCK)

# The game's CPU time in clock ticks, its resident and peak memory in kB.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$e2e_gamepid/stat" 2>/dev/null || echo 0; }
memory_kb() { awk -v key="$1:" '$1 == key {print $2}' "/proc/$e2e_gamepid/status" 2>/dev/null; }
frames_drawn() {
    local line
    line=$(grep '^frames: ' "$e2e_log" | tail -n 1)
    echo "${line#frames: }" | grep -E '^[0-9]+$' || echo 0
}

# A box the game shows (a level whose file is missing): answered with Return, and counted.
boxes=0
answer_boxes() {
    local box
    for box in $(xdotool search --onlyvisible --name '^(Message|Error)$' 2>/dev/null); do
        boxes=$((boxes + 1))
        xdotool key --window "$box" Return
    done
}

key() { xdotool key --window "$e2e_window" "$@"; }

# A swap's drag between two neighbouring points of the board's area, in game pixels.
random_drag() {
    local x=$((320 + RANDOM % 720)) y=$((140 + RANDOM % 480)) dx=0 dy=0
    case $((RANDOM % 4)) in 0) dx=52 ;; 1) dx=-52 ;; 2) dy=52 ;; *) dy=-52 ;; esac
    xdotool mousemove --window "$e2e_window" "$x" "$y" mousedown 1 \
        mousemove --window "$e2e_window" $((x + dx)) $((y + dy)) mouseup 1
}

menu_visits=0
round_steps=0
developer_typed=0
rounds_won=0
last_scene=
# One step of play: what a player does in the scene the game is in.
play_step() {
    local scene
    scene=$(e2e_last_scene)
    if [ "$scene" != "$last_scene" ]; then
        case "$scene" in
        gsRoundClear) rounds_won=$((rounds_won + 1)) ;;
        gsMenu) menu_visits=$((menu_visits + 1)) ;;
        esac
        round_steps=0
    fi
    last_scene=$scene
    case "$scene" in
    gsAddInitialPlayer)
        sleep 0.5
        if [ "$developer_typed" = 0 ]; then
            xdotool type --window "$e2e_window" "GIZMO UP"
            developer_typed=1
        else
            xdotool type --window "$e2e_window" "ANNA"
        fi
        key Return ;;
    gsMenu)
        case $((menu_visits % 4)) in
        1) e2e_press $e2e_menu_options ;;
        2) e2e_press $e2e_menu_high_scores ;;
        *) e2e_press $e2e_menu_play ;;
        esac ;;
    gsOptions | gsHighScores | gsHelp | gsCredits | gsExtras | gsInGameMenu | gsInGameOptions)
        key Escape ;;
    gsConfirmWindow) e2e_press $e2e_confirm_positive ;;
    gsOpeningStory | gsEndingStory) e2e_press $e2e_story_skip ;;
    gsMap)
        # Mostly the next level; now and then a stop chosen by the keys: a level, a purchase.
        if [ $((RANDOM % 3)) = 0 ]; then
            for _ in $(seq 1 $((1 + RANDOM % 6))); do key Tab; done
            key Return
        else
            e2e_press $e2e_map_play
        fi ;;
    gsMainGame)
        round_steps=$((round_steps + 1))
        if [ "$round_steps" -le 6 ]; then random_drag; else key F2; fi ;;
    gsStageResult) key Escape ;; # its OK
    gsTutorial | gsTutorialToolTip) key Return ;; # Mirela's OK
    gsRoundClear | gsTimeUp | gsSplash | gsCompanyLogos) e2e_press 683 400 ;;
    # The book's conversation skipped, then what is on offer bought, then Play.
    gsStickerBook) key Tab Return ;;
    *) e2e_press 683 400 ;;
    esac
}

echo "hour run: $minutes minutes, a line every $every s"
echo "  time   memory   peak  CPU/frame   fps  scene"
start=$(date +%s)
end=$((start + minutes * 60))
next_report=$((start + every))
last_cpu=$(cpu_ticks) last_frames=0 last_time=$start
# The CPU time, frames and memory at each line, to compare the run's halves.
cpus=() frames_at=() memories=()
while [ "$(date +%s)" -lt "$end" ]; do
    e2e_alive "during the run"
    answer_boxes
    play_step
    sleep 1
    now=$(date +%s)
    [ "$now" -ge "$next_report" ] || continue
    next_report=$((next_report + every))
    cpu=$(cpu_ticks) frames=$(frames_drawn) memory=$(memory_kb VmRSS) peak=$(memory_kb VmHWM)
    if [ "$frames" -gt "$last_frames" ]; then
        cpus+=("$cpu") frames_at+=("$frames") memories+=("$memory")
        cpu_per_frame=$(((cpu - last_cpu) * 1000000 / clock_ticks / (frames - last_frames)))
        fps=$(((frames - last_frames) / (now - last_time)))
        printf "%5d s %5d MB %4d MB %6d us %5d  %s\n" $((now - start)) $((memory / 1024)) \
            $((peak / 1024)) "$cpu_per_frame" "$fps" "$(e2e_last_scene)"
        last_cpu=$cpu last_frames=$frames last_time=$now
    fi
done
peak=$(memory_kb VmHWM)
e2e_alive "during the run"
kill "$e2e_gamepid"
wait "$e2e_gamepid" 2>/dev/null
e2e_gamepid=

errors=$(grep -v -E '^(scene|frames|score|balloon|conversation|tutorial step|tool tip|celebration): ' "$e2e_log")
error_log=$(find "$e2e_data" -name 'Errors.log' -exec cat {} + 2>/dev/null)
error_lines=$( (echo "$errors"; echo "$error_log") | grep -c -v '^$')
# The first half against the second: the CPU time per frame over each, and the median of each
# half's memory lines (one line alone depends on the scene it caught: a book holds its haven).
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
grew=
lines=${#cpus[@]}
if [ "$lines" -ge 3 ]; then
    middle=$(((lines - 1) / 2)) last=$((lines - 1))
    first_half=$(((cpus[middle] - cpus[0]) * 1000000 / clock_ticks /
        (frames_at[middle] - frames_at[0])))
    second_half=$(((cpus[last] - cpus[middle]) * 1000000 / clock_ticks /
        (frames_at[last] - frames_at[middle])))
    first_memory=$(median "${memories[@]:0:middle+1}")
    second_memory=$(median "${memories[@]:middle}")
    echo "CPU per frame: $first_half us in the first half, $second_half us in the second;" \
        "memory (median) $((first_memory / 1024)) MB in the first half," \
        "$((second_memory / 1024)) MB in the second"
    [ $((second_memory * 100)) -gt $((first_memory * (100 + allowed_memory_growth_percent))) ] &&
        grew="memory"
    [ $((second_half * 100)) -gt $((first_half * (100 + allowed_cpu_growth_percent))) ] &&
        grew="${grew:+$grew and }CPU per frame"
fi
echo "hour run: $minutes minutes, rounds won $rounds_won, menu visits $menu_visits," \
    "boxes answered $boxes, error lines $error_lines, peak memory $((peak / 1024)) MB," \
    "$([ -n "$grew" ] && echo "grew: $grew" || echo "memory and CPU per frame flat")"
if [ "$error_lines" -gt 0 ]; then
    (echo "$errors"; echo "$error_log") | grep -v '^$' | sort | uniq -c | sort -rn | head -n 20
fi
[ "$error_lines" -eq 0 ] && [ -z "$grew" ]
