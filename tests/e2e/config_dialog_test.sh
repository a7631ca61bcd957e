#!/usr/bin/env bash
# The settings program end to end: its dialog in a virtual X server, driven
# with the keyboard through xdotool (every choice has a mnemonic), and the
# configure mode of the show starting it from the install folder.
source "$(dirname "$0")/lib.sh" "$@"

FILE=$SETTINGS_FILE
if [ ! -x "$CONFIG" ]; then
  echo "FAILED: the settings program $CONFIG is not built"
  exit 1
fi
export NO_AT_BRIDGE=1  # no accessibility bus in the test server
start_xvfb 1024x768 || exit 1

# open_dialog [PROGRAM ARGS...]: starts it (the settings program by default)
# and waits for its window; DIALOG_PID and DIALOG_WINDOW are set.
open_dialog() {
  [ $# -eq 0 ] && set -- "$CONFIG"
  "$@" >>"$WORK/show.out" 2>>"$WORK/show.err" &
  DIALOG_PID=$!
  DIALOG_WINDOW=$(timeout "$WAIT_LIMIT" xdotool search --sync --onlyvisible --name "Orvel Kite settings" | head -1)
  [ -n "$DIALOG_WINDOW" ] || return 1
  xdotool windowfocus --sync "$DIALOG_WINDOW"
  await_settled_screen
}

keys() {
  local k
  for k in "$@"; do
    xdotool key --clearmodifiers "$k"
    sleep 0.2
  done
}

# A file with every choice away from its default and reserved texts with
# zero bytes in them (so quitOnMouseMove is at 20, showFps at 29 and the
# other flags follow): resolution 6, fps on, analog, 24 hours, small, no
# calendar, Russian, quit on mouse.
{
  printf '\001\000\000\000' ; printf '\005\000\000\000'; printf 'ke\000p\377'
  printf '\003\000\000\000'; printf '\000\001z'
  printf '\001'; printf '\357\276\255\336'; printf '\006\000\000\000'
  printf '\001\001\001\001\000\000\001'
} >"$FILE"
cp "$FILE" "$WORK/original"
same_file() { cmp -s "$FILE" "$1"; }
byte_at() { od -An -tu1 -j "$1" -N1 "$FILE" | tr -d ' '; }

# It opens with the file's values: OK without a change writes the same bytes.
check "the dialog opens" open_dialog
shot config-dialog-from-file >/dev/null
keys alt+o
await "$DIALOG_PID" 30
check "OK ends the dialog with status 0" [ "$STATUS" = 0 ]
check "the dialog opened with the file's values (OK unchanged rewrote the same bytes)" same_file "$WORK/original"

# A change saved with OK is in the file; the reserved bytes stay.
open_dialog
keys alt+f alt+q
keys alt+o
await "$DIALOG_PID" 30
check "OK saves the changes (fps off)" [ "$(byte_at 29)" = 0 ]
check "OK saves the changes (quit on mouse off)" [ "$(byte_at 20)" = 0 ]
check "the reserved texts survive" cmp -s -n 20 "$FILE" "$WORK/original"
check "the reserved word and the resolution survive" cmp -s -i 21 -n 8 "$FILE" "$WORK/original"
cp "$FILE" "$WORK/saved"

# Cancel, the Cancel button and Escape, leave the file as it was.
open_dialog
keys alt+f alt+e alt+d
keys alt+c
await "$DIALOG_PID" 30
check "Cancel ends the dialog with status 0" [ "$STATUS" = 0 ]
check "Cancel leaves the file as it was" same_file "$WORK/saved"
open_dialog
keys alt+f Escape
await "$DIALOG_PID" 30
check "Escape leaves the file as it was" same_file "$WORK/saved"

# Greyed-out choices do not respond: 12 or 24 hours means nothing for the
# analog clock, Russian nothing without the calendar.
open_dialog
keys alt+1 alt+i
shot config-dialog-greyed >/dev/null
keys alt+o
await "$DIALOG_PID" 30
check "the hours cannot be changed for the analog clock" [ "$(byte_at 32)" = 1 ]
check "the Russian calendar cannot be changed without the calendar" [ "$(byte_at 35)" = 1 ]
# Once they apply, they do.
open_dialog
keys alt+d alt+1 alt+e alt+i
shot config-dialog-digital >/dev/null
keys alt+o
await "$DIALOG_PID" 30
check "the digital clock takes 12 hours" [ "$(byte_at 31)$(byte_at 32)" = 00 ]
check "the calendar and its language are saved" [ "$(byte_at 34)$(byte_at 35)" = 10 ]

# No file yet: the dialog shows the defaults and OK writes them.
rm -f "$FILE"
open_dialog
shot config-dialog-defaults >/dev/null
keys alt+o
await "$DIALOG_PID" 30
check "without a file OK writes the defaults" [ "$(od -An -tx1 "$FILE" | tr -d ' \n')" = \
  "01000000000000000000000000000000000000000000010000010100" ]

# A damaged file: the dialog says so; Cancel keeps it.
printf '\001\000\000\000\377' >"$FILE"
cp "$FILE" "$WORK/damaged"
open_dialog
shot config-dialog-damaged >/dev/null
keys Escape
await "$DIALOG_PID" 30
check "Cancel keeps a damaged file" same_file "$WORK/damaged"

# The configure mode starts "config" from the install folder and does not
# wait for it: a stand-in that records its folder and arguments once the
# test lets it go, so a mode that waited for it would never return.
APP="$WORK/app"
mkdir -p "$APP"
cp "$SHOW" "$APP/"
cat >"$APP/config" <<'STANDIN'
#!/bin/sh
while [ ! -e "$RELEASE" ]; do sleep 0.05; done
echo "$(pwd) args=$#${1:+ $1}" >"$RECORD"
STANDIN
chmod +x "$APP/config"
recorded() { [ -s "$RECORD" ]; }
# An owner window given as /c:HANDLE is passed on, for the dialog to belong
# to it.
for word in /c /C:1234 -c; do
  export RECORD="$WORK/record" RELEASE="$WORK/release"
  rm -f "$RECORD" "$RELEASE"
  timeout "$WAIT_LIMIT" "$APP/Orvel Kite" $word
  status=$?
  check "\"$word\" returns 0 while config still runs" [ "$status" = 0 -a ! -e "$RECORD" ]
  touch "$RELEASE"
  eventually recorded
  want="$APP args=0"
  [ "$word" = /C:1234 ] && want="$APP args=1 /c:1234"
  check "\"$word\" ran config in the install folder with ${want#* }" [ "$(cat "$RECORD" 2>/dev/null)" = "$want" ]
done
# With the real settings program the dialog comes up.
cp "$CONFIG" "$APP/config"
check "\"/c\" opens the settings dialog" open_dialog "$APP/Orvel Kite" /c
keys Escape
dialog_gone() { ! xdotool search --onlyvisible --name "Orvel Kite settings" >/dev/null 2>&1; }
check "Escape closes it" eventually dialog_gone
finish
