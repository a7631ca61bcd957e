#!/usr/bin/env bash
# The show in a host's window, as a screensaver daemon's settings program
# runs it for its preview pane: -window-id into a 400 x 300 window made by a
# test helper shows the calendar and the clock in that window's corners, and
# again in the new corners after a resize to 640 x 480; a terminate signal
# ends it at once with status 0, and so does the window's end. -window: a
# desktop window of 1024 x 768 that follows its size the same way and
# closes like any other window. The full-screen show at a mode the screen
# lacks (1024 x 768 on 1280 x 1024, no window manager) fills a centred
# window of that size, overlays in its corners.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/show_common.sh"

start_xvfb 1280x1024
S=$SHOTS

# run_sized NAME host|window [options...]: a pinned run in a host window at
# (100, 100), 400 x 300 then 640 x 480, or in a desktop window at (0, 0),
# 1024 x 768 then 1200 x 900, or full screen at 1024 x 768 (fullscreen): the
# show stops itself at 400 ms of show time for a screenshot NAME-WxH at the
# first size, is resized and goes on, and stops at 600 ms for one at the
# second size, which it must report by then. The host's run ends with a
# terminate signal, the desktop window's with the close request, the full
# screen's with Escape. WINDOW_X and WINDOW_Y: where the window stands.
run_sized() {
  local name=$1 mode=$2 window sizes size
  shift 2
  if [ "$mode" = host ]; then
    PARENT_X=100 PARENT_Y=100
    start_parent 400 300
    SHOW_TIME="@$SHOW_DATE $SHOW_RATE" SHOW_STOPS="400 600" start_show -window-id "$PARENT_ID" "$@" 5>&-
    window=$PARENT_ID sizes="400x300 640x480"
    WINDOW_X=$PARENT_X WINDOW_Y=$PARENT_Y
  elif [ "$mode" = fullscreen ]; then
    SHOW_TIME="@$SHOW_DATE $SHOW_RATE" SHOW_STOPS=400 start_show --resolution=1024x768 "$@"
    window=none sizes="1024x768"
    # SDL centres a mode the screen lacks.
    WINDOW_X=128 WINDOW_Y=128
  else
    SHOW_TIME="@$SHOW_DATE $SHOW_RATE" SHOW_STOPS="400 600" start_show -window "$@"
    window=""
    sizes="1024x768 1200x900"
  fi
  for size in $sizes; do
    await_stopped
    # The show's window, looked up once it has drawn: SDL replaces the
    # window it made first when the display turns its first mode down.
    # Where SDL places it is its own choice (SDL 1.2 at the top left, over
    # SDL 2 centred).
    if [ -z "$window" ]; then
      window=$(xdotool search --name '^Orvel Kite$' | head -1)
      eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^[XY]=')"
      WINDOW_X=$X WINDOW_Y=$Y
    fi
    check "$name: the show draws at ${size}" [ "${WIDTH}x$HEIGHT" = "$size" ]
    shot "$name-$size" >/dev/null
    [ "$size" = 400x300 ] && xdotool windowsize "$window" 640 480
    [ "$mode$size" = window1024x768 ] && xdotool windowsize "$window" 1200 900
    continue_show
  done
  if [ "$mode" = host ]; then
    local start=$(date +%s%N)
    kill -TERM "$SHOW_PID"
    await "$SHOW_PID" 30
    check "$name: a terminate signal ends the show with status 0" [ "$STATUS" = 0 ]
    echo "  $name: gone $((($(date +%s%N) - start) / 1000000)) ms after the signal"
    end_parent
  elif [ "$mode" = fullscreen ]; then
    xdotool key Escape
    await "$SHOW_PID" 30
    check "$name: Escape ends the show with status 0" [ "$STATUS" = 0 ]
  else
    "$BUILD/tests/send_close"
    await "$SHOW_PID" 30
    check "$name: closing the window ends the show with status 0" [ "$STATUS" = 0 ]
  fi
}

# overlays_in_corners MODE X Y WxH...: the calendar and the clock of the
# "_on" run stand in the corners of the window at (X, Y) of each size.
overlays_in_corners() {
  local mode=$1 x=$2 y=$3 size w h
  shift 3
  for size in "$@"; do
    w=${size%x*} h=${size#*x}
    region_changed "$mode $size: the calendar stands in the top right corner" \
      "$S/${mode}_on-$size.png" "$S/${mode}_off-$size.png" \
      "$((w * 22 / 100))x$((h * 33 / 100))+$((x + w * 77 / 100))+$((y + 2))" \
      "$((w / 4))x$((h / 4))+$((x + w / 20))+$((y + h / 2))"
    region_changed "$mode $size: the clock stands in the bottom right corner" \
      "$S/${mode}_on-$size.png" "$S/${mode}_off-$size.png" \
      "$((w * 28 / 100))x$((h * 12 / 100))+$((x + w * 70 / 100))+$((y + h * 87 / 100))" \
      "$((w / 4))x$((h / 4))+$((x + w / 20))+$((y + h / 2))"
  done
}

run_sized host_off host --showCalendar=0 --showClock=0
run_sized host_on host
check "the show draws nothing outside the host window" [ "$(pixel "$S/host_on-400x300.png" 99 99)" = "0,0,0" ]
overlays_in_corners host 100 100 400x300 640x480
run_sized window_off window --showCalendar=0 --showClock=0
run_sized window_on window
overlays_in_corners window "$WINDOW_X" "$WINDOW_Y" 1024x768 1200x900
convert "$S/window_on-1024x768.png" -crop "1024x768+$WINDOW_X+$WINDOW_Y" +repage "$WORK/window.png"
run_sized full_off fullscreen --showCalendar=0 --showClock=0
run_sized full_on fullscreen
overlays_in_corners full "$WINDOW_X" "$WINDOW_Y" 1024x768
# Its picture is the desktop window's of the same size: neither scaled nor
# shifted, the calendar and the clock whole.
convert "$S/full_on-1024x768.png" -crop "1024x768+$WINDOW_X+$WINDOW_Y" +repage "$WORK/full.png"
pct=$(changed_pct "$WORK/full.png" "$WORK/window.png" 1024x768+0+0)
echo "  full 1024x768: $pct% of the picture differs from the desktop window's"
check "full 1024x768: the picture is the desktop window's of that size" [ "$pct" -le 5 ]

# The window's end ends the show with status 0.
PARENT_X=100 PARENT_Y=100
start_parent 400 300
start_show -window-id "$PARENT_ID" 5>&-
await_frames 2
echo destroy >&5
await "$SHOW_PID" 30
check "the window's end ends the show with status 0" [ "$STATUS" = 0 ]
end_parent

# An id that names no window: nothing to draw into, status 0. A malformed
# one: a message and status 2.
start_show -window-id 12345
await "$SHOW_PID" 30
check "-window-id of no window: status 0" [ "$STATUS" = 0 ]
start_show -window-id 12x
await "$SHOW_PID" 30
check "-window-id 12x: status 2 with a message" [ "$STATUS" = 2 ]
check "-window-id 12x: the message names the window id" grep -q "window id" "$WORK/show.err"

# Escape ends the show in a desktop window.
start_show --window
await_frames 2
xdotool key Escape
await "$SHOW_PID" 30
check "Escape ends the windowed show with status 0" [ "$STATUS" = 0 ]
echo "screenshots: $S/host_*.png $S/window_*.png"
finish
