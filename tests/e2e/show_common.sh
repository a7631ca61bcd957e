# Helpers of the show's end-to-end tests (source after lib.sh): runs of the
# show at a pinned date, and a measure of how much a region of two pictures
# differs that is insensitive to a few snowflakes.

# The date every run starts at; the show's random seed is the time in
# seconds, so runs started at this pinned instant turn the landscape alike.
SHOW_DATE=${SHOW_DATE:-2026-02-14 10:00:00}

# Rate of the show's clocks in the runs that compare pictures: slow, so the
# landscape turns little between start-up and the screenshot and two runs
# differ by little more than their overlays.
SHOW_RATE=${SHOW_RATE:-x0.1}

# run_pinned NAME TICK [field=value ...]: writes the settings, runs the show
# from SHOW_DATE at SHOW_RATE, takes the screenshot NAME of the frame drawn
# at TICK ms of show time, ends the show with Escape and checks that it exits
# with 0.
run_pinned() {
  local name=$1 tick=$2
  shift 2
  write_settings "$@"
  SHOW_TIME="@$SHOW_DATE $SHOW_RATE" SHOW_STOPS=$tick start_show
  await_stopped && shot "$name" >/dev/null
  continue_show
  xdotool key Escape
  await "$SHOW_PID" 30
  check "$name: the show ends with status 0 after Escape" [ "$STATUS" = 0 ]
}

# changed_pct A B GEOMETRY: percentage (integer) of the region's pixels
# whose colour differs by more than 20 percent between the two pictures.
changed_pct() {
  local a="$WORK/ca.png" b="$WORK/cb.png"
  convert "$1" -crop "$3" +repage "$a"
  convert "$2" -crop "$3" +repage "$b"
  local n total
  n=$(compare -fuzz 20% -metric AE "$a" "$b" null: 2>&1 | cut -d' ' -f1)
  total=$(convert "$a" -format '%[fx:w*h]' info:)
  echo $(( ${n%.*} * 100 / total ))
}

# region_changed WHAT A B GEOMETRY CONTROL: the region differs clearly, in
# more than twice the share of pixels plus 5 points that changed in the
# control region of the same two pictures (landscape and snow alone), so an
# overlay shown in one picture and not the other passes and two runs of the
# same settings do not.
region_changed() {
  local what=$1 pa pc
  pa=$(changed_pct "$2" "$3" "$4")
  pc=$(changed_pct "$2" "$3" "$5")
  echo "  $what: $pa% of the region changed, $pc% of the control"
  check "$what" [ "$pa" -ge $((2 * pc + 5)) ]
}

region_same() {
  local what=$1 pa pc
  pa=$(changed_pct "$2" "$3" "$4")
  pc=$(changed_pct "$2" "$3" "$5")
  echo "  $what: $pa% of the region changed, $pc% of the control"
  check "$what" [ "$pa" -lt $((2 * pc + 5)) ]
}

# orange FILE X Y: the two pixels 10 px up-left and down-right of (X, Y)
# have the warm orange of the calendar's highlight of today.
orange() {
  local p q
  for p in "$(($2 - 10)) $(($3 - 10))" "$(($2 + 10)) $(($3 + 10))"; do
    IFS=, read -r r g b <<<"$(pixel "$1" $p)"
    [ "$r" -gt 180 ] && [ "$g" -gt 110 ] && [ "$g" -lt 200 ] && [ "$b" -lt 130 ] || return 1
  done
  return 0
}

not() { ! "$@"; }

# darker WHAT A B GEOMETRY: the region of A is clearly darker than that of
# B (the overlay items stand on dark panels); for regions of fine detail,
# where a small turn of the landscape changes many pixels but not their mean.
darker() {
  local what=$1 ma mb
  ma=$(mean_brightness "$2" "$4")
  mb=$(mean_brightness "$3" "$4")
  echo "  $what: mean grey $ma against $mb"
  check "$what" [ "$ma" -le $((mb - 25)) ]
}

# alike_brightness WHAT A B GEOMETRY: the region's mean grey is alike.
alike_brightness() {
  local what=$1 ma mb
  ma=$(mean_brightness "$2" "$4")
  mb=$(mean_brightness "$3" "$4")
  echo "  $what: mean grey $ma against $mb"
  check "$what" [ "$ma" -gt $((mb - 10)) -a "$ma" -lt $((mb + 10)) ]
}

# Regions of a 1024 x 768 picture: where the overlay items stand, and a
# control region with landscape and snow only.
REGION_CALENDAR="240x270+780+0"
REGION_WEEKDAYS="210x16+776+68"
REGION_CLOCK="330x240+694+528"
REGION_FPS="40x20+25+25"
REGION_CENTRE="520x180+252+290"
REGION_CONTROL="300x200+150+450"
