# The one way every script starts a virtual X server (the end-to-end tests,
# the Wine tests, scripts/test-windows, scripts/run). Source it, then:
#
#   start_xvfb [WIDTHxHEIGHT]   (default 1024x768)
#     starts Xvfb (24-bit colour, GLX, no TCP) on a display number the server
#     picks itself, waits until it answers a client and exports DISPLAY;
#     XVFB_PID is its process. A server started earlier by this shell is
#     stopped first. Returns 1 with a message on standard error when the
#     server does not answer within XVFB_TIMEOUT seconds (default 60).
#   stop_xvfb
#     ends that server and unsets DISPLAY.
#   await_settled_screen
#     waits until two pictures of the screen a tenth of a second apart are
#     the same, so that a window just mapped has been drawn before a
#     screenshot is taken of it; gives up after XVFB_TIMEOUT seconds. Only
#     for screens that come to rest (a dialog, a preview), not a running show.
# All are safe under set -e.
XVFB_PID=${XVFB_PID:-}

start_xvfb() {
  local size=${1:-1024x768} timeout=${XVFB_TIMEOUT:-60}
  stop_xvfb
  local dir fd num
  dir=$(mktemp -d /tmp/orvel-xvfb.XXXXXX) || return 1
  mkfifo "$dir/displayfd"
  # Opened for reading and writing, the fifo never blocks this shell, so a
  # server that dies before it writes its number costs the timeout, no more.
  exec {fd}<>"$dir/displayfd"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset +extension GLX 3>"$dir/displayfd" \
    >/dev/null 2>&1 {fd}<&- &
  XVFB_PID=$!
  read -r -t "$timeout" -u "$fd" num || num=""
  exec {fd}<&-
  rm -rf "$dir"
  if [ -z "${num:-}" ]; then
    echo "Xvfb did not report its display within ${timeout} s" >&2
    stop_xvfb
    return 1
  fi
  export DISPLAY=":$num"
  # The number can come before the server accepts clients on a busy machine.
  local deadline=$((SECONDS + timeout))
  until xdpyinfo >/dev/null 2>&1; do
    if [ "$SECONDS" -ge "$deadline" ] || ! kill -0 "$XVFB_PID" 2>/dev/null; then
      echo "Xvfb on $DISPLAY does not answer" >&2
      stop_xvfb
      return 1
    fi
    sleep 0.1
  done
}

stop_xvfb() {
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
  XVFB_PID=""
  unset DISPLAY
  return 0
}

await_settled_screen() {
  local dir i
  dir=$(mktemp -d /tmp/orvel-settle.XXXXXX) || return 1
  import -window root "rgb:$dir/a" 2>/dev/null || true
  for ((i = 0; i < 10 * ${XVFB_TIMEOUT:-60}; i++)); do
    sleep 0.1
    import -window root "rgb:$dir/b" 2>/dev/null || true
    cmp -s "$dir/a" "$dir/b" && break
    mv "$dir/b" "$dir/a"
  done
  rm -rf "$dir"
  return 0
}
