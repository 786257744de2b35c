#!/bin/sh
# Remakes the question editor's icon in data/escritorio/iconos at the icon
# theme's sizes. Usage: make.sh BUILD_DIR
set -e
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
. "$here/../comun.sh"
arte_pintar editor arte_editor
mkdir -p "$root/data/escritorio/iconos"
for lado in 16 24 32 48 64 128 256; do
  cp "$work/png/editor$lado.png" "$root/data/escritorio/iconos/orvalia-editor-$lado.png"
done
echo "editor icon written to $root/data/escritorio/iconos"
