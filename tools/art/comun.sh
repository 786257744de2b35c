# Shared by the picture makers (sourced, not run). The caller sets `here`, its
# own folder, and passes its arguments on: the build folder is the first
# (build by default), `root` the source tree.
build=${1:-build}
root=$(cd "$here/../../.." && pwd)

# arte_pintar NAME PROGRAM builds the generator in $build/art-NAME, paints its
# PNGs into $work/png and leaves $out pointing at data/Imágenes.
arte_pintar() {
    work="$build/art-$1"
    out="$root/data/Imágenes"
    cmake -S "$here" -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$work" >/dev/null
    mkdir -p "$work/png" "$out"
    QT_QPA_PLATFORM=offscreen "$work/$2" "$work/png"
}

# arte_iconos PNG ICON lays $work/png/PNG<size>.png in data/escritorio/iconos
# as ICON-<size>.png, at the icon theme's sizes (Arte::LadosIcono).
arte_iconos() {
    mkdir -p "$root/data/escritorio/iconos"
    for lado in 16 24 32 48 64 128 256; do
        cp "$work/png/$1$lado.png" "$root/data/escritorio/iconos/$2-$lado.png"
    done
}
