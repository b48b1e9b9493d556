#!/usr/bin/env bash
# Installing into a fresh prefix: what lands on the desktop validates, the installed game started
# from another folder finds its content and reaches the menu, and it writes nothing into the
# prefix.
#   install_test.sh BUILD_DIR CLOSE_WINDOW
set -u
build=$1
closer=$2
source "$(dirname "$0")/e2e_session.sh"
e2e_require Xvfb xdotool desktop-file-validate appstreamcli
e2e_work_folder
prefix=$e2e_work/prefix
app=example.tidewhistle.Tovan

cmake --install "$build" --prefix "$prefix" >"$e2e_work/install.log" 2>&1 ||
    { echo "FAIL: the install failed"; cat "$e2e_work/install.log"; exit 1; }
for file in bin/tovan share/tovan/Texts/GameTexts.txt share/tovan/Levels/Level1-01.zel \
    share/applications/$app.desktop share/metainfo/$app.metainfo.xml; do
    [ -e "$prefix/$file" ] || { echo "FAIL: $file was not installed"; exit 1; }
done
for size in 16 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/$app.png
    [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x$size" ] ||
        { echo "FAIL: no ${size}-pixel icon"; exit 1; }
done
[ ! -e "$prefix/share/tovan/tovan" ] || { echo "FAIL: the program went into the content"; exit 1; }
desktop-file-validate "$prefix/share/applications/$app.desktop" ||
    { echo "FAIL: the desktop entry does not validate"; exit 1; }
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" ||
    { echo "FAIL: the metainfo does not validate"; exit 1; }
echo "installed files validate"

listing() { (cd "$prefix" && find . -printf '%p %s %T@\n' | sort); }
listing >"$e2e_work/before"

e2e_start_display 300 339
e2e_log=$(mktemp)
e2e_data=$(mktemp -d)
mkdir "$e2e_work/elsewhere"
(cd "$e2e_work/elsewhere" &&
    exec env -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$e2e_data" \
        "$prefix/bin/tovan" --test-report --log-scenes >"$e2e_log" 2>&1) &
e2e_gamepid=$!
e2e_window=$(timeout 20 xdotool search --sync --onlyvisible --name "The Saga of Tovan" | head -n 1)
[ -n "$e2e_window" ] || { echo "FAIL: no game window appeared"; cat "$e2e_log"; exit 1; }
e2e_walk_to gsMenu
e2e_no_missing_pictures
echo "the installed game reached the menu"
e2e_close_and_expect_success "$closer"

listing >"$e2e_work/after"
if ! diff "$e2e_work/before" "$e2e_work/after"; then
    echo "FAIL: the game wrote into its prefix"
    exit 1
fi
[ -z "$(ls -A "$e2e_work/elsewhere")" ] || { echo "FAIL: the game wrote into the current folder"; exit 1; }
[ -f "$e2e_data/The Saga of Tovan/Players.dat" ] ||
    { echo "FAIL: the player was not saved in the data folder"; exit 1; }
echo "PASS: nothing written beside the installed game"
