#!/usr/bin/env bash
# Two monitors under Wine: an X server with two 640x480 RandR outputs side
# by side (tests/support/two_monitors.sh), which Wine reads as two monitors
# (Xvfb cannot do this: its RandR has one output and its Xinerama heads all
# sit at 0,0). The show fills the first monitor;
# the second, dark grey before, must be black while the show runs, and a
# mouse movement over it ends a show that quits on mouse moves.
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

(cd "$DIST" && LIMIT=120 w "$DIST/Orvel Kite.exe") &
show=$!
shown=0
for _ in $(seq 120); do
  import -window root "$SHOTS/monitors-show.png" 2>/dev/null
  if [ "$(mean_grey "$SHOTS/monitors-show.png" $first)" -gt 100 ]; then shown=1; break; fi
  sleep 0.5
done
check "the show fills the first monitor with the valley" [ "$shown" -eq 1 ]
g=$(mean_grey "$SHOTS/monitors-show.png" $second)
check "the second monitor is black while the show runs (mean grey $g)" [ "$g" -le 2 ]

# Mouse movements over the second monitor until the show ends (it takes
# them only after its first three seconds).
for i in $(seq 60); do
  kill -0 "$show" 2>/dev/null || break
  xdotool mousemove $((900 + i % 2 * 40)) 240
  sleep 0.5
done
ended=0
kill -0 "$show" 2>/dev/null || ended=1
check "a mouse movement over the second monitor ends the show" [ "$ended" -eq 1 ]
timeout 30 tail --pid=$show -f /dev/null
wait $show
check "with status 0" [ $? -eq 0 ]
import -window root "$SHOTS/monitors-after.png" 2>/dev/null
check "the cover goes with the show" desktop "$SHOTS/monitors-after.png"

echo "screenshots: $SHOTS/monitors-*.png"
echo "wine monitors: $PASSED passed, $FAILED failed"
[ "$FAILED" -eq 0 ]
