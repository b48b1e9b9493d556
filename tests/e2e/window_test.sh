#!/usr/bin/env bash
# Starts the game on a virtual display, waits, takes a screenshot of the real window, checks
# that the board area is not empty, closes the window and expects exit status 0.
#   window_test.sh GAME CLOSE_WINDOW_TOOL SCREENSHOT.png
set -u
game=$1 closer=$2 shot=$3
for tool in Xvfb xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done

for n in $(seq 170 230); do [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break; done
Xvfb ":$n" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
gamepid=
cleanup() {
    [ -n "$gamepid" ] && kill "$gamepid" 2>/dev/null
    kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT
export DISPLAY=":$n"
for i in $(seq 1 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

log=$(mktemp)
(cd "$(dirname "$game")" && exec env -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy "$game" >"$log" 2>&1) &
gamepid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name "The Saga of Tovan" | head -n 1)
[ -n "$window" ] || { echo "FAIL: no game window appeared"; cat "$log"; exit 1; }
sleep 2
import -window root "$shot" || { echo "FAIL: no screenshot"; exit 1; }
echo "screenshot: $shot"

# The full board spans 16 x 52 by 12 x 52 pixels from (266, 95): something must be drawn there.
mean=$(convert "$shot" -crop 832x624+266+95 +repage -colorspace Gray -format "%[fx:mean]" info:)
echo "board area mean brightness: $mean"
awk -v m="$mean" 'BEGIN { exit !(m > 0.01) }' || { echo "FAIL: the board area is empty"; exit 1; }

"$closer" "$window"
for i in $(seq 1 100); do kill -0 "$gamepid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$gamepid" 2>/dev/null; then
    echo "FAIL: the game did not end after its window was closed"
    exit 1
fi
wait "$gamepid"
status=$?
gamepid=
echo "exit status $status"
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; cat "$log"; exit 1; }
echo "PASS"
