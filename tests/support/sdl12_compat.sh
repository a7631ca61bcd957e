#!/usr/bin/env bash
# Unpacks the SDL 1.2 compatibility layer over SDL 2 (the distribution's
# libsdl1.2-compat and libsdl2-2.0-0, with whatever of their dependencies this
# machine lacks) into BUILD/sdl12-compat/, for running the show on it with
# LD_LIBRARY_PATH=BUILD/sdl12-compat/lib. The system's SDL is never replaced.
# Cached: a second run finds the stamp and downloads nothing.
#   tests/support/sdl12_compat.sh BUILD
set -euo pipefail
mkdir -p "${1:?build folder}"
root="$(realpath "$1")/sdl12-compat"
lib="$root/lib"
[ -e "$lib/.complete" ] && exit 0

rm -rf "$root"
mkdir -p "$root/debs" "$root/tree" "$lib"
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'; }
# The layer's own packages are taken even when installed: on Debian 13 the
# layer is the system's SDL 1.2 (libsdl1.2debian, which libsdl1.2-compat
# only links to), and a folder without it would run the show on the system's
# copy.
of_layer() { apt-cache show --no-all-versions "$1" 2>/dev/null | grep -q '^Source: sdl12-compat\b'; }

# The layer and its SDL 2, then every dependency, however deep, that dpkg
# does not have (only the first of alternatives; virtual names are skipped).
queue=(libsdl1.2-compat libsdl2-2.0-0)
wanted=()
while [ ${#queue[@]} -gt 0 ]; do
  p=${queue[0]}
  queue=("${queue[@]:1}")
  [[ " ${wanted[*]} " == *" $p "* ]] && continue
  wanted+=("$p")
  while read -r dep; do
    { installed "$dep" && ! of_layer "$dep"; } || [[ " ${wanted[*]} " == *" $dep "* ]] || queue+=("$dep")
  done < <(apt-cache depends --no-recommends --no-suggests --no-conflicts --no-breaks --no-replaces \
    --no-enhances "$p" | awk '/^  (\|)?Depends: [^<]/ && !alt { print $2 } { alt = ($1 ~ /^\|/) }')
done
(cd "$root/debs" && apt-get download -q "${wanted[@]}" >/dev/null 2>&1) ||
  (cd "$root/debs" && apt-get download "${wanted[@]}")
for deb in "$root"/debs/*.deb; do dpkg-deb -x "$deb" "$root/tree"; done

# One flat folder of every shared library unpacked, the layer's
# libSDL-1.2.so.0 among them.
find "$root/tree" -name '*.so*' \( -type f -o -type l \) -exec ln -sf {} "$lib/" \;
compat=$(find "$root/tree" -path "$root/tree/*/sdl12-compat/*" -name 'libSDL-1.2.so.0' | head -1)
[ -n "$compat" ] || compat=$(find "$root/tree" -name 'libSDL-1.2.so.0' | head -1)
# A link that leads out of the unpacked packages would be the system's SDL.
if [ -z "$compat" ] || ! real=$(realpath -e "$compat") || [[ "$real" != "$root/tree/"* ]]; then
  echo "sdl12_compat: no libSDL-1.2.so.0 of the layer's own in ${wanted[*]}" >&2
  exit 1
fi
ln -sf "$real" "$lib/libSDL-1.2.so.0"
printf '%s\n' "${wanted[@]}" >"$lib/.complete"
