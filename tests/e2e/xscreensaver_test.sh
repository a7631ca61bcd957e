#!/usr/bin/env bash
# The show as the display mode of the real xscreensaver daemon, installed
# with cmake --install into a scratch prefix. The daemon refuses to start
# display modes as root, so it runs as nobody with a HOME of its own and an
# ~/.xscreensaver that names only the show. Activated, the screen shows the
# valley with the calendar and the clock in the corners; deactivated, no
# show is left (the time that takes is printed, not asserted). With two monitors (xrandr --setmonitor) the
# daemon runs one show per monitor, each filling its own; the standalone
# full-screen show keeps its overlays on the primary monitor.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/show_common.sh"

if ! command -v xscreensaver >/dev/null; then
  echo "FAILED: xscreensaver is not installed (scripts/install-deps)"
  exit 1
fi
S=$SHOTS
chmod 755 "$WORK"
PREFIX="$WORK/prefix"
cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" || { cat "$WORK/install.log"; exit 1; }

# The shows under the daemon start at the pinned date like the reference
# runs, so that their landscapes turn alike, and report through the probe,
# each to a file named by its process id, on the SDL this run tests: a
# wrapper on the daemon's PATH. The daemon's user must be able to read the
# probe and the SDL: the build folder may lie in a folder closed to others
# (/root), so copies go into the open $WORK.
mkdir -p "$WORK/bin" "$WORK/probes"
cp "$PROBE_LIB" "$WORK/libshow_probe.so"
sdl="${ORVEL_SDL:-}" libs="${LD_LIBRARY_PATH:-}"
if [ "${sdl%%:*}" = compat ]; then
  # The layer's folder holds links into the build folder: the files go.
  mkdir -p "$WORK/sdl12-compat"
  cp -rL "${sdl#compat:}/lib" "$WORK/sdl12-compat/lib"
  sdl="compat:$WORK/sdl12-compat" libs="$WORK/sdl12-compat/lib"
elif [ -n "$sdl" ]; then
  sdl="system:$WORK/sdl12-compat"
fi
cat >"$WORK/bin/orvel-kite-pinned" <<EOS
#!/bin/sh
exec env LD_PRELOAD="$WORK/libshow_probe.so:$FAKETIME_LIB" FAKETIME="@$SHOW_DATE $SHOW_RATE" \\
  LD_LIBRARY_PATH="$libs" ORVEL_SDL="$sdl" ORVEL_PROBE="$WORK/probes/\$\$" ORVEL_PROBE_STOPS=400 "$PREFIX/bin/orvel-kite" "\$@"
EOS
chmod 755 "$WORK/bin/orvel-kite-pinned"

SAVER_HOME="$WORK/saver-home"
mkdir -p "$SAVER_HOME"
cat >"$SAVER_HOME/.xscreensaver" <<'EOS'
mode:		one
selected:	0
timeout:	1:00:00
lock:		False
splash:		False
fade:		False
unfade:		False
programs:	GL: orvel-kite-pinned -root \n
EOS
as_saver=()
if [ "$(id -u)" = 0 ]; then
  chown -R nobody "$SAVER_HOME" "$WORK/probes"
  as_saver=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
fi

# start_daemon: the daemon on DISPLAY (as nobody when root); DAEMON_PID is set.
start_daemon() {
  "${as_saver[@]}" env -i HOME="$SAVER_HOME" DISPLAY="$DISPLAY" PATH="$WORK/bin:$PREFIX/bin:/usr/bin:/bin" \
    xscreensaver -no-splash -verbose >"$WORK/daemon.log" 2>&1 &
  DAEMON_PID=$!
  eventually daemon_answers || echo "the daemon does not answer" >&2
}
daemon_answers() { xscreensaver-command -version >/dev/null 2>&1; }
activated() { xscreensaver-command -activate >/dev/null 2>&1; }

stop_daemon() {
  kill "$DAEMON_PID" 2>/dev/null
  wait "$DAEMON_PID" 2>/dev/null
}

