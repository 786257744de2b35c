#!/bin/sh
# Remakes the board's pictures in data/Imágenes: the buttons as GIF (drawn as
# PNG, then converted with ImageMagick, since Qt writes no GIF) and the
# central picture as JPEG. Usage: make.sh BUILD_DIR
set -e
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
. "$here/../comun.sh"
arte_pintar board arte_tablero
for png in "$work"/png/*.png; do
    name=$(basename "$png" .png)
    convert "$png" -strip +dither -colors 255 "$out/$name.gif"
done
cp "$work/png/Cent_sml.jpg" "$work/png/Cent_big.jpg" "$out/"
echo "board pictures written to $out"
