#!/usr/bin/env bash
# The screensaver run starts "Orvel Kite" from the install folder, waits for
# it and hands it SDL_VIDEO_ALLOW_SCREENSAVER=1; a missing program is
# ignored and the mode still returns 0.
source "$(dirname "$0")/lib.sh"

install="$WORK/install"
mkdir -p "$install"
cp "$SHOW" "$install/saver"
cp "$BUILD/tests/start_recorder" "$install/Orvel Kite"
echo 400 >"$install/delay"

env -u SDL_VIDEO_ALLOW_SCREENSAVER "$install/saver" /s
status=$?
check "/s returns 0" [ "$status" = 0 ]
check "/s waited for the show program" [ -f "$install/started.txt" ]
check "the show program ran in the install folder" [ "$(sed -n 1p "$install/started.txt")" = "$install" ]
check "the show program sees SDL_VIDEO_ALLOW_SCREENSAVER=1" [ "$(sed -n 2p "$install/started.txt")" = 1 ]

rm -f "$install/started.txt"
"$install/saver" -S
check "-S is the screensaver run too" [ -f "$install/started.txt" ]

rm -f "$install/Orvel Kite" "$install/started.txt"
"$install/saver" /s
status=$?
check "/s with the show program missing still returns 0" [ "$status" = 0 ]

finish
