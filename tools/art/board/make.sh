#!/bin/sh
# Remakes the board's pictures in data/Imágenes: the buttons as GIF (drawn as
# PNG, then converted with ImageMagick, since Qt writes no GIF) and the
# central picture as JPEG. Usage: make.sh BUILD_DIR
set -e
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
work="$build/art-board"
out="$root/data/Imágenes"
cmake -S "$here" -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work" >/dev/null
mkdir -p "$work/png" "$out"
QT_QPA_PLATFORM=offscreen "$work/arte_tablero" "$work/png"
for png in "$work"/png/*.png; do
    name=$(basename "$png" .png)
    convert "$png" -strip +dither -colors 255 "$out/$name.gif"
done
cp "$work/png/Cent_sml.jpg" "$work/png/Cent_big.jpg" "$out/"
echo "board pictures written to $out"
