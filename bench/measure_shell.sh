#!/usr/bin/env bash
# The game shell's figures on a virtual display, each run three times: seconds from the start to
# the first menu frame (a returning player pressing through the logos and the splash at once),
# the CPU the game takes idling at the menu (percent of one core over 10 s), and the peak
# resident memory at the menu and after a round has run for a while.
#   bench/measure_shell.sh build/game/tovan
# Needs Xvfb and xdotool. Prints one line per run, then min and median.
set -u
game=$(readlink -f "${1:?usage: measure_shell.sh GAME}")
source "$(dirname "$0")/../tests/e2e/e2e_session.sh"
e2e_require Xvfb xdotool

kib() { awk -v k="$1" '/^'"$1"':/ { print $2 }' "/proc/$2/status"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
now() { date +%s.%N; }

# start_to_menu DATA: starts the game on the data folder and presses on (typing a first name when
# asked) until the menu comes; sets start and menu_at.
start_to_menu() {
    e2e_log=$(mktemp)
    start=$(now)
    (cd "$(dirname "$game")" && exec env -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy \
        XDG_DATA_HOME="$1" "$game" --log-scenes --windowed >"$e2e_log" 2>&1) &
    e2e_gamepid=$!
    e2e_window=$(timeout 20 xdotool search --sync --onlyvisible --name "The Saga of Tovan" | head -n 1)
    menu_at=
    for i in $(seq 1 400); do
        if grep -q "^scene: gsMenu" "$e2e_log"; then menu_at=$(now); break; fi
        grep -q "^scene: gsAddInitialPlayer" "$e2e_log" && {
            xdotool type --window "$e2e_window" "RUNNER"; xdotool key --window "$e2e_window" Return
            sleep 0.3; continue; }
        xdotool mousemove --window "$e2e_window" 683 400 click 1
        sleep 0.05
    done
}

e2e_start_display 240 280
results=()
for run in 1 2 3; do
    data=$(mktemp -d)
    # The first run of each data folder makes the player through the first start.
    start_to_menu "$data"
    sleep 3
    c0=$(cpu_ticks $e2e_gamepid); sleep 10; c1=$(cpu_ticks $e2e_gamepid)
    idle=$(awk -v a=$c0 -v b=$c1 -v hz=$(getconf CLK_TCK) 'BEGIN { printf "%.1f", (b - a) / hz / 10 * 100 }')
    peak_menu=$(kib VmHWM $e2e_gamepid)
    rm -f "$e2e_log"
    kill -TERM $e2e_gamepid; wait $e2e_gamepid 2>/dev/null; e2e_gamepid=
    # The second start of the same player: the figure that counts for the start.
    start_to_menu "$data"
    to_menu=$(awk -v a=$start -v b=$menu_at 'BEGIN { printf "%.2f", b - a }')
    # Into a round as a returning player walks there; the round runs 15 s.
    sleep 2
    e2e_walk_to gsMainGame
    round=$(grep -c "^scene: gsMainGame" "$e2e_log")
    sleep 15
    peak_round=$(kib VmHWM $e2e_gamepid)
    kill -TERM $e2e_gamepid; wait $e2e_gamepid 2>/dev/null; e2e_gamepid=
    rm -rf "$data" "$e2e_log"
    echo "run $run: start to menu ${to_menu} s; idle at menu ${idle} %; peak RSS menu $((peak_menu / 1024)) MiB, round $((peak_round / 1024)) MiB (round reached: $round)"
    results+=("$to_menu $idle $((peak_menu / 1024)) $((peak_round / 1024))")
done
# Min and median of each figure over the runs.
names=(start-to-menu-s idle-cpu-% peak-rss-menu-MiB peak-rss-round-MiB)
for column in 1 2 3 4; do
    sorted=$(printf '%s\n' "${results[@]}" | cut -d' ' -f$column | sort -g)
    echo "${names[column - 1]}: min $(echo "$sorted" | head -n 1) median $(echo "$sorted" | sed -n 2p)"
done
