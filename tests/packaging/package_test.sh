#!/usr/bin/env bash
# The Debian package from the build's install: `cpack -G DEB` makes tovan_<version>_amd64.deb with
# the program in /usr/games, its content, the desktop entry, icons, metainfo, the manual page,
# the copyright file and the changelog, and the libraries it runs on as dependencies; lintian
# finds no error and no warning in it.
#   package_test.sh BUILD_DIR VERSION
set -u
build=$1 version=$2
source "$(dirname "$0")/../e2e/e2e_session.sh"
e2e_require cpack dpkg-deb dpkg-shlibdeps lintian
e2e_work_folder
deb=$e2e_work/tovan_${version}_amd64.deb

(cd "$build" && cpack -G DEB -B "$e2e_work" >"$e2e_work/cpack.log" 2>&1) ||
    { echo "FAIL: cpack failed"; cat "$e2e_work/cpack.log"; exit 1; }
[ -f "$deb" ] || { echo "FAIL: no $(basename "$deb")"; ls "$e2e_work"; exit 1; }
echo "built $(basename "$deb"): $(du -h "$deb" | cut -f1)"

dpkg-deb -c "$deb" | awk '{ print $6 }' >"$e2e_work/contents"
for file in ./usr/games/tovan ./usr/share/tovan/Texts/GameTexts.txt \
    ./usr/share/tovan/Levels/Level1-01.zel ./usr/share/tovan/SlotPrices.dat \
    ./usr/share/applications/example.tidewhistle.Tovan.desktop \
    ./usr/share/metainfo/example.tidewhistle.Tovan.metainfo.xml \
    ./usr/share/icons/hicolor/256x256/apps/example.tidewhistle.Tovan.png \
    ./usr/share/man/man6/tovan.6.gz ./usr/share/doc/tovan/copyright \
    ./usr/share/doc/tovan/changelog.gz; do
    grep -qxF "$file" "$e2e_work/contents" || { echo "FAIL: the package has no $file"; exit 1; }
done
! grep -q '^./usr/bin/' "$e2e_work/contents" || { echo "FAIL: a program in /usr/bin"; exit 1; }
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for library in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libpng16-16 libjpeg62-turbo; do
    grep -q "$library" <<<"$depends" || { echo "FAIL: $library is not a dependency"; exit 1; }
done

lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v 'running with root privileges' >"$e2e_work/lintian"
if grep -qE '^[EW]: ' "$e2e_work/lintian"; then
    echo "FAIL: lintian:"
    cat "$e2e_work/lintian"
    exit 1
fi
echo "lintian: no error, no warning"
echo "PASS"
