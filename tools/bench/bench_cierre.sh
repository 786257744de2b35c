#!/bin/sh
# How long the game takes to end once its closing screen has gone: starts it
# under a virtual X server (with openbox, a real window manager, when it is
# installed), hands over from the title screen with a click, opens a question
# (Enter), the options (F12, then Escape) or the help (F1, then Escape),
# waits, presses Alt+F4 and times the closing screen and the process's end.
# Needs xvfb-run and xdotool.
# Usage: bench_cierre.sh [PROGRAM [RUNS [SECONDS_BEFORE_CLOSING [pregunta|opciones|ayuda]]]]
prog=$(realpath "${1:-build/bin/Orvalia}")
veces=${2:-5}
espera=${3:-2}
antes=${4:-pregunta}
[ -x "$prog" ] || { echo "no program at $prog" >&2; exit 2; }
if [ -z "$DISPLAY" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$prog" "$veces" "$espera" "$antes"
fi
gestor=
if [ -z "$BENCH_CIERRE_SIN_GESTOR" ] && command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    gestor=$!
    sleep 1
fi
ahora() { date +%s.%N; }
i=0
while [ $i -lt "$veces" ]; do
    i=$((i + 1))
    cfg=$(mktemp -d)
    mkdir -p "$cfg/Orvalia"
    printf '[Inicio]\nFirstRun=False\n' > "$cfg/Orvalia/Orvalia.ini"
    (cd "$(dirname "$prog")" && XDG_CONFIG_HOME=$cfg QT_LOGGING_RULES='qt.multimedia*=false' exec "$prog" 2>/dev/null) &
    pid=$!
    sleep 2
    # A click on the title screen's background hands over to the board; with
    # no window manager the keys then go to the window under the pointer.
    portada=$(xdotool search --sync --onlyvisible --pid "$pid" | head -1)
    eval "$(xdotool getwindowgeometry --shell "$portada")"
    xdotool mousemove $((X + WIDTH - 8)) $((Y + HEIGHT - 8)) click 1
    tablero=$(xdotool search --sync --onlyvisible --name '^Orvalia$' | head -1)
    sleep 0.5
    [ -n "$gestor" ] && xdotool windowactivate --sync "$tablero" 2>/dev/null
    case $antes in
        opciones) xdotool key F12; sleep 1; xdotool key Escape ;;
        ayuda) xdotool key F1; sleep 1; xdotool key Escape ;;
        *) xdotool key Return ;;
    esac
    sleep "$espera"
    [ -n "$gestor" ] && xdotool windowactivate --sync "$tablero" 2>/dev/null
    t0=$(ahora)
    xdotool key alt+F4
    sleep 0.3
    while [ -n "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null)" ]; do sleep 0.01; done
    t1=$(ahora)
    while kill -0 "$pid" 2>/dev/null; do sleep 0.01; done
    t2=$(ahora)
    echo "run $i ($antes): Alt+F4 to closing screen gone $(echo "$t1 - $t0" | bc) s;" \
         "closing screen gone to process end $(echo "($t2 - $t1) * 1000 / 1" | bc) ms"
    rm -rf "$cfg"
done
[ -n "$gestor" ] && kill "$gestor"
exit 0
