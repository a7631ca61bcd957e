#!/usr/bin/env bash
# The show's event rules: only Escape (and, when allowed, late mouse motion)
# ends it; the close request, other keys and early motion do not. Without a
# usable display it reports why and exits with status 1.
source "$(dirname "$0")/lib.sh"
CLOSE="$BUILD/tests/send_close"

start_xvfb 800x600 || exit 1
running() { kill -0 "$SHOW_PID" 2>/dev/null; }

# Other keys, the close request and mouse motion (not allowed) keep it
# running: still so once the loop has drawn a few frames after them.
write_settings quitOnMouseMove=0
start_show
await_frames 1
check "settings row 0 opens the desktop's mode (800 x 600)" [ "$WIDTH x $HEIGHT" = "800 x 600" ]
xdotool key a space F1 Return
"$CLOSE"
xdotool mousemove 100 100 mousemove 300 200
await_frames $((FRAMES + 5))
check "keys, close request and motion leave the show running" running
xdotool key Escape
await "$SHOW_PID" 30
check "Escape ends the show with status 0" [ "$STATUS" = 0 ]

# quitOnMouseMove: motion in the first three seconds of the show's clock is
# ignored, later it ends the show (xdotool moves the pointer as an absolute
# device does, which the compatibility layer's relative mouse mode would
# not hear). The show stops itself at 1000 ms, gets
# the motion and goes on; its clock stands at 2900 ms until it stops again,
# so the motion was handled before three seconds, and a show it had ended
# would be gone by then.
write_settings quitOnMouseMove=1
SHOW_TIME="+0 x0.25" SHOW_STOPS="1000 2900" start_show
await_stopped
xdotool mousemove 50 50 mousemove 400 300
continue_show
check "motion before three seconds is ignored" await_stopped
continue_show
await_tick 3001
xdotool mousemove 60 60 mousemove 420 310
await "$SHOW_PID" 30
check "motion after three seconds ends the show with status 0" [ "$STATUS" = 0 ]

# Escape right after the first frame still ends it cleanly; resolutionIndex
# 1 asks for 640 x 480.
write_settings resolutionIndex=1
start_show
await_frames 1
check "settings row 1 opens 640 x 480" [ "$WIDTH x $HEIGHT" = "640 x 480" ]
xdotool key Escape
await "$SHOW_PID" 30
check "early Escape ends the show with status 0" [ "$STATUS" = 0 ]

# No display: SDL's text-terminal and off-screen drivers are no display
# either (they would write escape codes, or run on unseen); a driver the
# user names that shows nothing, or no such driver at all, fails alike.
for run in "no display:env -u DISPLAY" "an off-screen driver:env SDL_VIDEODRIVER=dummy" \
  "no such driver:env SDL_VIDEODRIVER=none-such"; do
  ${run#*:} "$SHOW" >"$WORK/out" 2>"$WORK/err" &
  SHOW_PID=$!
  await "$SHOW_PID" 30
  check "${run%%:*}: status 1" [ "$STATUS" = 1 ]
  check "${run%%:*}: initialisation message" grep -q '^Video initialization failed: .' "$WORK/err"
  check "${run%%:*}: nothing written to the terminal" [ ! -s "$WORK/out" ]
done

finish
