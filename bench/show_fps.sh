#!/usr/bin/env bash
# Frames per second of the real program in a virtual X server at 1024 x 768
# (Mesa's software renderer): runs the show with the default settings and
# the frame-rate readout on, counts its buffer swaps with a small preloaded
# wrapper of SDL_GL_SwapBuffers, and prints the rate after a warm-up.
#
#   bench/show_fps.sh [DIST] [SECONDS] [WARMUP]
#
# DIST defaults to build/dist. Not a test: nothing is asserted.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
DIST=${1:-$here/../build/dist}
SECONDS_RUN=${2:-20}
WARMUP=${3:-5}
BUILD=$(mktemp -d /tmp/orvel-fps.XXXXXX)
source "$here/../tests/e2e/lib.sh" "$DIST" "$BUILD"

cat >"$WORK/swaps.c" <<'C'
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
static long frames, counted;
static double first, from, last;
static double now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec + t.tv_nsec / 1e9;
}
void SDL_GL_SwapBuffers(void) {
  static void (*real)(void);
  if (!real) real = (void (*)(void))dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers");
  real();
  double t = now();
  if (frames++ == 0) first = t;
  double warm = atof(getenv("SWAP_WARMUP") ? getenv("SWAP_WARMUP") : "0");
  if (t - first < warm) return;
  if (counted++ == 0) from = t;
  last = t;
}
__attribute__((destructor)) static void report(void) {
  FILE* f = fopen(getenv("SWAP_REPORT"), "w");
  if (!f) return;
  fprintf(f, "%ld %ld %.3f\n", frames, counted, last - from);
  fclose(f);
}
C
cc -O2 -shared -fPIC -o "$WORK/swaps.so" "$WORK/swaps.c" -ldl || exit 1

start_xvfb 1024x768
write_settings showFps=1
SWAP_WARMUP=$WARMUP SWAP_REPORT="$WORK/report" LD_PRELOAD="$WORK/swaps.so" \
  "$SHOW" >"$WORK/show.out" 2>"$WORK/show.err" &
SHOW_PID=$!
sleep $((WARMUP + SECONDS_RUN))
shot fps_readout >/dev/null
xdotool key Escape
await "$SHOW_PID" 30
if [ ! -s "$WORK/report" ]; then
  echo "no swap count (did the show start?)"; cat "$WORK/show.err"; exit 1
fi
read -r total counted span <"$WORK/report"
echo "frames: $total in all, $counted in the last ${span}s after a ${WARMUP}s warm-up"
awk -v n="$counted" -v s="$span" 'BEGIN { if (s > 0) printf "frames per second: %.2f (1024 x 768, Xvfb, %s)\n", (n - 1) / s, "software GL" }'
echo "last picture (with the readout): $SHOTS/fps_readout.png"
