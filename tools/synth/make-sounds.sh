#!/bin/sh
# Makes every sound piece of the game from our own synthesiser and encodes it
# into data/MP3 (question music 30 s) and data/MP3_45 (question music 45 s).
#   sh tools/synth/make-sounds.sh [BUILD_DIR] [NUMBER...]
# Needs cmake, a C++ compiler, lame and sox (tools/setup/install-deps.sh).
set -e
cd "$(dirname "$0")/../.."
BUILD=${1:-build}
[ $# -gt 0 ] && shift
[ -f "$BUILD/build.ninja" ] || [ -f "$BUILD/Makefile" ] || cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD" --target orvalia-synth
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
"$BUILD/bin/orvalia-synth" "$TMP" "$@" >/dev/null
mkdir -p data/MP3 data/MP3_45

# One encoding for every piece, two at a time (the machine is shared); the
# fixed pieces go into both folders.
{
  for wav in "$TMP"/fijas/*.wav "$TMP"/30/*.wav; do
    [ -f "$wav" ] && echo "$wav data/MP3/$(basename "$wav" .wav).mp3"
  done
  for wav in "$TMP"/45/*.wav; do
    [ -f "$wav" ] && echo "$wav data/MP3_45/$(basename "$wav" .wav).mp3"
  done
} | xargs -P 2 -n 2 lame --quiet --cbr -b 96 -q 2 --noreplaygain
for wav in "$TMP"/fijas/*.wav; do
  [ -f "$wav" ] || continue
  n=$(basename "$wav" .wav)
  cp "data/MP3/$n.mp3" "data/MP3_45/$n.mp3"
done

# Levels and lengths of what was made.
for f in data/MP3/sonido*.mp3 data/MP3_45/sonido*.mp3; do
  len=$(soxi -D "$f")
  peak=$(sox "$f" -n stat 2>&1 | awk '/Maximum amplitude/ {a=$3} /Minimum amplitude/ {b=-$3} END {print (a>b?a:b)}')
  echo "$f  ${len}s  peak $peak"
done
