# Shared by the Wine test scripts and bench/monitors_cost.sh (sourced):
# counted checks, waiting for a state, a Wine run with a time limit (LIMIT
# seconds, 60 unless set), the mean grey of a screenshot or a part of it
# (GEOMETRY as ImageMagick's -crop takes it) and the running shows.
PASSED=0
FAILED=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
    PASSED=$((PASSED + 1))
  else
    echo "FAILED: $what"
    FAILED=$((FAILED + 1))
  fi
}
w() { timeout "${LIMIT:-60}" "$WINE" "$@"; }
not() { ! "$@"; }
eventually() {  # eventually COMMAND...: polls until it holds; false after two minutes
  local deadline=$((SECONDS + 120))
  until "$@"; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}
mean_grey() {  # mean_grey PNG [GEOMETRY]: 0..255
  convert "$1" ${2:+-crop "$2" +repage} -colorspace Gray -format '%[fx:int(255*mean)]' info:
}
show_pids() {  # the show processes of this Wine prefix, not another session's on the machine
  # Wine names a process by its path: the Unix one when started from Linux,
  # the Windows one (Z:\...) when started by a Windows program. A command
  # that only names the show (timeout, wine's own start) is not one.
  local p
  for p in $(ps -eww -o pid=,args= | awk '{ pid = $1; sub(/^ *[0-9]+ /, "") }
      $1 !~ /(wine|wine64|preloader|timeout)$/ && /^(\/|[A-Za-z]:\\).*Orvel Kite\.exe( |$)/ { print pid }'); do
    tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "$p"
  done
}
