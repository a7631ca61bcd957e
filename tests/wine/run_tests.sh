#!/usr/bin/env bash
# The Windows program under Wine, as Windows would run it: install.cmd into
# a folder, the screensaver's run modes (/s waits for the show program with
# SDL_VIDEO_ALLOW_SCREENSAVER=1, /c returns at once, /p paints into a
# parent window), the show itself with and without the registry value, and
# config.exe's command line changing what the next show draws.
#   run_tests.sh BUILD_WIN
# Needs WINE, WINEPREFIX (booted) and DISPLAY (a virtual X server, 1024x768)
# from scripts/test-windows. Every Wine run has a time limit.
set -uo pipefail
BUILD=$(cd "${1:?build-win folder}" && pwd)
DIST="$BUILD/dist"
HELPERS="$BUILD/tests/wine"
SHOTS="$BUILD/wine-shots"
WORK=$(mktemp -d /tmp/orvel-wine.XXXXXX)
C="$WINEPREFIX/drive_c"
mkdir -p "$SHOTS"
PASSED=0
FAILED=0
trap 'rm -rf "$WORK"' EXIT

check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
    PASSED=$((PASSED + 1))
  else
    echo "FAILED: $what"
    FAILED=$((FAILED + 1))
  fi
}
w() { timeout "${LIMIT:-60}" "$WINE" "$@"; }
not() { ! "$@"; }
eventually() {  # eventually COMMAND...: polls until it holds; false after two minutes
  local deadline=$((SECONDS + 120))
  until "$@"; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}
winpath() { "$WINE" winepath -w "$1" 2>/dev/null; }
reg_path() { w reg add 'HKLM\Software\quorvant\Orvel Kite\Settings' /v Path /t REG_SZ /d "$1" /f >/dev/null 2>&1; }
mean_grey() { convert "$1" ${2:+-crop "$2" +repage} -colorspace Gray -format '%[fx:int(255*mean)]' info:; }
shot() { import -window root "$SHOTS/$1.png" 2>/dev/null; echo "$SHOTS/$1.png"; }
no_show_left() {  # the Unix side of a Wine process may need a moment to go
  local i
  for i in $(seq 50); do pgrep -f 'Orvel Kite.exe' >/dev/null || return 0; sleep 0.1; done
  pgrep -af 'Orvel Kite.exe'
  return 1
}
settings_file="$C/ProgramData/quorvant_Orvel Kite_cfg"

echo "== install.cmd"
rm -rf "$C/Orvel Kite Test" "$C/windows/system32/Orvel Kite.scr"
(cd "$DIST" && w cmd /c install.cmd 'C:\Orvel Kite Test' >"$WORK/install.out" 2>&1)
check "install.cmd ends with status 0" [ $? -eq 0 ]
check "install.cmd copies the folder" [ -s "$C/Orvel Kite Test/Orvel Kite.exe" -a -s "$C/Orvel Kite Test/main.pak" \
  -a -s "$C/Orvel Kite Test/config.exe" -a -s "$C/Orvel Kite Test/preview.ppk" ]
check "install.cmd puts the screensaver into the system folder" [ -s "$C/windows/system32/Orvel Kite.scr" ]
w reg query 'HKLM\Software\quorvant\Orvel Kite\Settings' /v Path >"$WORK/reg.out" 2>&1
check "install.cmd writes Path with its trailing backslash" grep -q 'C:\\Orvel Kite Test\\\s*$' <(tr -d '\r' <"$WORK/reg.out")
SCR='C:\windows\system32\Orvel Kite.scr'

