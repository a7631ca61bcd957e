# The delayed item: absent during the first minute of show time, then drawn
# in the middle of the view over the turning landscape. The show's clocks
# run four times faster under faketime, so the minute passes in 15 seconds.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/show_common.sh"

if [ ! -x "$SHOW" ]; then
  echo "FAILED: the show program $SHOW is not built"
  exit 1
fi

if [ ! -f "$DIST/main.pak" ]; then
  echo "SKIP: $DIST/main.pak missing"
  exit 0
fi

start_xvfb 1024x768
S=$SHOTS
write_settings
faketime -f "@$SHOW_DATE x4" "$SHOW" >"$WORK/show.out" 2>"$WORK/show.err" &
SHOW_PID=$!
sleep 10
shot show_delayed_before1 >/dev/null  # about 40 s of show time
sleep 1.5
shot show_delayed_before2 >/dev/null  # about 46 s
sleep 5.5
shot show_delayed_after1 >/dev/null   # about 68 s
sleep 1.5
shot show_delayed_after2 >/dev/null   # about 74 s
xdotool key Escape
await "$SHOW_PID" 15
check "the show ends with status 0 after Escape" [ "$STATUS" = 0 ]

# Before the minute the middle turns with the landscape; after it the item
# stands there, so the same interval changes far less of the middle.
before=$(changed_pct "$S/show_delayed_before1.png" "$S/show_delayed_before2.png" "$REGION_CENTRE")
after=$(changed_pct "$S/show_delayed_after1.png" "$S/show_delayed_after2.png" "$REGION_CENTRE")
echo "  the middle changed by $before% before the minute and by $after% after it"
check "after one minute something stands still in the middle" [ "$before" -ge $((2 * after + 5)) ]
darker "after one minute the item's panel darkens the middle" \
  "$S/show_delayed_after2.png" "$S/show_delayed_before2.png" "$REGION_CENTRE"
echo "screenshots: $S/show_delayed_*.png"
finish
