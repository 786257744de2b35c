#!/usr/bin/env python3
"""Writes the SVG artwork of the answer bar and the lifeline row.

The bars, their outlines and the discs share their geometry here, so the
outline always matches the painted bar. Run it after changing a colour or a
size; the SVG files it writes are what the two libraries compile in:

    python3 controls/genera_arte.py
"""
import os

AQUI = os.path.dirname(os.path.abspath(__file__))
RESP = os.path.join(AQUI, "Respuesta", "arte")
COMOD = os.path.join(AQUI, "Comodines", "arte")

# State fills of the bar: plain, marked, right, wrong.
ESTADOS = ["#04027C", "#FCCA34", "#048204", "#FC0204"]


def mezcla(color, otro, t):
    a = [int(color[i:i + 2], 16) for i in (1, 3, 5)]
    b = [int(otro[i:i + 2], 16) for i in (1, 3, 5)]
    return "#" + "".join(f"{round(x + (y - x) * t):02X}" for x, y in zip(a, b))


def escribe(carpeta, nombre, texto):
    os.makedirs(carpeta, exist_ok=True)
    with open(os.path.join(carpeta, nombre), "w", encoding="utf-8") as f:
        f.write(texto)


def svg(w, h, cuerpo):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
            f'viewBox="0 0 {w} {h}">\n{cuerpo}</svg>\n')


def oro(id_, y1=0, y2=1):
    # A bright gold with a lit top edge and a warm shadow below.
    return (f'<linearGradient id="{id_}" x1="0" y1="{y1}" x2="0" y2="{y2}">'
            '<stop offset="0" stop-color="#FFF4B8"/>'
            '<stop offset="0.22" stop-color="#F8D45A"/>'
            '<stop offset="0.55" stop-color="#D9A21E"/>'
            '<stop offset="0.8" stop-color="#B07812"/>'
            '<stop offset="1" stop-color="#F2C64A"/></linearGradient>\n')


# The bar: a rounded box whose top-left corner has the disc's radius, so the
# letter disc (drawn at the control's top-left corner) nests in it exactly.
def geometria_barra(w, h, disco):
    r = disco / 2
    borde = max(3, round(h * 0.045))
    return r, borde


def barra(w, h, disco, relleno):
    r, b = geometria_barra(w, h, disco)
    claro = mezcla(relleno, "#FFFFFF", 0.35)
    oscuro = mezcla(relleno, "#000000", 0.45)
    ri = max(1, r - b)
    cuerpo = (
        "<defs>\n" + oro("aro") +
        f'<linearGradient id="fondo" x1="0" y1="0" x2="0" y2="1">'
        f'<stop offset="0" stop-color="{claro}"/>'
        f'<stop offset="0.45" stop-color="{relleno}"/>'
        f'<stop offset="0.8" stop-color="{relleno}"/>'
        f'<stop offset="1" stop-color="{oscuro}"/></linearGradient>\n'
        '<linearGradient id="brillo" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#FFFFFF" stop-opacity="0.42"/>'
        '<stop offset="1" stop-color="#FFFFFF" stop-opacity="0.04"/></linearGradient>\n'
        "</defs>\n"
        f'<rect x="0" y="0" width="{w}" height="{h}" rx="{r}" ry="{r}" fill="url(#aro)"/>\n'
        f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" rx="{r - 0.5}" ry="{r - 0.5}" '
        'fill="none" stroke="#6B4608" stroke-width="1"/>\n'
        f'<rect x="{b}" y="{b}" width="{w - 2 * b}" height="{h - 2 * b}" rx="{ri}" ry="{ri}" '
        'fill="url(#fondo)" stroke="#5A3A06" stroke-width="1"/>\n'
        f'<rect x="{b + ri * 0.6}" y="{b + 2}" width="{w - 2 * b - ri * 1.2}" '
        f'height="{(h - 2 * b) * 0.42}" rx="{ri * 0.8}" ry="{ri * 0.8}" fill="url(#brillo)"/>\n'
    )
    return svg(w, h, cuerpo)


def contorno(w, h, disco):
    # Magenta marks what lies outside the bar.
    r, _ = geometria_barra(w, h, disco)
    cuerpo = (f'<rect x="0" y="0" width="{w}" height="{h}" fill="#FF00FF"/>\n'
              f'<rect x="0" y="0" width="{w}" height="{h}" rx="{r}" ry="{r}" fill="#000000"/>\n')
    return svg(w, h, cuerpo)


def disco(d):
    c = d / 2
    cuerpo = (
        "<defs>\n"
        f'<radialGradient id="cara" cx="0.38" cy="0.32" r="0.75">'
        '<stop offset="0" stop-color="#FFF8D0"/>'
        '<stop offset="0.35" stop-color="#F9D75C"/>'
        '<stop offset="0.8" stop-color="#D49A1C"/>'
        '<stop offset="1" stop-color="#9A6410"/></radialGradient>\n'
        + oro("canto") +
        "</defs>\n"
        f'<circle cx="{c}" cy="{c}" r="{c - 0.5}" fill="url(#canto)" stroke="#5A3A06" stroke-width="1"/>\n'
        f'<circle cx="{c}" cy="{c}" r="{c * 0.8}" fill="url(#cara)" stroke="#8A5A0C" stroke-width="{max(0.8, d / 50)}"/>\n'
        f'<ellipse cx="{c * 0.82}" cy="{c * 0.58}" rx="{c * 0.45}" ry="{c * 0.22}" fill="#FFFFFF" opacity="0.35"/>\n'
    )
    return svg(d, d, cuerpo)


