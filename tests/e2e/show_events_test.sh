#!/usr/bin/env bash
# The show's event rules: only Escape (and, when allowed, late mouse motion)
# ends it; the close request, other keys and early motion do not. Without a
# usable display it reports why and exits with status 1.
source "$(dirname "$0")/lib.sh"
CLOSE="$BUILD/tests/send_close"

start_xvfb 800x600

# Other keys, the close request and mouse motion (not allowed) keep it running.
write_settings quitOnMouseMove=0
start_show
sleep 2
xdotool key a space F1 Return
"$CLOSE"
sleep 2.5
xdotool mousemove 100 100 mousemove 300 200
sleep 1
await "$SHOW_PID" 1
check "keys, close request and motion leave the show running" [ "$STATUS" = running ]
xdotool key Escape
await "$SHOW_PID" 15
check "Escape ends the show with status 0" [ "$STATUS" = 0 ]

# quitOnMouseMove: motion in the first three seconds is ignored, later ends it.
write_settings quitOnMouseMove=1
start_show
sleep 1.2
xdotool mousemove 50 50 mousemove 400 300
sleep 0.5
await "$SHOW_PID" 1
check "motion before three seconds is ignored" [ "$STATUS" = running ]
sleep 2
xdotool mousemove 60 60 mousemove 420 310
await "$SHOW_PID" 15
check "motion after three seconds ends the show with status 0" [ "$STATUS" = 0 ]

# Escape in the very first frames still ends it cleanly.
write_settings
start_show
xdotool key Escape; sleep 0.3; xdotool key Escape
await "$SHOW_PID" 15
check "early Escape ends the show with status 0" [ "$STATUS" = 0 ]

# No display: SDL's terminal driver cannot set the mode.
env -u DISPLAY "$SHOW" >/dev/null 2>"$WORK/err"
status=$?
check "no display: status 1" [ "$status" = 1 ]
check "no display: mode set message" grep -q '^Video mode set failed: .' "$WORK/err"

# No video driver at all: initialisation fails.
SDL_VIDEODRIVER=none-such "$SHOW" >/dev/null 2>"$WORK/err"
status=$?
check "no video driver: status 1" [ "$status" = 1 ]
check "no video driver: initialisation message" grep -q '^Video initialization failed: .' "$WORK/err"

finish
