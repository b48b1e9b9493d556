#!/usr/bin/env bash
# Starts the game on a virtual display, waits for the first board, and checks the screenshot: the
# level's tiles are drawn where the level puts them and nothing around them, no picture is
# missing; then closes the window and expects exit status 0.
#   window_test.sh GAME LEVEL_TOOL CLOSE_WINDOW_TOOL SCREENSHOT.png
set -u
game=$1 level_tool=$2 closer=$3 shot=$4
source "$(dirname "$0")/e2e_session.sh"
e2e_require Xvfb xdotool import convert
level="$(dirname "$game")/Levels/Level1-01.zel"
[ -e "$level" ] || { echo "skipped: no built levels"; exit 77; }

# The level's used columns and rows (1-based), from its tile kinds; '.' is no tile.
read -r c1 c2 r1 r2 <<<"$("$level_tool" dump "$level" | awk '
    /^grid kind/ { grid = 1; row = 0; next }
    grid && NF == 0 { grid = 0 }
    grid {
        row++
        for (c = 1; c <= length($0); c++) if (substr($0, c, 1) != ".") {
            if (!c1 || c < c1) c1 = c; if (c > c2) c2 = c
            if (!r1) r1 = row; r2 = row
        }
    }
    END { print c1, c2, r1, r2 }')"
[ -n "$r2" ] || { echo "FAIL: no tiles in $level"; exit 1; }
# The used tiles are centred in the 16 x 12 board frame of 52-pixel tiles at (266, 95).
columns=$((c2 - c1 + 1)) rows=$((r2 - r1 + 1))
left=$((266 + (832 - columns * 52) / 2)) top=$((95 + (624 - rows * 52) / 2))
echo "level tiles: columns $c1..$c2, rows $r1..$r2, expected at ($left, $top)"

# One grey value per tile of the used area and the ring of tiles around it.
tile_means() {
    convert "$shot" -crop $(((columns + 2) * 52))x$(((rows + 2) * 52))+$((left - 52))+$((top - 52)) \
        +repage -colorspace Gray -scale $((columns + 2))x$((rows + 2))! txt:- |
        awk -F'[,:() ]+' '/^[0-9]/ { print $1, $2, $3 }'
}
# Every used tile lit, every tile of the ring dark: the board stands where the level puts it.
board_in_place() {
    tile_means | awk -v w=$((columns + 1)) -v h=$((rows + 1)) '
        { ring = ($1 == 0 || $2 == 0 || $1 == w || $2 == h); v = $3 / 255 }
        ring && v > 0.08 { bad++; if (why == "") why = "ring tile " $1 "," $2 " lit " v }
        !ring && v < 0.2 { bad++; if (why == "") why = "board tile " $1 "," $2 " dark " v }
        END { if (bad) { print why; exit 1 } }'
}

e2e_start_display 170 230
e2e_start_game "$game" --log-scenes
e2e_enter_round
# The board comes in with the round (slower in a sanitizer build): keep looking.
for attempt in $(seq 1 30); do
    sleep 1
    e2e_alive "before the board was drawn"
    import -window root "$shot" || { echo "FAIL: no screenshot"; exit 1; }
    problem=$(board_in_place) && break
done
echo "screenshot: $shot"
[ -z "$problem" ] || { echo "FAIL: the board is not where the level puts it: $problem"; exit 1; }
e2e_no_missing_pictures

e2e_close_and_expect_success "$closer"
