# The delayed item: absent during the first minute of show time, then drawn
# in the middle of the view over the turning landscape. The show's clocks
# run four times faster under faketime, so the minute passes in 15 seconds,
# and the show stops itself for each screenshot at a set show time.
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

start_xvfb 1024x768 || exit 1
S=$SHOTS
write_settings
SHOW_TIME="@$SHOW_DATE x4" SHOW_STOPS="40000 46000 68000 74000" start_show
for name in before1 before2 after1 after2; do
  await_stopped || break
  shot "show_delayed_$name" >/dev/null
  echo "  $name: the frame on screen was drawn at ${FROM} ms"
  [ "${name#before}" != "$name" ] && check "$name: shot before the minute" [ "$FROM" -lt 60000 ]
  continue_show
done
xdotool key Escape
await "$SHOW_PID" 30
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