# The daemon's shows: the processes that have reported a frame and live.
show_pids() {
  local f
  for f in "$WORK"/probes/*; do
    [ -e "$f" ] && kill -0 "${f##*/}" 2>/dev/null && echo "${f##*/}"
  done
}
shows_running() { [ "$(show_pids | wc -l)" = "$1" ]; }
shows_stopped() {
  local pid n=0
  for pid in $(show_pids); do
    [ "$(ps -o stat= -p "$pid" | cut -c1)" = T ] && n=$((n + 1))
  done
  [ "$n" = "$1" ]
}

# saver_run NAME N: activates the daemon, waits for N shows stopped at
# 400 ms of show time, takes the screenshot NAME, lets them go on and
# deactivates the daemon, which ends them.
saver_run() {
  rm -f "$WORK"/probes/*
  # Just after start-up a busy daemon may answer "no response": ask again.
  eventually activated
  check "$1: the daemon starts $2 show(s)" eventually shows_stopped "$2"
  shot "$1" >/dev/null
  local pids
  pids=$(show_pids)
  [ -n "$pids" ] && kill -CONT $pids
  local start=$(date +%s%N)
  xscreensaver-command -deactivate >/dev/null
  check "$1: no show is left after deactivation" eventually shows_running 0
  echo "  $1: the shows were gone $((($(date +%s%N) - start) / 1000000)) ms after -deactivate"
}

# reference NAME [options...]: the standalone full-screen show, pinned.
reference() {
  local name=$1
  shift
  SHOW_TIME="@$SHOW_DATE $SHOW_RATE" SHOW_STOPS=400 start_show "$@"
  await_stopped
  shot "$name" >/dev/null
  continue_show
  xdotool key Escape
  await "$SHOW_PID" 30
}

# One monitor.
start_xvfb 1024x768
start_daemon
# A first show as the daemon's user fills that user's caches (Mesa's shader
# cache among them). Its slow first frames would move the view it stops at
# away from the reference's (the animation advances by whole steps per
# frame): seen on Debian 13.
saver_run warm_up 1
saver_run saver 1
stop_daemon
reference saver_off --showCalendar=0 --showClock=0
region_changed "daemon: the calendar stands in the top right corner" \
  "$S/saver.png" "$S/saver_off.png" "$REGION_CALENDAR" "$REGION_CONTROL"
region_changed "daemon: the clock stands in the bottom right corner" \
  "$S/saver.png" "$S/saver_off.png" "$REGION_CLOCK" "$REGION_CONTROL"

# Two monitors side by side on one screen, the left one primary.
start_xvfb 2048x768
xrandr --setmonitor '*left' 1024/270x768/203+0+0 screen >/dev/null
xrandr --setmonitor right 1024/270x768/203+1024+0 none >/dev/null
check "the test server has two monitors" [ "$(xrandr --listmonitors | head -1)" = "Monitors: 2" ]
start_daemon
saver_run saver_two 2
stop_daemon
convert "$S/saver_two.png" -crop 1024x768+0+0 +repage "$WORK/left.png"
convert "$S/saver_two.png" -crop 1024x768+1024+0 +repage "$WORK/right.png"
for half in left right; do
  region_changed "two monitors, $half: the calendar in its own top right corner" \
    "$WORK/$half.png" "$S/saver_off.png" "$REGION_CALENDAR" "$REGION_CONTROL"
  region_changed "two monitors, $half: the clock in its own bottom right corner" \
    "$WORK/$half.png" "$S/saver_off.png" "$REGION_CLOCK" "$REGION_CONTROL"
done

# The standalone show covers both monitors and keeps its overlays on the
# primary one: the right corners of the left monitor, not of the screen.
reference wide_on
reference wide_off --showCalendar=0 --showClock=0
region_changed "full screen: the calendar in the primary monitor's top right corner" \
  "$S/wide_on.png" "$S/wide_off.png" "$REGION_CALENDAR" "$REGION_CONTROL"
region_changed "full screen: the clock in the primary monitor's bottom right corner" \
  "$S/wide_on.png" "$S/wide_off.png" "$REGION_CLOCK" "$REGION_CONTROL"
alike_brightness "full screen: nothing in the screen's top right corner" \
  "$S/wide_on.png" "$S/wide_off.png" "240x270+1808+0"
check "full screen: the other monitor shows the valley too" [ "$(pixel "$S/wide_on.png" 1500 400)" != "0,0,0" ]
echo "screenshots: $S/saver*.png $S/wide_*.png"
finish
