#!/usr/bin/env bash
# Frame pacing: never more frames than the cap (--max-fps), and none at all
# while the show's window, or the host's window it draws into, is unmapped
# (as when iconified); mapped again it goes on, and Escape still ends it.
# Only upper bounds on frames are checked: a slow machine draws fewer.
source "$(dirname "$0")/lib.sh"

start_xvfb 320x240 || exit 1
write_settings

# At 5 frames a second, 4 s of show time hold at most 5 x 4 frames (and one
# at each end); the uncapped show draws several times that even here.
start_show --max-fps=5
await_tick 4000
check "--max-fps=5: $FRAMES frames by tick $TO" [ "$FRAMES" -le $((5 * TO / 1000 + 2)) ]
xdotool key Escape
await "$SHOW_PID" 30
check "Escape ends the capped show with status 0" [ "$STATUS" = 0 ]

# The full-screen window unmapped and mapped again. Without a window
# manager the key goes to the window directly.
start_show
await_frames 1
win=$(xwininfo -root -tree | awk '/\("Orvel Kite" / {print $1; exit}')
xdotool windowunmap "$win"
check "an unmapped show draws no frames" await_still
xdotool windowmap "$win"
check "mapped again, it draws" await_frames $((FRAMES + 3))
xdotool key --window "$win" Escape
await "$SHOW_PID" 30
check "Escape after the pause ends the show with status 0" [ "$STATUS" = 0 ]

# A host's window (-window-id) unmapped and mapped again.
PARENT_X=0 PARENT_Y=0
start_parent 200 150
start_show -window-id "$PARENT_ID" 5>&-
await_frames 2
xdotool windowunmap "$PARENT_ID"
check "with the host's window unmapped the show draws no frames" await_still
xdotool windowmap "$PARENT_ID"
check "mapped again, it draws" await_frames $((FRAMES + 3))
kill -TERM "$SHOW_PID"
await "$SHOW_PID" 10
end_parent
finish
