#!/usr/bin/env bash
# Starts the game on a virtual display, waits, takes a screenshot of the real window, checks
# that the board area is not empty, closes the window and expects exit status 0.
#   window_test.sh GAME CLOSE_WINDOW_TOOL SCREENSHOT.png
set -u
game=$1 closer=$2 shot=$3
source "$(dirname "$0")/e2e_session.sh"
e2e_require Xvfb xdotool import convert
e2e_start_display 170 230
e2e_start_game "$game"
# The full board spans 16 x 52 by 12 x 52 pixels from (266, 95): something must be drawn there
# once the pictures are loaded (slower in a sanitizer build, so keep looking for a while).
for attempt in $(seq 1 30); do
    sleep 1
    e2e_alive "before the board was drawn"
    import -window root "$shot" || { echo "FAIL: no screenshot"; exit 1; }
    mean=$(convert "$shot" -crop 832x624+266+95 +repage -colorspace Gray -format "%[fx:mean]" info:)
    awk -v m="$mean" 'BEGIN { exit !(m > 0.01) }' && break
done
echo "screenshot: $shot"
echo "board area mean brightness: $mean"
awk -v m="$mean" 'BEGIN { exit !(m > 0.01) }' || { echo "FAIL: the board area is empty"; exit 1; }

e2e_close_and_expect_success "$closer"
