#!/usr/bin/env bash
# Preview mode end to end: "Orvel Kite" /p <window id> paints into a parent
# window made by a test helper, in a virtual X server. The pictures are
# written here (24-bit BMPs from ImageMagick) into a private copy of the
# install folder; the real "preview.ppk" is checked too when dist/ has one.
source "$(dirname "$0")/lib.sh" "$@"

HELPER="$BUILD/tests/preview_parent"
if [ ! -x "$HELPER" ]; then
  echo "FAILED: the test helper $HELPER is not built"
  exit 1
fi
APP="$WORK/app"
mkdir -p "$APP"
cp "$SHOW" "$APP/"
PREVIEW="$APP/Orvel Kite"
PARENT_X=20
PARENT_Y=30
start_xvfb 640x480 || exit 1

# picture WIDTH HEIGHT FILE: a 24-bit BMP whose pixels all differ.
picture() {
  convert -size "$1x$2" xc:black -channel R -fx 'i/w' -channel G -fx 'j/h' \
    -channel B -fx '((i*7+j*3)%16)/15' +channel -type TrueColor "BMP3:$3"
}

# start_preview: the preview into PARENT_ID; PREVIEW_PID is set. Returns
# once its window covers the parent's top-left pixel (the helper's magenta).
start_preview() {
  "$PREVIEW" /p "$PARENT_ID" >>"$WORK/show.out" 2>>"$WORK/show.err" 5>&- 6>&- &
  PREVIEW_PID=$!
  eventually preview_mapped
}
preview_mapped() { [ "$(pixel "$(shot preview-wait)" $PARENT_X $PARENT_Y)" != "255,0,255" ]; }

# shows NAME W H IMAGE [X Y]: the screenshot NAME, cropped like crop, has
# exactly IMAGE's pixels. The preview paints point by point, so checks
# use it through eventually.
shows() { same_pixels "$(crop "$(shot "$1")" "$2" "$3" "${5:-0}" "${6:-0}")" "$4"; }

# crop SHOT W H [X Y]: part of a screenshot, relative to the parent.
crop() {
  convert "$1" -crop "$2x$3+$((PARENT_X + ${4:-0}))+$((PARENT_Y + ${5:-0}))" +repage "$WORK/crop.png"
  echo "$WORK/crop.png"
}

same_pixels() {  # same_pixels A B: no pixel differs
  [ "$(compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1)" = "0" ]
}

window_gone() { ! xwininfo -id "$1" >/dev/null 2>&1; }

all_black() {  # all_black IMAGE: its brightest channel value is 0
  [ "$(convert "$1" -format '%[fx:int(255*maxima)]' info:)" = "0" ]
}

picture 152 112 "$APP/preview.ppk"
picture 152 112 "$WORK/expected.bmp"

# A magenta backdrop under everything, so that the edge of a black preview
# shows against it.
PARENT_X=0 PARENT_Y=0
start_parent 640 480
BACKDROP_FD_PID=$PARENT_PID
exec 6>&5 5>&-
PARENT_X=20 PARENT_Y=30

# The picture's own size: pixel for pixel; destroying the parent ends it.
start_parent 152 112
start_preview
check "a parent of the picture's size shows it pixel for pixel" eventually shows preview-152x112 152 112 "$WORK/expected.bmp"
# Another window over it and away again: the exposed area is painted anew.
"$HELPER" 100 100 60 70 </dev/null >/dev/null 2>&1 5>&- 6>&-
check "an exposed preview is painted again" eventually shows preview-exposed 152 112 "$WORK/expected.bmp"
echo destroy >&5
await "$PREVIEW_PID" 30
check "destroying the parent ends the preview with status 0" [ "$STATUS" = 0 ]
end_parent

