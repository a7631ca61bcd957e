#!/usr/bin/env bash
# cmake --install into a scratch prefix: the install folder with stripped
# programs, the links on PATH and in xscreensaver's folder of display modes,
# the xscreensaver settings page, the desktop entry and MATE's screensaver
# theme, every file and link named in the install manifest. The page parses,
# the show takes every option it can pass, and desktop-file-validate passes
# both desktop files.
source "$(dirname "$0")/lib.sh"

PREFIX="$WORK/prefix"
cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" || { cat "$WORK/install.log"; exit 1; }
for f in "lib/orvel-kite/Orvel Kite" lib/orvel-kite/config lib/orvel-kite/main.pak lib/orvel-kite/preview.ppk \
  bin/orvel-kite bin/orvel-kite-config libexec/xscreensaver/orvel-kite; do
  check "$f is installed and usable" [ -s "$PREFIX/$f" ]
done
not_symbols() { ! readelf -S "$1" | grep -q '\.symtab'; }
for f in "lib/orvel-kite/Orvel Kite" lib/orvel-kite/config; do
  check "$f is stripped" not_symbols "$PREFIX/$f"
done
check "the show in xscreensaver's folder is the installed one" \
  [ "$(readlink -f "$PREFIX/libexec/xscreensaver/orvel-kite")" = "$(readlink -f "$PREFIX/lib/orvel-kite/Orvel Kite")" ]
"$PREFIX/bin/orvel-kite-config" --show >"$WORK/shown"
check "orvel-kite-config runs the settings program" grep -qx 'showFps=false' "$WORK/shown"

XML="$PREFIX/share/xscreensaver/config/orvel-kite.xml"
check "the xscreensaver page parses" xmllint --noout "$XML"
check "the page names the program" [ "$(xmllint --xpath 'string(/screensaver/@name)' "$XML")" = orvel-kite ]
# Every argument the page can pass, with a number's % at its default.
args=$(xmllint --xpath '//@arg | //@arg-set | //@arg-unset' "$XML" | sed -E 's/^ *[a-z-]+="([^"]*)"/\1/')
check "the page passes options" [ -n "$args" ]
while read -r arg; do
  [ -z "$arg" ] && continue
  arg=${arg//%/0}
  "$PREFIX/bin/orvel-kite" $arg --help >/dev/null 2>"$WORK/err"
  check "the show takes $arg" [ $? = 0 ]
done <<<"$args"
"$PREFIX/bin/orvel-kite" --noSuchSetting=1 --help >/dev/null 2>"$WORK/err"
check "the show refuses an unknown option with status 2" [ $? = 2 ]
"$PREFIX/bin/orvel-kite" --showFps=maybe --help >/dev/null 2>"$WORK/err"
check "the show refuses a bad value with status 2" [ $? = 2 ]
check "and says why" grep -q "showFps" "$WORK/err"

DESKTOP="$PREFIX/share/applications/orvel-kite.desktop"
check "the desktop entry runs the show in a window" grep -qx 'Exec=orvel-kite -window' "$DESKTOP"
check "the desktop entry is an application" grep -qx 'Type=Application' "$DESKTOP"
THEME="$PREFIX/share/applications/screensavers/orvel-kite.desktop"
check "MATE's theme runs the installed show on its window" \
  grep -qx "Exec=$PREFIX/libexec/xscreensaver/orvel-kite -root" "$THEME"
check "MATE's theme is a screensaver" grep -qx 'Categories=Screensaver;' "$THEME"
# Clean: no error and no warning (hints, which MATE's own themes get too, pass).
validates() { desktop-file-validate "$1" >"$WORK/validate" 2>&1 && ! grep -qE 'error|warning' "$WORK/validate"; }
for f in "$DESKTOP" "$THEME"; do
  check "desktop-file-validate passes ${f#$PREFIX/}" validates "$f"
done
# The manifest (what a package holds) names every installed file and link.
installed=$(cd "$PREFIX" && find . ! -type d | sed "s|^\.|$PREFIX|" | sort)
check "the install manifest lists every installed file and link" \
  [ "$installed" = "$(sort "$BUILD/install_manifest.txt")" ]
finish