def mano():
    # A pointing hand; the finger tip is the hot spot (12, 1).
    cuerpo = (
        '<path d="M10.5 2.5 C10.5 0.6 13.5 0.6 13.5 2.5 L13.5 12 '
        'C13.5 10.4 16.5 10.4 16.5 12 L16.5 13.5 C16.5 11.9 19.5 11.9 19.5 13.5 L19.5 15 '
        'C19.5 13.4 22.5 13.4 22.5 15 L22.5 22 C22.5 26 20.5 28.5 19.5 30.5 L10.5 30.5 '
        'C9 27.5 5.5 23 4 20.5 C2.8 18.5 5 16.8 6.8 18.2 L10.5 21 Z" '
        'fill="#FFFFFF" stroke="#000000" stroke-width="1.2" stroke-linejoin="round"/>\n'
        '<path d="M13.5 13 L13.5 19 M16.5 14 L16.5 19 M19.5 15.5 L19.5 19" '
        'stroke="#000000" stroke-width="1"/>\n'
    )
    return svg(32, 32, cuerpo)


def icono_resp():
    cuerpo = (f'<rect x="0.5" y="3.5" width="15" height="8" rx="3" fill="{ESTADOS[0]}" stroke="#F8D45A"/>\n'
              '<circle cx="4" cy="7.5" r="2.5" fill="#F8D45A"/>\n'
              '<rect x="8" y="6.5" width="5" height="2" fill="#FFFFFF"/>\n')
    return svg(16, 15, cuerpo)


def icono_comod():
    cuerpo = "".join(f'<rect x="{0.5 + 5.2 * i}" y="5" width="4.5" height="4.5" fill="#F8D45A" stroke="#8A5A0C" stroke-width="0.6"/>\n'
                     for i in range(3))
    return svg(16, 15, cuerpo)


# Lifeline tiles, drawn on a 53-unit square; the small set renders the same
# source at 37 pixels.
MOTIVOS = {
    "estadisticas": lambda tinta: "".join(
        f'<rect x="{10 + 9 * i}" y="{43 - h}" width="7" height="{h}" rx="1" fill="{tinta}"/>\n'
        for i, h in enumerate([16, 30, 11, 22])) +
        f'<rect x="8" y="43" width="37" height="2.5" fill="{tinta}"/>\n',
    "salta": lambda tinta: (
        f'<path d="M12 38 C12 22 20 15 34 15" fill="none" stroke="{tinta}" '
        'stroke-width="5.5" stroke-linecap="round"/>\n'
        f'<path d="M31 6.5 L44 15 L31 23.5 Z" fill="{tinta}" stroke="{tinta}" stroke-width="1.5" '
        'stroke-linejoin="round"/>\n'),
    "cincuenta": lambda tinta: (
        f'<text x="17" y="24" font-family="Arial" font-weight="bold" font-size="15" '
        f'text-anchor="middle" fill="{tinta}">50</text>\n'
        f'<text x="36" y="44" font-family="Arial" font-weight="bold" font-size="15" '
        f'text-anchor="middle" fill="{tinta}">50</text>\n'
        f'<path d="M11 43 L42 10" stroke="{tinta}" stroke-width="2.6" stroke-linecap="round"/>\n'),
}


def ficha(motivo, usado):
    if usado:
        arriba, medio, abajo, tinta, aro = "#FF6A5C", "#E0120C", "#7A0202", "#FFE4D6", "#F0B8A0"
    else:
        arriba, medio, abajo, tinta, aro = "#FFF4B8", "#F5C93C", "#B27A12", "#0A0868", "#FFF8D8"
    cuerpo = (
        "<defs>\n"
        '<linearGradient id="cara" x1="0" y1="0" x2="0" y2="1">'
        f'<stop offset="0" stop-color="{arriba}"/><stop offset="0.5" stop-color="{medio}"/>'
        f'<stop offset="1" stop-color="{abajo}"/></linearGradient>\n'
        '<linearGradient id="brillo" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#FFFFFF" stop-opacity="0.45"/>'
        '<stop offset="1" stop-color="#FFFFFF" stop-opacity="0"/></linearGradient>\n'
        "</defs>\n"
        '<rect x="0.5" y="0.5" width="52" height="52" rx="7" ry="7" fill="url(#cara)" '
        'stroke="#4A2E04" stroke-width="1"/>\n'
        f'<rect x="2.5" y="2.5" width="48" height="48" rx="5.5" ry="5.5" fill="none" '
        f'stroke="{aro}" stroke-opacity="0.7" stroke-width="1.2"/>\n'
        '<rect x="4" y="3.5" width="45" height="20" rx="5" ry="5" fill="url(#brillo)"/>\n'
        + MOTIVOS[motivo](tinta)
    )
    return svg(53, 53, cuerpo)


def main():
    for tam, (w, h, d) in {"grande": (491, 101, 50), "chica": (320, 65, 32)}.items():
        for i, color in enumerate(ESTADOS):
            escribe(RESP, f"barra_{tam}_{i}.svg", barra(w, h, d, color))
        escribe(RESP, f"contorno_{tam}.svg", contorno(w, h, d))
        escribe(RESP, f"disco_{tam}.svg", disco(d))
    escribe(RESP, "mano.svg", mano())
    escribe(RESP, "icono.svg", icono_resp())
    for motivo in MOTIVOS:
        escribe(COMOD, f"{motivo}_disponible.svg", ficha(motivo, False))
        escribe(COMOD, f"{motivo}_usado.svg", ficha(motivo, True))
    escribe(COMOD, "mano.svg", mano())
    escribe(COMOD, "icono.svg", icono_comod())


if __name__ == "__main__":
    main()
