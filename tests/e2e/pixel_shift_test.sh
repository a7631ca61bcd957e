#!/usr/bin/env bash
# Pixel shift, with the show's clock sped up sixty times: the calendar and
# the clock stand in the first frame where they stand two seconds later (the
# clock is built in place), and ten minutes later both have glided a few
# pixels; with --pixelShift=0 they stay. The full screen at 1024 x 768 and a
# host's window of 400 x 300, a preview pane's size, where the reach is
# smaller. (Show time runs from the first frame; the local time from the
# start, so the clock reads a few minutes past 10 by then.) Where an item stands is found by searching the later picture for
# a patch of the earlier one.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/show_common.sh"

start_xvfb 1024x768 || exit 1
S=$SHOTS
TEN_MINUTES=600000

# match_offset A B X Y W H SLACK: where the W x H patch of A at (X, Y) stands
# in B, searched up to SLACK pixels around: "DX DY SCORE", the score the
# normalised RMSE of the best match in thousandths.
match_offset() {
  local s=$7 out at score
  convert "$1" -crop "$5x$6+$3+$4" +repage "$WORK/patch.png"
  convert "$2" -crop "$(($5 + 2 * s))x$(($6 + 2 * s))+$(($3 - s))+$(($4 - s))" +repage "$WORK/window.png"
  out=$(compare -metric RMSE -dissimilarity-threshold 1 -subimage-search "$WORK/window.png" "$WORK/patch.png" \
    null: 2>&1)
  at=${out##*@ } score=${out#*(} score=${score%%)*}
  echo "$((${at%,*} - s)) $((${at#*,} - s)) $(awk -v v="$score" 'BEGIN { printf "%d", v * 1000 }')"
}

# shots NAME X Y W H [options]: the first frame, the frame at 2 s and the
# one ten minutes on, of the show in the area at (X, Y) of size W x H.
shots() {
  local name=$1
  shift 5
  write_settings
  SHOW_TIME="@$SHOW_DATE x60" SHOW_STOPS="0 2000 $TEN_MINUTES" start_show "$@"
  for t in 0 2000 $TEN_MINUTES; do
    await_stopped && shot "$name-$t" >/dev/null
    continue_show
  done
}

# moved WHAT NAME X Y W H REACH PATCH FROM TO LEAST: the item whose patch
# ("X Y W H" in thousandths of the area at X, Y of size W x H) of picture
# FROM stands in picture TO moved by at least LEAST pixels and at most
# REACH; by none when LEAST is 0.
moved() {
  local what=$1 name=$2 ax=$3 ay=$4 aw=$5 ah=$6 reach=$7 from=$9 to=${10} least=${11} x y w h dx dy score far
  read -r x y w h <<<"$8"
  read -r dx dy score <<<"$(match_offset "$S/$name-$from.png" "$S/$name-$to.png" $((ax + aw * x / 1000)) \
    $((ay + ah * y / 1000)) $((aw * w / 1000)) $((ah * h / 1000)) $((reach + 4)))"
  far=$((dx * dx > dy * dy ? ${dx#-} : ${dy#-}))
  echo "  $what: moved by ($dx, $dy) px, match score $score"
  # The score only rules out a match found nowhere: ten minutes on, another
  # part of the landscape shows through the glass, even where nothing moved.
  if [ "$least" = 0 ]; then
    check "$what" [ "$dx" = 0 -a "$dy" = 0 -a "$score" -lt 250 ]
  else
    check "$what" [ "$far" -ge "$least" -a "$far" -le "$reach" -a "$score" -lt 250 ]
  fi
}

# Patches: the calendar page, and the left of the clock's plate with its hour
# digits (10 in every picture). The landscape shows through their glass, so
# a match ten minutes on, over another part of it, scores less well.
CALENDAR="742 52 225 300"
CLOCK="695 858 105 110"

# items NAME X Y W H REACH LEAST: both items in place from the first frame,
# and moved by LEAST pixels or more (0: not at all) after ten minutes.
items() {
  local name=$1 area="$2 $3 $4 $5" reach=$6 least=$7 how="has glided"
  [ "$least" = 0 ] && how="stays"
  moved "$name: the calendar stands in place in the first frame" $name $area $reach "$CALENDAR" 0 2000 0
  moved "$name: the clock stands in place in the first frame" $name $area $reach "$CLOCK" 0 2000 0
  moved "$name: ten minutes on, the calendar $how" $name $area $reach "$CALENDAR" 2000 $TEN_MINUTES $least
  moved "$name: ten minutes on, the clock $how" $name $area $reach "$CLOCK" 2000 $TEN_MINUTES $least
}

# At 1024 x 768 the reach is 11.5 px; ten minutes on the path stands at
# (0.125, -0.926) of it: some 11 px down. In 400 x 300, 4.5 px and 4 down.
shots full 0 0 1024 768
xdotool key Escape
await "$SHOW_PID" 30
items full 0 0 1024 768 12 8

shots still 0 0 1024 768 --pixelShift=0
xdotool key Escape
await "$SHOW_PID" 30
items still 0 0 1024 768 12 0

PARENT_X=100 PARENT_Y=100
start_parent 400 300
shots host 100 100 400 300 -window-id "$PARENT_ID" 5>&-
kill -TERM "$SHOW_PID"
await "$SHOW_PID" 30
end_parent
items host 100 100 400 300 5 3
echo "screenshots: $S/full-*.png $S/still-*.png $S/host-*.png"
finish
