# Sourced by the end-to-end scripts: a virtual display, the game started in it, and the clean
# close every script ends with. Skips (exit 77) where a tool is missing.

# e2e_require TOOL...
e2e_require() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
    done
}

# e2e_start_display FIRST LAST [WIDTHxHEIGHT]: a free display number in FIRST..LAST, an Xvfb on
# it (1366 x 768 unless told), DISPLAY set.
e2e_start_display() {
    local n
    for n in $(seq "$1" "$2"); do [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break; done
    Xvfb ":$n" -screen 0 "${3:-1366x768}x24" -nolisten tcp >/dev/null 2>&1 &
    e2e_xvfb=$!
    e2e_gamepid=
    trap e2e_cleanup EXIT
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
}

# e2e_start_window_manager: a window manager on the display, as every desktop has: full screen
# then covers the whole display, as a player sees it.
e2e_start_window_manager() {
    openbox --sm-disable >/dev/null 2>&1 &
    e2e_wm=$!
    local i
    for i in $(seq 1 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window &&
        return 0; sleep 0.1; done
    echo "FAIL: the window manager did not start"
    exit 1
}

e2e_cleanup() {
    [ -n "${e2e_gamepid:-}" ] && kill "$e2e_gamepid" 2>/dev/null
    [ -n "${e2e_wm:-}" ] && kill "$e2e_wm" 2>/dev/null
    [ -n "${e2e_xvfb:-}" ] && kill "$e2e_xvfb" 2>/dev/null
    [ -n "${e2e_log:-}" ] && rm -f "$e2e_log"
    [ -n "${e2e_data:-}" ] && rm -rf "$e2e_data"
    [ -n "${e2e_work:-}" ] && rm -rf "$e2e_work"
}

# e2e_answer_boxes TITLE COUNT: in the background, answers COUNT message boxes titled TITLE with
# Return as they appear, as a player would (each waited for up to 20 s). SDL's own boxes carry
# their title in a form xdotool's search does not read: the window tree does.
e2e_answer_boxes() {
    local title=$1 count=$2
    (for _ in $(seq 1 "$count"); do
        local box=
        for _ in $(seq 1 100); do
            box=$(xwininfo -root -children 2>/dev/null | awk -v t="\"$title\":" '$2 == t { print $1; exit }')
            [ -n "$box" ] && break
            sleep 0.2
        done
        [ -n "$box" ] || break
        xdotool key --window "$((box))" Return 2>/dev/null
        sleep 0.5
    done) &
}

# e2e_work_folder: a scratch folder in e2e_work, removed when the script ends.
e2e_work_folder() {
    e2e_work=$(mktemp -d)
    trap e2e_cleanup EXIT
}

# e2e_expect_exit STATUS WHAT TEXT COMMAND...: the command ends by itself within 30 s with exit
# status STATUS and prints TEXT (on stdout or stderr). Needs e2e_work_folder.
e2e_expect_exit() {
    local status=$1 what=$2 text=$3
    shift 3
    timeout 30 "$@" >"$e2e_work/out" 2>&1
    local got=$?
    echo "$what: exit status $got: $(grep -F -- "$text" "$e2e_work/out" | head -n 1)"
    [ "$got" -eq "$status" ] || { echo "FAIL: $what ended with $got"; cat "$e2e_work/out"; exit 1; }
    grep -qF -- "$text" "$e2e_work/out" ||
        { echo "FAIL: $what said no \"$text\""; cat "$e2e_work/out"; exit 1; }
}

# e2e_no_missing_pictures: fails the test when the game drew a placeholder for a missing picture.
e2e_no_missing_pictures() {
    if grep -q '^missing picture: ' "$e2e_log"; then
        echo "FAIL: pictures are missing:"
        grep '^missing picture: ' "$e2e_log"
        exit 1
    fi
}

# e2e_last_score: the last score the game reported (0 before any).
e2e_last_score() {
    local line
    line=$(grep '^score: ' "$e2e_log" | tail -n 1)
    echo "${line#score: }" | grep -E '^[0-9]+$' || echo 0
}

# Where a player presses, in game pixels (e2e_press finds them in a window of any size): the
# buttons of the menu, the question, the map, the options, the high
# scores and the in-game menu.
e2e_menu_play="1193 290"
e2e_menu_options="1193 395"
e2e_menu_high_scores="1193 467"
e2e_menu_exit="1193 611"
e2e_confirm_positive="613 447"
e2e_confirm_negative="771 447"
e2e_map_play="1222 704"
e2e_story_skip="1280 725"
e2e_options_music_box="552 334"
e2e_options_sound_plus="830 279"
e2e_options_ok="787 543"
e2e_high_scores_ok="683 547"
e2e_in_game_to_menu="683 529"

# e2e_last_scene: the scene the game reported last (started with --log-scenes).
e2e_last_scene() {
    local line
    line=$(grep '^scene: ' "$e2e_log" | tail -n 1)
    echo "${line#scene: }"
}

# e2e_window_point X Y: the point of the window that shows the game's point X Y (the game space
# letterboxed into the window, as full screen on a larger display shows it).
e2e_window_point() {
    local WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$e2e_window" | grep -E '^(WIDTH|HEIGHT)=')"
    awk -v x="$1" -v y="$2" -v w="$WIDTH" -v h="$HEIGHT" 'BEGIN {
        s = w / 1366; if (h / 768 < s) s = h / 768
        printf "%d %d\n", (w - 1366 * s) / 2 + x * s, (h - 768 * s) / 2 + y * s }'
}

# e2e_press X Y: a press and a release at the game's point X Y.
e2e_press() {
    xdotool mousemove --window "$e2e_window" $(e2e_window_point "$1" "$2") click 1
}

# e2e_press_until SCENE X Y: presses the point every two seconds until the game reports SCENE
# (a scene that has only just come may still be sliding its buttons in on a busy machine);
# fails after 30 s.
e2e_press_until() {
    local i
    for i in $(seq 1 15); do
        e2e_press "$2" "$3"
        for _ in $(seq 1 10); do
            [ "$(e2e_last_scene)" = "$1" ] && return 0
            sleep 0.2
        done
    done
    echo "FAIL: pressing ($2, $3) never brought $1 (last scene: $(e2e_last_scene))"
    cat "$e2e_log"
    exit 1
}

# e2e_walk_to SCENE [NAME]: plays on as a new player does (the logos and the splash pressed
# through, NAME typed as the first player, Play, Yes to the timer question, Skip of the opening
# story, the map's Play, a
# press on the objective) until the game reports SCENE; fails after 60 s.
e2e_walk_to() {
    local target=$1 name=${2:-ANNA} i scene
    for i in $(seq 1 120); do
        scene=$(e2e_last_scene)
        [ "$scene" = "$target" ] && return 0
        e2e_alive "before it reached $target"
        case "$scene" in
            gsAddInitialPlayer)
                sleep 0.5
                xdotool type --window "$e2e_window" "$name"
                xdotool key --window "$e2e_window" Return
                sleep 1 ;;
            gsMenu) sleep 1; e2e_press $e2e_menu_play ;;
            gsConfirmWindow) sleep 1; e2e_press $e2e_confirm_positive ;;
            gsMap) sleep 1; e2e_press $e2e_map_play ;;
            gsOpeningStory) sleep 1; e2e_press $e2e_story_skip ;;
            gsTutorial|gsTutorialToolTip) sleep 1; xdotool key --window "$e2e_window" Return ;;
            *) e2e_press 683 400 ;;
        esac
        sleep 0.5
    done
    echo "FAIL: the game did not reach $target"
    cat "$e2e_log"
    exit 1
}

