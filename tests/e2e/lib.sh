# Shared helpers of the end-to-end tests: a private virtual X server, a
# private settings folder, the program from dist/ with the show probe
# preloaded, screenshots and pixels. Source it; every test script gets DIST
# (the install folder) and BUILD.
#
# Waiting: a test never sleeps for a fixed time to let the show get somewhere;
# it waits for a state the show reports through the probe
# (tests/support/show_probe.c): a number of frames drawn (await_frames), a
# tick reached (await_tick), or the show stopped on a frame at a given show
# time for a screenshot (SHOW_STOPS, await_stopped, continue_show). Every
# wait has a generous limit that only bounds a failure.
#
# start_xvfb [WIDTHxHEIGHT] and stop_xvfb come from tests/support/xvfb.sh.
set -uo pipefail

DIST=${1:?dist folder}
BUILD=${2:?build folder}
SHOW="$DIST/Orvel Kite"
CONFIG="$DIST/config"
PROBE_LIB="$BUILD/tests/libshow_probe.so"
WORK=$(mktemp -d /tmp/orvel-e2e.XXXXXX)
export XDG_CONFIG_HOME="$WORK/config"
mkdir -p "$XDG_CONFIG_HOME"
SETTINGS_FILE="$XDG_CONFIG_HOME/quorvant_Orvel Kite_cfg"
# One folder of screenshots for each SDL 1.2 the suite runs on (ORVEL_SDL).
SHOTS="$BUILD/e2e-shots${ORVEL_SDL:+/${ORVEL_SDL%%:*}}"
mkdir -p "$SHOTS"
FAILURES=0
WAIT_LIMIT=${WAIT_LIMIT:-90}  # seconds; only a failing test waits this long
source "$(dirname "${BASH_SOURCE[0]}")/../support/xvfb.sh"

