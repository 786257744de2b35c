# Shared by the picture makers (sourced, not run). The caller sets build, here
# and root; arte_pintar NAME PROGRAM builds the generator in $build/art-NAME,
# paints its PNGs into $work/png and leaves $out pointing at data/Imágenes.
arte_pintar() {
    work="$build/art-$1"
    out="$root/data/Imágenes"
    cmake -S "$here" -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$work" >/dev/null
    mkdir -p "$work/png" "$out"
    QT_QPA_PLATFORM=offscreen "$work/$2" "$work/png"
}