echo "== /s and /c with stand-in programs in a folder whose name has spaces"
fake="$C/fake kite/My Screensavers"
mkdir -p "$fake"
cp "$HELPERS/fake_program.exe" "$fake/Orvel Kite.exe"
cp "$HELPERS/fake_program.exe" "$fake/config.exe"
reg_path 'C:\fake kite\My Screensavers\\'
# The stand-ins stay until their release file appears (fake_program.cpp).
rm -f "$fake"/*.started "$fake"/*.release
(unset SDL_VIDEO_ALLOW_SCREENSAVER; w "$SCR" /s) &
scr=$!
eventually test -s "$fake/Orvel Kite.exe.started"
check "/s waits for the show program" kill -0 $scr
touch "$fake/Orvel Kite.exe.release"
wait $scr
status=$?
record=$(tr -d '\r' <"$fake/Orvel Kite.exe.started" 2>/dev/null)
check "/s ends with status 0 once the show program has ended" [ "$status" -eq 0 ]
check "/s starts it with no arguments" grep -qF 'args=[]' <<<"$record"
check "/s starts it in the install folder" grep -qF 'cwd=C:\fake kite\My Screensavers' <<<"$record"
check "the show program sees SDL_VIDEO_ALLOW_SCREENSAVER=1" grep -q '^allow=1$' <<<"$record"
w "$SCR" /c:1234
status=$?
check "/c ends with status 0" [ "$status" -eq 0 ]
eventually test -s "$fake/config.exe.started"
check "/c starts config.exe" grep -qF 'args=[]' "$fake/config.exe.started"
check "/c returns while config.exe still runs" not grep -q '^ended' "$fake/config.exe.started"
touch "$fake/config.exe.release"
eventually grep -q '^ended' "$fake/config.exe.started"

echo "== /p into a parent window"
for width in 152 200; do
  rm -f "$WORK/go" "$WORK/host.out"
  LIMIT=60 w "$HELPERS/preview_host.exe" "$width" 112 "$SCR" "$(winpath "$WORK/go")" \
    "$(winpath "$WORK/host.out")" &
  host=$!
  for _ in $(seq 100); do grep -q '^child=' "$WORK/host.out" 2>/dev/null && break; sleep 0.1; done
  sleep 1
  shot "preview-$width" >/dev/null
  touch "$WORK/go"
  timeout 30 tail --pid=$host -f /dev/null
  out=$(tr -d '\r' <"$WORK/host.out" 2>/dev/null)
  check "/p makes its child window in the $width-pixel parent" grep -q '^child=1$' <<<"$out"
  check "/p covers the parent's client area" grep -q "^size=${width}x112$" <<<"$out"
  check "/p ends with status 0 when the parent is destroyed ($width)" grep -q '^status=0$' <<<"$out"
done

echo "== the show from the installed folder"
reg_path 'C:\Orvel Kite Test\\'
rm -f "$settings_file"
# landscape_drawn NAME: a screenshot NAME shows the fogged landscape (the
# show has drawn its frames); SHOT is its file.
landscape_drawn() { SHOT=$(shot "$1"); [ "$(mean_grey "$SHOT")" -gt 60 ]; }
# run_show NAME [PREDICATE]: /s, then the screenshot NAME once PREDICATE
# (landscape_drawn by default) holds for it, then Escape; sets SHOW_STATUS.
run_show() {
  LIMIT=180 w "$SCR" /s &
  local scr=$!
  eventually "${2:-landscape_drawn}" "$1"
  pgrep -f 'Orvel Kite.exe' >/dev/null && SHOW_RUNNING=1 || SHOW_RUNNING=0
  xdotool key Escape
  timeout 60 tail --pid=$scr -f /dev/null
  wait $scr
  SHOW_STATUS=$?
}
run_show show-default
check "/s runs the show program" [ "$SHOW_RUNNING" -eq 1 ]
grey=$(mean_grey "$SHOT")
check "the show renders the landscape (mean grey $grey)" [ "$grey" -gt 60 ]
check "the lower half shows snowy ground" [ "$(mean_grey "$SHOT" 1024x300+0+400)" -gt 90 ]
check "Escape ends the show and /s with status 0" [ "$SHOW_STATUS" -eq 0 ]
check "no show program is left running" no_show_left
default_shot=$SHOT

echo "== config.exe's command line and the next show"
w "$C/Orvel Kite Test/config.exe" --set showFps=1 >"$WORK/config.out" 2>&1
check "config.exe --set ends with status 0" [ $? -eq 0 ]
check "the settings file is in the common application-data folder" [ -s "$settings_file" ]
w "$C/Orvel Kite Test/config.exe" --show >"$WORK/config.out" 2>&1
check "config.exe --show reads it back" grep -q '^showFps=true' <(tr -d '\r' <"$WORK/config.out")
# The readout's plate is dark, the fogged landscape behind it is not.
dark_share() { convert "$1" -crop 44x26+2+2 +repage -colorspace Gray -threshold 35% -negate -format '%[fx:int(1000*mean)]' info:; }
b=$(dark_share "$default_shot")
readout_drawn() { landscape_drawn "$1" && [ "$(dark_share "$SHOT")" -ge 250 ]; }
run_show show-fps readout_drawn
a=$(dark_share "$SHOT")
check "the next show draws the frame-rate readout (dark top left: $a against $b per mille)" \
  [ "$a" -ge 250 -a "$a" -ge $((b + 200)) ]
check "that show ends with status 0 too" [ "$SHOW_STATUS" -eq 0 ]

echo "== the settings dialog"
rm -f "$WORK/go" "$WORK/driver.out"
LIMIT=40 w "$C/Orvel Kite Test/config.exe" &
cfg=$!
# 111: "Show frames per second" (on now, so this turns it off); 1: OK.
LIMIT=40 w "$HELPERS/dialog_driver.exe" "$(winpath "$WORK/driver.out")" "$(winpath "$WORK/go")" 111 1 &
drv=$!
for _ in $(seq 200); do grep -q found "$WORK/driver.out" 2>/dev/null && break; sleep 0.1; done
sleep 1
shot config-dialog >/dev/null
touch "$WORK/go"
timeout 30 tail --pid=$drv -f /dev/null
timeout 30 tail --pid=$cfg -f /dev/null
wait $cfg
check "the dialog's OK ends config.exe with status 0" [ $? -eq 0 ]
w "$C/Orvel Kite Test/config.exe" --show >"$WORK/config.out" 2>&1
check "the dialog wrote the unticked box" grep -q '^showFps=false' <(tr -d '\r' <"$WORK/config.out")

echo "== without the registry value, the archives beside the program"
w reg delete 'HKLM\Software\quorvant' /f >/dev/null 2>&1
(cd "$C" && LIMIT=180 w "$C/Orvel Kite Test/Orvel Kite.exe") &
show=$!
eventually landscape_drawn show-no-registry
xdotool key Escape
timeout 60 tail --pid=$show -f /dev/null
wait $show
status=$?
grey=$(mean_grey "$SHOT")
check "the show finds its archives beside itself (mean grey $grey)" [ "$grey" -gt 60 ]
check "and ends on Escape with status 0" [ "$status" -eq 0 ]

echo "== uninstall.cmd"
reg_path 'C:\Orvel Kite Test\\'
(cd "$C" && w cmd /c 'C:\Orvel Kite Test\uninstall.cmd' >"$WORK/uninstall.out" 2>&1)
check "uninstall.cmd removes the screensaver and the folder" \
  [ ! -e "$C/windows/system32/Orvel Kite.scr" -a ! -e "$C/Orvel Kite Test/Orvel Kite.exe" ]
check "uninstall.cmd removes the registry key" bash -c "! timeout 30 '$WINE' reg query 'HKLM\\Software\\quorvant\\Orvel Kite' >/dev/null 2>&1"

echo "screenshots: $SHOTS/"
echo "wine: $PASSED passed, $FAILED failed"
[ "$FAILED" -eq 0 ]
