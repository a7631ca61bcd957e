#!/usr/bin/env bash
# Frames per second and CPU time of the real program in a virtual X server
# (Mesa's software renderer): the show at its frame cap, at 30 frames a
# second and uncapped, against two of xscreensaver's GL display modes,
# gears and glsnake, at the same size (320 x 240 unless told). Each program
# runs alone in turn, full screen (the hacks on the root window), with the
# frame-rate readout on for the show. Frames are counted by a small preloaded wrapper
# of the buffer swap (SDL's, GLX's and EGL's); CPU time comes from /proc/PID/stat (all threads), for
# the program and for the X server, which receives every software-rendered
# frame.
#
#   bench/show_fps.sh [DIST] [SECONDS] [WARMUP] [SIZE]
#
# DIST defaults to build/dist. Not a test: nothing is asserted. Prints a
# table and saves each show's last picture (with the readout). The tests'
# show probe is not used: it writes a file every frame, which would be
# counted in the CPU time.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
DIST=${1:-$here/../build/dist}
SECONDS_RUN=${2:-10}
WARMUP=${3:-3}
SIZE=${4:-320x240}
HACKS=/usr/libexec/xscreensaver
BUILD=$(mktemp -d /tmp/orvel-fps.XXXXXX)
source "$here/../tests/e2e/lib.sh" "$DIST" "$BUILD"

# Swap counter: the count lives in a mapped file, so the script can read it
# while the program runs and however the program ends.
cat >"$WORK/swaps.c" <<'C'
#define _GNU_SOURCE
#include <fcntl.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <unistd.h>
static volatile unsigned long long* count;
static void counted(void) {
  if (!count) {
    int fd = open(getenv("SWAP_COUNT"), O_RDWR | O_CREAT, 0644);
    if (fd < 0 || ftruncate(fd, 8) != 0) abort();
    count = mmap(0, 8, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    close(fd);
  }
  ++*count;
}
#include "swap_hooks.h"
C
cc -O2 -shared -fPIC -I"$here" -o "$WORK/swaps.so" "$WORK/swaps.c" -ldl || exit 1

ticks=$(getconf CLK_TCK)
# cpu_ticks PID: user + system time of the whole process, in clock ticks.
cpu_ticks() { awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$1/stat"; }
frames() { od -An -t u8 -N8 "$1" 2>/dev/null | tr -d ' ' || echo 0; }

start_xvfb "$SIZE" || exit 1
write_settings showFps=1
printf '%-22s %8s %8s %14s %10s\n' program "frames/s" "CPU %" "CPU ms/frame" "Xvfb CPU %"

# measure LABEL COMMAND...: runs one program, prints its row.
measure() {
  local label=$1
  shift
  local counter="$WORK/count.$label"
  rm -f "$counter"
  SWAP_COUNT=$counter LD_PRELOAD="$WORK/swaps.so" "$@" >"$WORK/$label.out" 2>"$WORK/$label.err" &
  local pid=$! i
  # Measured from the first frame on, after a warm-up.
  for ((i = 0; i < 300; i++)); do
    [ "$(frames "$counter")" -gt 0 ] 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if ! kill -0 "$pid" 2>/dev/null || [ ! -s "$counter" ]; then
    echo "$label: did not draw"; cat "$WORK/$label.err"; return
  fi
  sleep "$WARMUP"
  local f0 c0 x0 t0 f1 c1 x1 t1
  f0=$(frames "$counter"); c0=$(cpu_ticks "$pid"); x0=$(cpu_ticks "$XVFB_PID"); t0=$(date +%s.%N)
  sleep "$SECONDS_RUN"
  f1=$(frames "$counter"); c1=$(cpu_ticks "$pid"); x1=$(cpu_ticks "$XVFB_PID"); t1=$(date +%s.%N)
  if [ "${label#show}" != "$label" ]; then
    cp "$(shot "$label")" "$BUILD/$label.png"
    # Escape ends the show; it must go at once, capped or not.
    xdotool key Escape
    await "$pid" 10
    [ "$STATUS" = running ] && { echo "$label: still running 10 s after Escape"; kill "$pid"; }
  else
    kill "$pid"
  fi
  wait "$pid" 2>/dev/null
  awk -v l="$label" -v f=$((f1 - f0)) -v c=$((c1 - c0)) -v x=$((x1 - x0)) -v t0="$t0" -v t1="$t1" -v hz="$ticks" \
    'BEGIN { s = t1 - t0; cpu = c / hz
             printf "%-22s %8.1f %8.1f %14.2f %10.1f\n", l, f / s, 100 * cpu / s, f ? 1000 * cpu / f : 0, 100 * x / hz / s }'
}

measure show "$SHOW"
measure show--max-fps=30 "$SHOW" --max-fps=30
measure show--max-fps=0 "$SHOW" --max-fps=0
measure gears "$HACKS/gears" -root
measure glsnake "$HACKS/glsnake" -root
echo "($SIZE, Xvfb, software GL; ${SECONDS_RUN} s each after a ${WARMUP} s warm-up)"
echo "the shows' last pictures, with their frame-rate readouts: $BUILD/show*.png"
