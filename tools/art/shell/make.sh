#!/bin/sh
# Remakes the title and closing screens' pictures in data/Imágenes: the six
# scenes and the logo as JPEG, the title picture as GIF and the window icon as
# a multi-size ICO (drawn as PNG, then converted with ImageMagick, since Qt
# writes neither); and the desktop icon at the icon theme's sizes in
# data/escritorio/iconos. Usage: make.sh BUILD_DIR
set -e
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../comun.sh"
arte_pintar shell arte_portada
cp "$work"/png/NP?.jpg "$work/png/Logo.jpg" "$out/"
convert "$work/png/Orvalia.png" -strip +dither -colors 255 "$out/Orvalia.gif"
convert "$work/png/NP16.png" "$work/png/NP32.png" "$work/png/NP48.png" "$work/png/NP256.png" "$out/NP.ico"
arte_iconos NP orvalia
echo "title and closing pictures written to $out"
