# Shared helpers of the end-to-end tests: a private virtual X server, a
# private settings folder, the program from dist/, screenshots and pixels.
# Source it; every test script gets DIST (the install folder) and BUILD.
set -uo pipefail

DIST=${1:?dist folder}
BUILD=${2:?build folder}
SHOW="$DIST/Orvel Kite"
WORK=$(mktemp -d /tmp/orvel-e2e.XXXXXX)
export XDG_CONFIG_HOME="$WORK/config"
mkdir -p "$XDG_CONFIG_HOME"
SHOTS="$BUILD/e2e-shots"
mkdir -p "$SHOTS"
XVFB_PID=""
FAILURES=0

cleanup() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  pkill -KILL -P $$ 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

# start_xvfb [WIDTHxHEIGHT]: starts Xvfb on a free display and exports DISPLAY.
start_xvfb() {
  local size=${1:-1024x768}
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  local fifo="$WORK/displayfd"
  rm -f "$fifo"; mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset +extension GLX 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local num
  read -r num <"$fifo"
  export DISPLAY=":$num"
  # The number comes before the server always accepts clients on a loaded
  # machine; wait until it answers.
  local i
  for ((i = 0; i < 100; i++)); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb on $DISPLAY does not answer" >&2
  return 1
}

# write_settings field=value ...: a format-1 settings file with empty texts;
# fields not named keep their defaults.
write_settings() {
  local showFps=0 showClock=1 analogClock=0 clock24h=0 largeClock=1 showCalendar=1
  local russianCalendar=0 quitOnMouseMove=0 resolutionIndex=0 kv
  for kv in "$@"; do local "${kv%%=*}=${kv#*=}"; done
  printf '\001\000\000\000\000\000\000\000\000\000\000\000' >"$WORK/s"
  printf "\\$(printf %03o "$quitOnMouseMove")" >>"$WORK/s"
  printf '\000\000\000\000' >>"$WORK/s"
  printf "\\$(printf %03o "$resolutionIndex")\\000\\000\\000" >>"$WORK/s"
  local b
  for b in "$showFps" "$showClock" "$analogClock" "$clock24h" "$largeClock" "$showCalendar" "$russianCalendar"; do
    printf "\\$(printf %03o "$b")" >>"$WORK/s"
  done
  mv "$WORK/s" "$XDG_CONFIG_HOME/quorvant_Orvel Kite_cfg"
}

# start_show [args...]: starts the show in the background; SHOW_PID is set.
start_show() {
  "$SHOW" "$@" >"$WORK/show.out" 2>"$WORK/show.err" &
  SHOW_PID=$!
}

# await PID SECONDS: sets STATUS to the exit status, or "running" when the
# process is still alive after SECONDS.
await() {
  local i
  STATUS=running
  for ((i = 0; i < $2 * 10; i++)); do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1"
      STATUS=$?
      return
    fi
    sleep 0.1
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
