#!/usr/bin/env bash
# Two monitors under Wine: an X server with two 640x480 RandR outputs side
# by side (tests/support/two_monitors.sh), which Wine reads as two monitors
# (Xvfb cannot do this: its RandR has one output and its Xinerama heads all
# sit at 0,0). Both monitors show the valley, each in a show process of its
# own with its own calendar; Escape, or a mouse movement over the second
# monitor in a show that quits on mouse moves, ends both, and the second
# monitor, dark grey before, shows the desktop again; ending the screensaver
# run's .scr ends both shows too.
#   monitors_test.sh BUILD_WIN
# Needs WINE and WINEPREFIX (booted) from scripts/test-windows. Every wait
# has a time limit.
set -uo pipefail
BUILD=$(cd "${1:?build-win folder}" && pwd)
DIST="$BUILD/dist"
SHOTS="$BUILD/wine-shots"
C="$WINEPREFIX/drive_c"
settings_file="$C/ProgramData/quorvant_Orvel Kite_cfg"
mkdir -p "$SHOTS"
source "$(dirname "$0")/checks.sh"
source "$(dirname "$0")/../support/two_monitors.sh"
wine_session_end() { timeout 60 /usr/lib/wine/wineserver -k 2>/dev/null; timeout 60 /usr/lib/wine/wineserver -w 2>/dev/null; }
first=640x480+0+0
second=640x480+640+0

# Wine reads the monitors when its session starts: a new one, on the
# two-monitor server.
wine_session_end
cleanup() {
  rm -f "$settings_file"
  wine_session_end
  stop_two_monitors
}
trap cleanup EXIT
if ! start_two_monitors 640x480; then
  echo "FAILED: no X server with two monitors"
  exit 1
fi
# Through XRandR: a prefix an older version of this test told not to use it
# would see the monitors in Wine's Xinerama fallback, which Wine 10 gets
# wrong.
w reg delete 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /f >/dev/null 2>&1
# A desktop darker than the valley and brighter than black.
xsetroot -solid '#303030'
desktop() { local g; g=$(mean_grey "$1" $second); [ "$g" -ge 30 -a "$g" -le 70 ]; }
w reg delete 'HKLM\Software\quorvant' /f >/dev/null 2>&1  # the archives beside the program
w "$DIST/config.exe" --set quitOnMouseMove=1 >/dev/null 2>&1
# The setting counts from the next session on.
wine_session_end

import -window root "$SHOTS/monitors-before.png" 2>/dev/null
check "the second monitor shows the desktop before the show" desktop "$SHOTS/monitors-before.png"

# The show's processes, one a monitor.
shows() { show_pids | wc -w; }
no_shows() { [ "$(shows)" -eq 0 ]; }
# The snowy valley, with the calendar's dark page in its top-right corner and
# the clock's plate in its bottom-right one (each monitor 640x480 at X).
monitor_shows_valley() { # monitor_shows_valley PNG X
  [ "$(mean_grey "$1" 640x480+$2+0)" -ge 150 ] &&
    [ "$(mean_grey "$1" 150x165+$(($2 + 476))+14)" -le 135 ] &&
    [ "$(mean_grey "$1" 180x70+$(($2 + 445))+410)" -le 135 ]
}
both_valleys() {
  import -window root "$SHOTS/monitors-show.png" 2>/dev/null &&
    monitor_shows_valley "$SHOTS/monitors-show.png" 0 && monitor_shows_valley "$SHOTS/monitors-show.png" 640 &&
    [ "$(shows)" -eq 2 ]
}
# Waits for both valleys; says what the last look found when they do not come.
valleys_come() {
  eventually both_valleys && return
  echo "  found: $(shows) show processes; mean grey of the monitors $(mean_grey "$SHOTS/monitors-show.png" $first)," \
    "$(mean_grey "$SHOTS/monitors-show.png" $second)"
  false
}
run_show() { (cd "$DIST" && LIMIT=120 w "$DIST/Orvel Kite.exe" "$@") & }

# Mouse movements off for this run: the second monitor's show takes the
# option too.
run_show --quitOnMouseMove=0
show=$!
check "both monitors show the valley, each with its calendar and clock, in a show process each" valleys_come
xdotool key Escape
check "Escape ends the shows on both monitors" eventually no_shows
timeout 30 tail --pid=$show -f /dev/null
wait $show
check "with status 0" [ $? -eq 0 ]
import -window root "$SHOTS/monitors-after.png" 2>/dev/null
check "the second monitor shows the desktop again" desktop "$SHOTS/monitors-after.png"

run_show
show=$!
check "the show starts again on both monitors" valleys_come
# Mouse movements over the second monitor until the shows end (each takes
# them only after its first three seconds).
moves=0
move_until_ended() {
  moves=$((moves + 1))
  xdotool mousemove $((900 + moves % 2 * 40)) 240
  no_shows
}
check "a mouse movement over the second monitor ends both shows" eventually move_until_ended
timeout 30 tail --pid=$show -f /dev/null
wait $show
check "with status 0" [ $? -eq 0 ]
import -window root "$SHOTS/monitors-after.png" 2>/dev/null
check "the cover goes with the show" desktop "$SHOTS/monitors-after.png"

# The screensaver run: ending the .scr ends the shows on every monitor.
(cd "$DIST" && LIMIT=120 w "$DIST/Orvel Kite.scr" /s) &
scr=$!
check "the screensaver run shows the valley on both monitors" valleys_come
w taskkill /F /IM "Orvel Kite.scr" >/dev/null 2>&1
check "ending the .scr ends the shows on both monitors" eventually no_shows
wait $scr 2>/dev/null

echo "screenshots: $SHOTS/monitors-*.png"
echo "wine monitors: $PASSED passed, $FAILED failed"
[ "$FAILED" -eq 0 ]