# Other sizes: the picture scaled to fit, centred, black around it, and
# nothing drawn past the parent's edge.
# close_to NAME W H IMAGE [X Y]: like shows, within a few per cent (the
# scaled picture is sampled between pixels, as ImageMagick's triangle
# filter does).
close_to() {
  local error
  error=$(compare -metric RMSE "$(crop "$(shot "$1")" "$2" "$3" "${5:-0}" "${6:-0}")" "$4" null: 2>&1 |
    sed -n 's/.*(\([0-9.e-]*\)).*/\1/p')
  [ -n "$error" ] && awk -v e="$error" 'BEGIN { exit !(e < 0.04) }'
}
convert "$WORK/expected.bmp" -filter Triangle -resize 304x224! "$WORK/expected-304.png"
start_parent 304 224
start_preview
check "a parent twice as large shows the picture twice as large" \
  eventually close_to preview-304x224 304 224 "$WORK/expected-304.png"
s=$SHOTS/preview-304x224.png
check "nothing is drawn past its edge" [ "$(pixel "$s" $((PARENT_X + 304)) $((PARENT_Y + 224)))" = "255,0,255" ]
end_parent  # the helper's exit destroys the parent too
await "$PREVIEW_PID" 30
check "a parent gone with its program ends the preview with status 0" [ "$STATUS" = 0 ]

# A taller parent: the picture at its own size, black above and below.
start_parent 152 200
start_preview
check "a taller parent shows the picture centred" eventually shows preview-152x200 152 112 "$WORK/expected.bmp" 0 44
s=$SHOTS/preview-152x200.png
bars_black() { all_black "$(crop "$1" 152 44)" && all_black "$(crop "$1" 152 44 0 156)"; }
check "above and below the picture the preview is black" bars_black "$s"
end_parent
await "$PREVIEW_PID" 30

# A picture whose rows are not a whole number of words (101 x 3 bytes), in
# a parent of its size.
picture 101 50 "$APP/preview.ppk"
picture 101 50 "$WORK/odd.bmp"
start_parent 101 50
start_preview
check "a picture 101 wide is drawn straight" eventually shows preview-odd-width 101 50 "$WORK/odd.bmp"
end_parent
await "$PREVIEW_PID" 30

# No picture at all, and one that is not 24-bit: black.
rm -f "$APP/preview.ppk"
start_parent 152 112
start_preview
check "a missing picture paints black" all_black "$(crop "$(shot preview-missing)" 152 112)"
end_parent
await "$PREVIEW_PID" 30
convert -size 152x112 xc:gray50 -type Palette "BMP3:$APP/preview.ppk"
start_parent 152 112
start_preview
check "a picture with a palette paints black" all_black "$(crop "$(shot preview-palette)" 152 112)"
end_parent
await "$PREVIEW_PID" 30

# Handles that name no usable window end the mode with status 0: none, a
# number no window has, one too large for an id, a negative one, a window
# that has just been destroyed, and one that cannot hold a picture.
bad_handle() {
  "$PREVIEW" /p $1 >>"$WORK/show.out" 2>>"$WORK/show.err" 5>&- 6>&- &
  await $! 30
  check "the handle \"$1\" ($2) ends the preview with status 0" [ "$STATUS" = 0 ]
}
for handle in "" 12345 99999999999 -5; do bad_handle "$handle" "no window"; done
start_parent 152 112
echo destroy >&5
eventually window_gone "$PARENT_ID"
bad_handle "$PARENT_ID" "destroyed"
end_parent
start_parent 152 112 --input-only
bad_handle "$PARENT_ID" "input only"
end_parent

# The generated picture, when the build has made it.
if [ -f "$DIST/preview.ppk" ]; then
  cp "$DIST/preview.ppk" "$APP/preview.ppk"
  read -r w h < <(identify -format '%w %h' "$APP/preview.ppk")
  convert "$APP/preview.ppk" "$WORK/real.png"
  start_parent 152 "$h"
  start_preview
  check "the installed preview.ppk is shown" eventually shows preview-real "$w" "$h" "$WORK/real.png"
  end_parent
  await "$PREVIEW_PID" 30
else
  echo "note: $DIST/preview.ppk is not built yet; only the test pictures were checked"
fi
exec 6>&-
wait "$BACKDROP_FD_PID" 2>/dev/null
finish
