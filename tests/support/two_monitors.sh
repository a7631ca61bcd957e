# An X server with two monitors side by side, each its own RandR output with
# its own CRTC, the way a real two-monitor machine shows them: Xorg on its
# dummy driver (no hardware, no console, no input devices: the tests move
# the pointer through XTEST). Wine reads such outputs as two monitors with
# their places on every version the tests meet; Xinerama heads without
# RandR it reads right only up to Wine 8 (Wine 10 puts every head but the
# first at 0,0 with no size). Source it, then:
#
#   start_two_monitors WIDTHxHEIGHT
#     starts the server with two WIDTHxHEIGHT monitors, the first at 0,0 and
#     the second to its right, on a display number the server picks itself;
#     waits until both outputs show their modes and exports DISPLAY.
#     TWO_MONITORS_PID is its process, TWO_MONITORS_LOG its log. Returns 1
#     with a message on standard error when that does not happen within
#     XVFB_TIMEOUT seconds (default 60).
#   stop_two_monitors
#     ends that server and unsets DISPLAY.
# Both are safe under set -e.
TWO_MONITORS_PID=${TWO_MONITORS_PID:-}
TWO_MONITORS_DIR=${TWO_MONITORS_DIR:-}

# monitors_listed: "WxH+X+Y" of each active RandR monitor, one a line, sorted.
monitors_listed() {
  xrandr --listactivemonitors 2>/dev/null |
    awk 'NR > 1 {split($3, g, /[\/x+]/); printf "%sx%s+%s+%s\n", g[1], g[3], g[5], g[6]}' | sort
}

start_two_monitors() {
  local size=${1:?WIDTHxHEIGHT} timeout=${XVFB_TIMEOUT:-60}
  local width=${size%x*} height=${size#*x}
  stop_two_monitors
  TWO_MONITORS_DIR=$(mktemp -d /tmp/orvel-two-monitors.XXXXXX) || return 1
  TWO_MONITORS_LOG=$TWO_MONITORS_DIR/xorg.log
  # Room for both side by side from the start, so that turning the second
  # output on never has to grow the screen.
  cat >"$TWO_MONITORS_DIR/xorg.conf" <<EOF
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "AutoEnableDevices" "false"
  Option "DontVTSwitch" "true"
EndSection
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam $(((2 * width * height * 4 + 1023) / 1024 + 1024))
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Modes "$size"
    Virtual $((2 * width)) $height
  EndSubSection
EndSection
EOF
  local fd num
  mkfifo "$TWO_MONITORS_DIR/displayfd"
  exec {fd}<>"$TWO_MONITORS_DIR/displayfd"
  # The server itself, not Debian's wrapper, which allows only console users;
  # -novtswitch and -sharevts keep it off the machine's virtual terminals.
  /usr/lib/xorg/Xorg -displayfd 3 -config "$TWO_MONITORS_DIR/xorg.conf" -configdir "$TWO_MONITORS_DIR" \
    -logfile "$TWO_MONITORS_LOG" -nolisten tcp -noreset -novtswitch -sharevts +extension GLX \
    3>"$TWO_MONITORS_DIR/displayfd" >/dev/null 2>&1 {fd}<&- &
  TWO_MONITORS_PID=$!
  read -r -t "$timeout" -u "$fd" num || num=""
  exec {fd}<&-
  if [ -z "${num:-}" ]; then
    echo "Xorg (dummy driver) did not report its display within ${timeout} s; its log:" >&2
    tail -20 "$TWO_MONITORS_LOG" >&2 2>/dev/null
    stop_two_monitors
    return 1
  fi
  export DISPLAY=":$num"
  local want deadline=$((SECONDS + timeout))
  want=$(printf '%s\n' "${size}+0+0" "${size}+${width}+0" | sort)
  # The driver's first output is on from the start; the second turns on
  # (connected) once it is given a mode.
  until [ "$(monitors_listed)" = "$want" ]; do
    if [ "$SECONDS" -ge "$deadline" ] || ! kill -0 "$TWO_MONITORS_PID" 2>/dev/null; then
      echo "Xorg (dummy driver) on $DISPLAY does not show two monitors; it lists:" >&2
      monitors_listed >&2
      stop_two_monitors
      return 1
    fi
    local outputs
    outputs=$(xrandr 2>/dev/null | awk '/^[A-Za-z]/ && $1 != "Screen" {print $1}')
    set -- $outputs
    if [ $# -ge 2 ]; then
      # A disconnected output lists no modes: it is given the first's.
      xrandr --addmode "$2" "$size" >/dev/null 2>&1 || true
      xrandr --output "$1" --mode "$size" --pos 0x0 --output "$2" --mode "$size" --pos "${width}x0" \
        >/dev/null 2>&1 || true
    fi
    sleep 0.1
  done
}

stop_two_monitors() {
  if [ -n "$TWO_MONITORS_PID" ]; then
    kill "$TWO_MONITORS_PID" 2>/dev/null || true
    wait "$TWO_MONITORS_PID" 2>/dev/null || true
  fi
  [ -n "$TWO_MONITORS_DIR" ] && rm -rf "$TWO_MONITORS_DIR"
  TWO_MONITORS_PID=""
  TWO_MONITORS_DIR=""
  unset DISPLAY
  return 0
}
