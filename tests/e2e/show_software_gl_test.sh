#!/usr/bin/env bash
# On a software renderer (the virtual X server's Mesa) the show draws what a
# CPU can afford, as GL itself reports it through the probe: a drawable
# with one sample a pixel and GL_MULTISAMPLE off, back faces culled for the
# closed landscape meshes and for them only, and 30 frames a second by
# default (a given --max-fps wins: tests/app/frame_pacer_test.cpp). Full
# screen and in a host's window.
source "$(dirname "$0")/lib.sh"

start_xvfb 320x240 || exit 1
write_settings

# software_frame PLACE: the checks on the running show's last frame.
software_frame() {
  gl_probe
  echo "  GL: $SAMPLE_BUFFERS sample buffers, $SAMPLES samples, GL_MULTISAMPLE $MULTISAMPLE," \
    "$CULLED of $LISTS lists culled, on $RENDERER"
  check "$1: a software renderer ($RENDERER)" grep -qiE "llvmpipe|softpipe|software rasterizer" <<<"$RENDERER"
  check "$1: single-sample drawable" [ "$SAMPLE_BUFFERS" = 0 ]
  check "$1: GL_MULTISAMPLE off" [ "$MULTISAMPLE" = 0 ]
  # The ground, the pines and the cabins are closed; the snow and the
  # overlays are not.
  check "$1: the three closed meshes drawn culled" [ "$CULLED" -ge 3 ]
  check "$1: other meshes drawn unculled" [ "$LISTS" -gt "$CULLED" ]
}

# 4 s of show time at 30 frames a second hold at most 30 x 4 frames (and
# one at each end); only an upper bound, since a slow machine draws fewer.
start_show
await_tick 4000
check "the default pace: $FRAMES frames by tick $TO" [ "$FRAMES" -le $((30 * TO / 1000 + 2)) ]
software_frame "full screen"
xdotool key Escape
await "$SHOW_PID" 30

PARENT_X=0 PARENT_Y=0
start_parent 200 150
start_show -window-id "$PARENT_ID" 5>&-
await_frames 3
software_frame "host window"
kill -TERM "$SHOW_PID"
await "$SHOW_PID" 10
end_parent
finish