cleanup() {
  stop_xvfb
  pkill -KILL -P $$ 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

# write_settings [field=value ...]: the defaults with these changes, written
# by the settings program (config --help lists the fields).
write_settings() {
  "$CONFIG" --reset ${1:+--set "$@"} >/dev/null || { echo "FAILED: config --set $*"; exit 1; }
}

# start_show [args...]: starts the show in the background with the probe;
# SHOW_PID is its process. SHOW_TIME (a faketime spec, e.g. "@2026-02-14
# 10:00:00 x0.1") pins its clocks; SHOW_STOPS (ascending ticks in ms) makes
# it stop itself on the frame it draws at exactly each tick. The faketime
# library is preloaded directly rather than through the faketime program,
# which would stand between this shell and the show.
FAKETIME_LIB=$(ls /usr/lib/*/faketime/libfaketimeMT.so.1 2>/dev/null | head -1)
start_show() {
  rm -f "$WORK/probe" "$WORK/probe.gl"
  local preload=$PROBE_LIB
  [ -n "${SHOW_TIME:-}" ] && preload="$preload:$FAKETIME_LIB"
  FAKETIME=${SHOW_TIME:-} ORVEL_PROBE="$WORK/probe" ORVEL_PROBE_STOPS="${SHOW_STOPS:-}" LD_PRELOAD="$preload" \
    "$SHOW" "$@" >"$WORK/show.out" 2>"$WORK/show.err" &
  SHOW_PID=$!
}

# start_parent WIDTH HEIGHT [--input-only]: a stand-in for a host's window at
# (PARENT_X, PARENT_Y); PARENT_ID is its id. Fed through a fifo on fd 5.
start_parent() {
  local fifo="$WORK/parent.ctl"
  rm -f "$fifo" "$WORK/parent.out"
  mkfifo "$fifo"
  "$BUILD/tests/preview_parent" "$1" "$2" "$PARENT_X" "$PARENT_Y" ${3:-} <"$fifo" >"$WORK/parent.out" 2>>"$WORK/show.err" &
  PARENT_PID=$!
  exec 5>"$fifo"
  eventually parent_reported
  PARENT_ID=$(head -1 "$WORK/parent.out" 2>/dev/null)
}
parent_reported() { [ -s "$WORK/parent.out" ]; }

# end_parent: closes the helper's input; it exits and its window goes.
end_parent() {
  exec 5>&-
  wait "$PARENT_PID" 2>/dev/null
}

# probe: reads the probe's last report into FRAMES, FROM, TO (the frame's
# tick lies between them), WIDTH and HEIGHT; false before the first frame.
probe() {
  FRAMES=0 FROM=0 TO=0 WIDTH=0 HEIGHT=0
  [ -s "$WORK/probe" ] && read -r FRAMES FROM TO WIDTH HEIGHT <"$WORK/probe"
}

# until_state DESCRIPTION COMMAND...: polls COMMAND until it holds; false
# with a message when the show has gone or WAIT_LIMIT has passed.
until_state() {
  local what=$1 deadline=$((SECONDS + WAIT_LIMIT))
  shift
  until "$@"; do
    if ! kill -0 "$SHOW_PID" 2>/dev/null || [ "$SECONDS" -ge "$deadline" ]; then
      echo "  (gave up waiting for $what)"
      return 1
    fi
    sleep 0.05
  done
}

# eventually COMMAND...: polls COMMAND until it holds; false after WAIT_LIMIT.
eventually() {
  local deadline=$((SECONDS + WAIT_LIMIT))
  until "$@"; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.05
  done
}

# gl_probe: reads what GL had at the last swap into SAMPLE_BUFFERS and
# SAMPLES (the drawable's), MULTISAMPLE (1: GL_MULTISAMPLE on), LISTS and
# CULLED (display lists the frame drew, and of them those drawn with
# GL_CULL_FACE on) and RENDERER; false before the first frame.
gl_probe() {
  SAMPLE_BUFFERS=-1 SAMPLES=-1 MULTISAMPLE=-1 CULLED=0 LISTS=0 RENDERER=
  [ -s "$WORK/probe.gl" ] && read -r SAMPLE_BUFFERS SAMPLES MULTISAMPLE CULLED LISTS RENDERER <"$WORK/probe.gl"
}

# await_frames N: the show has swapped at least N frames since it started.
await_frames() { until_state "frame $1" frames_at_least "$1"; }
frames_at_least() { probe && [ "$FRAMES" -ge "$1" ]; }

# await_tick T: a frame that began at or after tick T (ms of show time) has
# been drawn, so the show's clock has passed T.
await_tick() { until_state "tick $1" tick_at_least "$1"; }
tick_at_least() { probe && [ "$FROM" -ge "$1" ]; }

# await_still: the show has drawn no frame for a whole second (it idles).
await_still() { until_state "the frames to stop" frames_stand_still; }
frames_stand_still() {
  probe
  local before=$FRAMES
  sleep 1
  probe && [ "$FRAMES" = "$before" ]
}

# await_stopped: the show has stopped itself at its next SHOW_STOPS tick;
# the probe's report is that of the frame on screen.
await_stopped() { until_state "the stop" show_stopped && probe; }
show_stopped() { [ "$(ps -o stat= -p "$SHOW_PID" 2>/dev/null | cut -c1)" = T ]; }

continue_show() { kill -CONT "$SHOW_PID"; }

# await PID SECONDS: sets STATUS to the exit status, or "running" when the
# process is still alive after SECONDS (a bound, not a pause: it returns as
# soon as the process ends).
await() {
  local i
  STATUS=running
  for ((i = 0; i < $2 * 20; i++)); do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1"
      STATUS=$?
      return
    fi
    sleep 0.05
  done
}

# shot NAME: screenshot of the root window into $SHOTS/NAME.png.
shot() {
  import -window root "$SHOTS/$1.png" 2>/dev/null
  echo "$SHOTS/$1.png"
}

# pixel FILE X Y: "r,g,b" of one pixel.
pixel() {
  convert "$1" -format '%[fx:int(255*p{'"$2,$3"'}.r)],%[fx:int(255*p{'"$2,$3"'}.g)],%[fx:int(255*p{'"$2,$3"'}.b)]' info:
}

# mean_brightness FILE [GEOMETRY]: mean grey level 0..255 of the image or a crop.
mean_brightness() {
  if [ -n "${2:-}" ]; then
    convert "$1" -crop "$2" +repage -colorspace Gray -format '%[fx:int(255*mean)]' info:
  else
    convert "$1" -colorspace Gray -format '%[fx:int(255*mean)]' info:
  fi
}

# differ A B [GEOMETRY]: true when the two pictures (or crops) differ.
differ() {
  local geo=${3:-}
  local a="$WORK/a.png" b="$WORK/b.png"
  if [ -n "$geo" ]; then
    convert "$1" -crop "$geo" +repage "$a"
    convert "$2" -crop "$geo" +repage "$b"
  else
    cp "$1" "$a"; cp "$2" "$b"
  fi
  local d
  d=$(compare -metric AE "$a" "$b" null: 2>&1 | cut -d' ' -f1)
  [ "${d%.*}" -gt 0 ]
}

check() {  # check DESCRIPTION COMMAND...: one assertion, reported by name.
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
  else
    echo "FAILED: $what"
    FAILURES=$((FAILURES + 1))
  fi
}

finish() {
  if [ "$FAILURES" -ne 0 ]; then
    echo "--- show stderr:"; cat "$WORK/show.err" 2>/dev/null
    exit 1
  fi
  exit 0
}