# e2e_enter_round: the walk into the first round.
e2e_enter_round() {
    e2e_walk_to gsMainGame
}

# e2e_start_game GAME [OPTION...]: starts it in its own folder with its test report on (missing
# pictures, the score) into e2e_log, and a data folder of its own in e2e_data (a game of another
# session holds the one-game lock of the user's); sets e2e_window to its window.
e2e_start_game() {
    local game=$1
    shift
    e2e_log=$(mktemp)
    e2e_data=$(mktemp -d)
    (cd "$(dirname "$game")" &&
        exec env -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$e2e_data" \
            "$game" --test-report "$@" >"$e2e_log" 2>&1) &
    e2e_gamepid=$!
    e2e_window=$(timeout 20 xdotool search --sync --onlyvisible --name "The Saga of Tovan" | head -n 1)
    [ -n "$e2e_window" ] || { echo "FAIL: no game window appeared"; cat "$e2e_log"; exit 1; }
}

# e2e_wait_scene SCENE [SECONDS] [SETTLE]: until the game reports SCENE (within 20 s unless told),
# then SETTLE seconds (none unless told) for its windows to come in.
e2e_wait_scene() {
    local i
    for i in $(seq 1 $((${2:-20} * 5))); do
        [ "$(e2e_last_scene)" = "$1" ] && { sleep "${3:-0}"; return 0; }
        e2e_alive "before $1"
        sleep 0.2
    done
    echo "FAIL: no $1 (last scene: $(e2e_last_scene))"
    cat "$e2e_log"
    exit 1
}

# e2e_alive WHEN: fails the test when the game has ended.
e2e_alive() {
    kill -0 "$e2e_gamepid" 2>/dev/null || { echo "FAIL: the game ended $1"; cat "$e2e_log"; exit 1; }
}

# e2e_close_and_expect_success CLOSER: closes the window as a window manager does (during a
# round the game asks first, and the test answers OK); the game must end by itself with exit
# status 0.
e2e_close_and_expect_success() {
    "$1" "$e2e_window"
    local i
    for i in $(seq 1 100); do
        kill -0 "$e2e_gamepid" 2>/dev/null || break
        if [ "$i" = 20 ] && [ "$(e2e_last_scene)" = gsConfirmWindow ]; then
            echo "the game asked before closing: OK"
            e2e_press $e2e_confirm_positive
        fi
        sleep 0.1
    done
    if kill -0 "$e2e_gamepid" 2>/dev/null; then
        echo "FAIL: the game did not end after its window was closed"
        exit 1
    fi
    wait "$e2e_gamepid"
    local status=$?
    e2e_gamepid=
    echo "exit status $status"
    [ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; cat "$e2e_log"; exit 1; }
    echo "PASS"
}
