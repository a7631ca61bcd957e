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
show_pids() {  # show_pids DIST: the processes of the shows from DIST running
  # Wine names a process by its path: the Unix one when started from Linux,
  # the Windows one (Z:\...) when started by a Windows program.
  ps -eww -o pid=,args= | DIST_PATH="$1" awk '
    BEGIN { u = ENVIRON["DIST_PATH"] "/Orvel Kite.exe"; w = u; gsub("/", "\\", w) }
    { pid = $1; sub(/^ *[0-9]+ /, "") }
    index($0, u) == 1 || index($0, w) == 3 { printf "%s ", pid }'
}
