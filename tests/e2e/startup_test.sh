#!/usr/bin/env bash
# Start-up where the game cannot run: without a display, and without its pictures. Each must end
# by itself with exit status 1 and one clear line, never run invisibly or hang.
#   startup_test.sh GAME
set -u
game=$1
source "$(dirname "$0")/e2e_session.sh"
e2e_require Xvfb xdotool
work=$(mktemp -d)
trap 'e2e_cleanup; rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/data"

# expect_refusal WHAT EXPECTED_TEXT COMMAND...: exit status 1 within 20 s, the text on stderr.
expect_refusal() {
    local what=$1 text=$2
    shift 2
    timeout 20 "$@" >"$work/out" 2>&1
    local status=$?
    echo "$what: exit status $status: $(grep -F "$text" "$work/out" | head -n 1)"
    [ "$status" -eq 1 ] || { echo "FAIL: $what ended with $status"; cat "$work/out"; exit 1; }
    grep -qF "$text" "$work/out" || { echo "FAIL: $what said no \"$text\""; cat "$work/out"; exit 1; }
}

expect_refusal "no DISPLAY" "No display: " \
    env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$game"
expect_refusal "the off-screen driver" "No display: " env SDL_VIDEODRIVER=offscreen "$game"

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
(for box in 1 2; do
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Error$' | head -n 1)
    [ -n "$window" ] && xdotool windowactivate --sync "$window" key Return 2>/dev/null
    sleep 0.5
done) &
expect_refusal "no Images folder" "its pictures cannot be read" \
    env -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy "$work/game/$(basename "$game")"
grep -q "Content folder cannot be read: .*Images" "$XDG_DATA_HOME/The Saga of Tovan/Errors.log" ||
    { echo "FAIL: the error log does not name the folder"; exit 1; }
echo "PASS"
