#!/bin/sh
# How long the game takes to end once its closing screen has gone: starts it
# under a virtual X server, hands over from the title screen with a click,
# opens a question (Enter), waits, presses Alt+F4 and times the closing
# screen and the process's end. Needs xvfb-run and xdotool.
# Usage: bench_cierre.sh [PROGRAM [RUNS [SECONDS_WITH_THE_QUESTION_OPEN]]]
prog=$(realpath "${1:-build/bin/Orvalia}")
veces=${2:-5}
espera=${3:-2}
[ -x "$prog" ] || { echo "no program at $prog" >&2; exit 2; }
if [ -z "$DISPLAY" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$prog" "$veces" "$espera"
fi
ahora() { date +%s.%N; }
i=0
while [ $i -lt "$veces" ]; do
    i=$((i + 1))
    cfg=$(mktemp -d)
    mkdir -p "$cfg/Orvalia"
    printf '[Inicio]\nFirstRun=False\n' > "$cfg/Orvalia/Orvalia.ini"
    (cd "$(dirname "$prog")" && XDG_CONFIG_HOME=$cfg QT_LOGGING_RULES='qt.multimedia*=false' "$prog" 2>/dev/null) &
    sleep 2
    pid=$(pgrep -n -x "$(basename "$prog")")
    # A click on the title screen's background hands over to the board; with
    # no window manager the keys then go to the window under the pointer.
    portada=$(xdotool search --sync --onlyvisible --pid "$pid" | head -1)
    eval "$(xdotool getwindowgeometry --shell "$portada")"
    xdotool mousemove $((X + WIDTH - 8)) $((Y + HEIGHT - 8)) click 1
    xdotool search --sync --onlyvisible --name '^Orvalia$' >/dev/null
    sleep 0.5
    xdotool key Return
    sleep "$espera"
    t0=$(ahora)
    xdotool key alt+F4
    sleep 0.3
    while [ -n "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null)" ]; do sleep 0.01; done
    t1=$(ahora)
    while kill -0 "$pid" 2>/dev/null; do sleep 0.01; done
    t2=$(ahora)
    echo "run $i: Alt+F4 to closing screen gone $(echo "$t1 - $t0" | bc) s;" \
         "closing screen gone to process end $(echo "($t2 - $t1) * 1000 / 1" | bc) ms"
    rm -rf "$cfg"
done
