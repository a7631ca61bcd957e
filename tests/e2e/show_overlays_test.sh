# The overlay settings, each in a run of its own at a pinned date (Saturday
# 14 February 2026, 10:00): screenshots of the default settings, the analog,
# 24-hour and small clocks, the Russian calendar, the frame-rate readout and
# every overlay off, each checked against another run for the region where
# its setting must show.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/show_common.sh"

if [ ! -x "$SHOW" ]; then
  echo "FAILED: the show program $SHOW is not built"
  exit 1
fi

for a in main utils clock calendar; do
  if [ ! -f "$DIST/$a.pak" ]; then
    echo "SKIP: $DIST/$a.pak missing"
    exit 0
  fi
done

start_xvfb 1024x768 || exit 1
S=$SHOTS
run_pinned show_default 400
run_pinned show_off 400 showClock=0 showCalendar=0 showFps=0
run_pinned show_analog 400 analogClock=1
run_pinned show_24h 400 clock24h=1
run_pinned show_small 400 largeClock=0
run_pinned show_russian 400 russianCalendar=1
SHOW_RATE=x1 run_pinned show_fps 7000 showFps=1

# Two runs alike outside the overlays, so the control regions stay calm.
region_same "the landscape is alike in two runs" "$S/show_default.png" "$S/show_off.png" \
  "$REGION_CONTROL" "$REGION_CONTROL"
region_changed "default: the calendar shows in the top right" \
  "$S/show_default.png" "$S/show_off.png" "$REGION_CALENDAR" "$REGION_CONTROL"
region_changed "default: the clock shows in the bottom right" \
  "$S/show_default.png" "$S/show_off.png" "$REGION_CLOCK" "$REGION_CONTROL"
alike_brightness "default: no frame-rate readout" "$S/show_default.png" "$S/show_off.png" "$REGION_FPS"
check "default: today (14, Saturday) is highlighted in the last column" orange "$S/show_default.png" 974 139
check "default: nothing is highlighted where Monday-first weeks put 14" not orange "$S/show_default.png" 943 170

region_changed "analog: the clock differs from the digital one" \
  "$S/show_analog.png" "$S/show_default.png" "$REGION_CLOCK" "$REGION_CONTROL"
region_same "analog: the calendar is unchanged" "$S/show_analog.png" "$S/show_default.png" \
  "$REGION_CALENDAR" "$REGION_CONTROL"
region_changed "24-hour: the clock differs from the 12-hour one" \
  "$S/show_24h.png" "$S/show_default.png" "$REGION_CLOCK" "$REGION_CONTROL"
region_changed "small clock: the clock differs from the large one" \
  "$S/show_small.png" "$S/show_default.png" "$REGION_CLOCK" "$REGION_CONTROL"
region_changed "Russian: the weekday row differs from the other variant" \
  "$S/show_russian.png" "$S/show_default.png" "$REGION_WEEKDAYS" "$REGION_CONTROL"
check "Russian: 14 February (Saturday) is highlighted in the sixth column" orange "$S/show_russian.png" 943 170
darker "fps: the readout shows in the top left" "$S/show_fps.png" "$S/show_default.png" "$REGION_FPS"
alike_brightness "all off: no readout in the top left" "$S/show_off.png" "$S/show_analog.png" "$REGION_FPS"
echo "screenshots: $S/show_*.png"
finish
