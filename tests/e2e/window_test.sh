#!/usr/bin/env bash
# Starts the game on a virtual display, waits for the first board, and checks the screenshot: the
# level's tiles are drawn where the level puts them and no further, no picture is missing; then
# closes the window and expects exit status 0.
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

# The board is found by its own tiles, whatever is drawn around it: each tile's background shows
# in a small patch inside its top-left corner, past the tile's light edge and before its element.
# The used tiles form a checkerboard of two clearly different colours; the ring of cells around
# them must not carry the checkerboard on along a whole side (a board drawn larger or moved by
# a tile would).
patch_offset=5 patch_size=4
tile_patches() {
    convert "$shot" -crop $(((columns + 2) * 52))x$(((rows + 2) * 52))+$((left - 52))+$((top - 52)) \
        +repage -depth 8 txt:- |
        awk -F'[,:() ]+' -v o=$patch_offset -v n=$patch_size '
            /^[0-9]/ {
                x = $1 % 52; y = $2 % 52
                if (x < o || x >= o + n || y < o || y >= o + n) next
                cell = int($1 / 52) " " int($2 / 52)
                r[cell] += $3; g[cell] += $4; b[cell] += $5; k[cell]++
            }
            END { for (cell in k) print cell, r[cell] / k[cell], g[cell] / k[cell], b[cell] / k[cell] }'
}
board_in_place() {
    tile_patches | awk -v w=$((columns + 1)) -v h=$((rows + 1)) '
        function far(c1, c2) { return (R[c1] - R[c2]) ^ 2 + (G[c1] - G[c2]) ^ 2 + (B[c1] - B[c2]) ^ 2 }
        function near_ref(c, ref) { return (R[c] - rr[ref]) ^ 2 + (G[c] - rg[ref]) ^ 2 + (B[c] - rb[ref]) ^ 2 <= 12 ^ 2 }
        # The colour the checkerboard has at (x, y): that of the top-left tile or of its neighbour.
        function fits(x, y) { return near_ref(x " " y, (x + y) % 2) }
        { R[$1 " " $2] = $3; G[$1 " " $2] = $4; B[$1 " " $2] = $5 }
        END {
            if (!("1 1" in R) || !("2 1" in R)) { print "no tiles in the screenshot"; exit 1 }
            rr[0] = R["1 1"]; rg[0] = G["1 1"]; rb[0] = B["1 1"]
            rr[1] = R["2 1"]; rg[1] = G["2 1"]; rb[1] = B["2 1"]
            if (far("1 1", "2 1") < 20 ^ 2) { print "no checkerboard of tiles at the first tiles"; exit 1 }
            if (rr[0] + rg[0] + rb[0] < 3 * 128) { print "the first tile is dark"; exit 1 }
            for (y = 1; y < h; y++) for (x = 1; x < w; x++)
                if (!fits(x, y)) { print "board tile " x "," y " is not a tile"; exit 1 }
            top = bottom = left = right = 1
            for (x = 1; x < w; x++) { top = top && fits(x, 0); bottom = bottom && fits(x, h) }
            for (y = 1; y < h; y++) { left = left && fits(0, y); right = right && fits(w, y) }
            if (top || bottom || left || right) { print "the tiles go on past the edge of the level"; exit 1 }
        }'
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
