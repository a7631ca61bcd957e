#!/usr/bin/env bash
# Frame cost: CPU milliseconds a frame of the real show, against
# xscreensaver's gears drawn in the same X server, at 640 x 480, 1024 x 768
# and 1920 x 1080, with the ratio of the two; then the show's power at its
# default pace (CPU seconds a wall second, in cores) at 1024 x 768.
#
#   bench/frame_cost.sh [DIST] [FRAMES] [SIZES...]       (REPEAT=3 runs each)
#
# Without DISPLAY it starts a virtual X server of each size, where GL is
# Mesa's llvmpipe on the CPU, kept to one thread (LP_NUM_THREADS=1) so that
# the figures do not depend on the machine's cores; the show runs full
# screen as by default, gears on the root window. With DISPLAY set it uses
# that server and its GPU, each program in a window of the size made by the
# tests' helper (build/tests/preview_parent). Each row says which renderer
# drew it.
#
# The show draws the same frames every run: its clock steps by a fixed
# 50 ms a frame (--frame-clock=50), uncapped (--max-fps=0), and the calendar
# date is pinned by libfaketime, which also seeds its random numbers. Each
# program is measured over FRAMES frames (120 unless told) after a warm-up of
# 60, by a preloaded wrapper of the buffer swap that reads the process's CPU
# time (all threads) at those two swaps; each REPEAT times, keeping the
# cheapest run, since other work on the machine only ever adds. gears draws
# its classic three gears (--count 3; by default it picks a number at
# random, which changes its cost several times over). Not a test: nothing
# is asserted.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
DIST=${1:-$here/../build/dist}
FRAMES=${2:-120}
shift 2 2>/dev/null || shift $#
SIZES=("$@")
[ ${#SIZES[@]} -gt 0 ] || SIZES=(640x480 1024x768 1920x1080)
WARMUP=60
REPEAT=${REPEAT:-3}
GEARS=/usr/libexec/xscreensaver/gears
BUILD=$(cd "$DIST/.." && pwd)  # the build folder: the tests' window helper
OWN_DISPLAY=${DISPLAY:-}
source "$here/../tests/e2e/lib.sh" "$DIST" "$BUILD"
export LP_NUM_THREADS=1

# The swap wrapper: at swap WARM and at swap WARM+FRAMES it notes the
# process's CPU time and the wall clock, then writes "FRAMES CPU_MS WALL_MS
# RENDERER" to COST_OUT (and COST_OUT.start at the first of them).
cat >"$WORK/cost.c" <<'C'
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <time.h>
static long swaps, warm = -1, last;
static double cpu0, wall0;
static double cpuMs(void) {
  struct rusage u;
  getrusage(RUSAGE_SELF, &u);
  return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}
static double wallMs(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}
static void counted(void) {
  if (warm < 0) {
    warm = atol(getenv("COST_WARM"));
    last = warm + atol(getenv("COST_FRAMES"));
  }
  ++swaps;
  if (swaps == warm) {
    cpu0 = cpuMs();
    wall0 = wallMs();
    char started[4096];
    snprintf(started, sizeof started, "%s.start", getenv("COST_OUT"));
    fclose(fopen(started, "w"));
  } else if (swaps == last) {
    const unsigned char* (*getString)(unsigned) = dlsym(RTLD_DEFAULT, "glGetString");
    const char* renderer = getString ? (const char*)getString(0x1F01) : 0; /* GL_RENDERER */
    FILE* f = fopen(getenv("COST_OUT"), "w");
    if (!f) return;
    fprintf(f, "%ld %.1f %.1f %s\n", last - warm, cpuMs() - cpu0, wallMs() - wall0, renderer ? renderer : "?");
    fclose(f);
  }
}
#include "swap_hooks.h"
C
cc -O2 -shared -fPIC -I"$here" -o "$WORK/cost.so" "$WORK/cost.c" -ldl || exit 1
[ -x "$BUILD/tests/preview_parent" ] || { echo "no $BUILD/tests/preview_parent: cmake --build build --target preview_parent"; exit 1; }
[ -x "$GEARS" ] || { echo "no $GEARS: scripts/install-deps test (xscreensaver-gl)"; exit 1; }

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$1/stat"; }

# cost LABEL WARM FRAMES COMMAND...: runs one program in the window until the
# wrapper reports on FRAMES frames after WARM, then ends it. COST is its CPU
# ms a frame, CORES its CPU time a wall second, FPS its frames a second,
# XCORES the virtual X server's CPU time a wall second meanwhile (measured
# from outside, so roughly), RENDERER the renderer's name.
cost() {
  local label=$1 warm=$2 frames=$3
  shift 3
  local out="$WORK/$label.cost" pid x0=0 x1=0
  rm -f "$out" "$out.start"
  COST_OUT=$out COST_WARM=$warm COST_FRAMES=$frames LD_PRELOAD="$WORK/cost.so${PRELOAD_MORE:-}" \
    "$@" >"$WORK/$label.out" 2>"$WORK/$label.err" 5>&- &
  pid=$!
  local deadline=$((SECONDS + 60 + frames * 2))
  while [ ! -e "$out.start" ] && kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.1; done
  [ -n "$XVFB_PID" ] && x0=$(cpu_ticks "$XVFB_PID")
  while [ ! -s "$out" ] && kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.1; done
  [ -n "$XVFB_PID" ] && x1=$(cpu_ticks "$XVFB_PID")
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  COST= RENDERER=
  if [ ! -s "$out" ]; then
    echo "$label: no report"; cat "$WORK/$label.err"; return 1
  fi
  local n cpu wall
  read -r n cpu wall RENDERER <"$out"
  COST=$(awk -v c="$cpu" -v n="$n" 'BEGIN { printf "%.1f", c / n }')
  CORES=$(awk -v c="$cpu" -v w="$wall" 'BEGIN { printf "%.2f", c / w }')
  FPS=$(awk -v n="$n" -v w="$wall" 'BEGIN { printf "%.1f", 1000 * n / w }')
  XCORES=$(awk -v x=$((x1 - x0)) -v w="$wall" -v hz="$ticks" 'BEGIN { printf "%.2f", 1000 * x / hz / w }')
}

# cheapest LABEL COMMAND...: cost, REPEAT times; COST is the lowest.
cheapest() {
  local label=$1 best= i
  shift
  for ((i = 0; i < REPEAT; i++)); do
    cost "$label" "$WARMUP" "$FRAMES" "$@" || return 1
    best=$(awk -v a="$COST" -v b="${best:-$COST}" 'BEGIN { print (a < b ? a : b) }')
  done
  COST=$best
}

# place SIZE: a virtual server of SIZE, or a window of SIZE at the top-left
# corner of the server in DISPLAY; SHOW_PLACE and HACK_PLACE are the
# programs' options for it. leave_place ends it.
place() {
  if [ -z "$OWN_DISPLAY" ]; then
    start_xvfb "$1" || exit 1
    SHOW_PLACE=() HACK_PLACE=(-root)
  else
    export DISPLAY=$OWN_DISPLAY
    PARENT_X=0 PARENT_Y=0
    start_parent "${1%x*}" "${1#*x}"
    SHOW_PLACE=(-window-id "$PARENT_ID") HACK_PLACE=(-window-id "$PARENT_ID")
  fi
}
leave_place() {
  if [ -z "$OWN_DISPLAY" ]; then stop_xvfb; else end_parent; fi
}

write_settings
printf '%-10s %14s %14s %7s   %s\n' size "show ms/frame" "gears ms/frame" ratio renderer
for size in "${SIZES[@]}"; do
  place "$size"
  PRELOAD_MORE=:$FAKETIME_LIB FAKETIME="2026-01-10 12:00:00" FAKETIME_DONT_FAKE_MONOTONIC=1 \
    cheapest show "$SHOW" --frame-clock=50 --max-fps=0 "${SHOW_PLACE[@]}" || continue
  show=$COST showRenderer=$RENDERER
  cheapest gears "$GEARS" -delay 0 -count 3 "${HACK_PLACE[@]}" || continue
  printf '%-10s %14s %14s %7s   %s\n' "$size" "$show" "$COST" \
    "$(awk -v a="$show" -v b="$COST" 'BEGIN { printf "%.1f", (b > 0 ? a / b : 0) }')" "$showRenderer"
  [ "$RENDERER" = "$showRenderer" ] || echo "  (gears drew with $RENDERER)"
  leave_place
done
echo "(CPU of each program, all threads, over $FRAMES frames after $WARMUP, the cheapest of $REPEAT runs;" \
  "LP_NUM_THREADS=1)"

# Power at the default pace: the show as it runs by default, on its own
# clock and frame cap, for 300 frames after 30, at 1024 x 768; Mesa with
# as many threads as it takes by itself.
unset LP_NUM_THREADS
place 1024x768
cost paced 30 300 "$SHOW" "${SHOW_PLACE[@]}" || exit 1
echo "default pace at 1024x768: $FPS frames/s, $COST ms a frame; the show $CORES cores, the X server $XCORES" \
  "($RENDERER)"
leave_place
