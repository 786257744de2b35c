#!/bin/sh
# Remakes the question editor's icon in data/escritorio/iconos at the icon
# theme's sizes. Usage: make.sh BUILD_DIR
set -e
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../comun.sh"
arte_pintar editor arte_editor
arte_iconos editor orvalia-editor
echo "editor icon written to $root/data/escritorio/iconos"
