#!/bin/sh
# Remakes the board's pictures: both sets in data/Imágenes, the design set
# (built into the program) in screens/imagenes. The buttons as GIF (drawn as
# PNG, then converted with ImageMagick, since Qt writes no GIF), the central
# picture as JPEG. Usage: make.sh BUILD_DIR
set -e
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../comun.sh"
arte_pintar board arte_tablero
diseno="$root/screens/imagenes"
mkdir -p "$diseno"
gif() { convert "$1" -strip +dither -colors 255 "$2"; }
for png in "$work"/png/*.png; do
    gif "$png" "$out/$(basename "$png" .png).gif"
done
for png in "$work"/png/diseno/*.png; do
    gif "$png" "$diseno/$(basename "$png" .png).gif"
done
cp "$work"/png/Cent_*.jpg "$out/"
cp "$work/png/diseno/Cent.jpg" "$diseno/"
echo "board pictures written to $out and $diseno"
