#!/usr/bin/env bash
# CPU and memory of the Windows show under Wine on one monitor and on two:
# a 640x480 Xvfb, and the tests' X server with two 640x480 RandR outputs
# side by side (tests/support/two_monitors.sh). The show runs at its own
# pace (Mesa's software renderer, one thread: 30 frames a second) with the
# settings' defaults; once every monitor shows the valley and a warm-up has
# passed, CPU time is taken over SECONDS from /proc/PID/stat of every show process (all threads) and of the X
# server, which receives every frame, and the working set (VmRSS, and
# the proportional share PSS, which counts shared pages once) at the end.
#
#   bench/monitors_cost.sh [BUILD_WIN] [SECONDS] [WARMUP]
#
# BUILD_WIN defaults to build-win, whose Wine prefix scripts/test-windows
# boots. Not a test: nothing is asserted; prints one row a set-up.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$root/build-win}" && pwd)
RUN=${2:-20}
WARMUP=${3:-5}
DIST="$BUILD/dist"
export WINE=/usr/lib/wine/wine64
export WINEPREFIX="$BUILD/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
export LP_NUM_THREADS=1
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "no Wine prefix in $BUILD: run scripts/test-windows first" >&2
  exit 1
fi
source "$root/tests/support/xvfb.sh"
source "$root/tests/support/two_monitors.sh"
source "$root/tests/wine/checks.sh"
wine_session_end() { timeout 60 /usr/lib/wine/wineserver -k 2>/dev/null; timeout 60 /usr/lib/wine/wineserver -w 2>/dev/null; }
stop_servers() {
  wine_session_end
  stop_xvfb
  stop_two_monitors
}
trap stop_servers EXIT
timeout 30 "$WINE" reg delete 'HKLM\Software\quorvant' /f >/dev/null 2>&1 # the archives beside the program
timeout 30 "$WINE" reg delete 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /f >/dev/null 2>&1 # RandR, as the test
ticks=$(getconf CLK_TCK)

cpu_ticks() { # cpu_ticks PID...: user + system time of them all
  local sum=0 pid
  for pid in "$@"; do
    [ -n "$pid" ] && [ -r "/proc/$pid/stat" ] && sum=$((sum + $(sed 's/^.*) //' "/proc/$pid/stat" | awk '{print $12 + $13}')))
  done
  echo "$sum"
}
kib() { # kib FIELD PID...: a field of /proc/PID/status or smaps_rollup, summed
  local field=$1 sum=0 pid
  shift
  for pid in "$@"; do
    sum=$((sum + $(cat "/proc/$pid/status" "/proc/$pid/smaps_rollup" 2>/dev/null | awk -v f="$field:" '$1 == f {print $2; exit}')))
  done
  echo "$sum"
}

printf '%-9s %9s %11s %13s %8s %8s\n' monitors processes "show CPU %" "X CPU %" "RSS MiB" "PSS MiB"
for screens in 1 2; do
  stop_servers
  # Wine reads the monitors when its session starts.
  if [ "$screens" = 1 ]; then
    start_xvfb 640x480 || exit 1
    server=$XVFB_PID
  else
    start_two_monitors 640x480 || exit 1
    server=$TWO_MONITORS_PID
  fi
  wine_session_end
  (cd "$DIST" && LIMIT=$((RUN + WARMUP + 120)) w "$DIST/Orvel Kite.exe" --quitOnMouseMove=0) &
  show=$!
  valley() {
    import -window root "$BUILD/monitors-cost.png" 2>/dev/null &&
      [ "$(mean_grey "$BUILD/monitors-cost.png" 640x480+0+0)" -gt 100 ] &&
      { [ "$screens" = 1 ] || [ "$(mean_grey "$BUILD/monitors-cost.png" 640x480+640+0)" -gt 100 ]; } &&
      [ "$(show_pids | wc -w)" -eq "$screens" ]
  }
  eventually valley || { echo "the show did not start on $screens monitor(s)" >&2; exit 1; }
  sleep "$WARMUP"
  mapfile -t pids < <(show_pids)
  s0=$(cpu_ticks "${pids[@]}") x0=$(cpu_ticks "$server")
  sleep "$RUN"
  s1=$(cpu_ticks "${pids[@]}") x1=$(cpu_ticks "$server")
  rss=$(kib VmRSS "${pids[@]}") pss=$(kib Pss "${pids[@]}")
  percent() { echo "scale=1; 100 * $1 / $ticks / $RUN" | bc; }
  printf '%-9s %9s %11s %13s %8s %8s\n' "$screens" "${#pids[@]}" "$(percent $((s1 - s0)))" \
    "$(percent $((x1 - x0)))" $((rss / 1024)) $((pss / 1024))
  xdotool key Escape
  gone() { [ -z "$(show_pids)" ]; }
  eventually gone || echo "the show did not end on Escape" >&2
  wait "$show" 2>/dev/null
  stop_servers
done
