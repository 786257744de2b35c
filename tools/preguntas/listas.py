"""The two reviewed lists beside the checks: nombres.csv and excepciones.csv.

Both are CSV files; lines that start with "#" are notes for their readers.
"""

import csv
import os
from collections import namedtuple

from texto import clave_1909, sin_tildes

AQUI = os.path.dirname(os.path.abspath(__file__))
NOMBRES = os.path.join(AQUI, "nombres.csv")
EXCEPCIONES = os.path.join(AQUI, "excepciones.csv")

# aceptados: the accepted spellings; por_pliegue: accent-free fold -> the
# accepted spelling; otras: a rejected spelling -> the accepted one;
# formas_1909: accepted spelling -> keys of the 1909's spellings the fold of
# texto.clave_1909 does not reach on its own.
Nombres = namedtuple("Nombres", "aceptados por_pliegue otras formas_1909")

# One reviewed exception: it silences the warning of check `comprobacion`
# about `clave` on question `id`, and nothing else.
Excepcion = namedtuple("Excepcion", "ruta linea id comprobacion clave motivo")


def _filas(ruta):
    with open(ruta, encoding="utf-8", newline="") as f:
        lineas = [(n, l) for n, l in enumerate(f, 1) if l.strip() and not l.startswith("#")]
    lector = csv.reader(l for _, l in lineas)
    cabecera = next(lector, None)
    return cabecera, [(n, fila) for (n, _), fila in zip(lineas[1:], lector)]


def leer_nombres(ruta=NOMBRES):
    """Columns: Nombre, Otras grafías, En la 1909 (the last two space-separated)."""
    aceptados, por_pliegue, otras, formas = set(), {}, {}, {}
    _, filas = _filas(ruta)
    for _, fila in filas:
        fila = (fila + ["", ""])[:3]
        nombre = fila[0].strip()
        aceptados.add(nombre)
        por_pliegue.setdefault(sin_tildes(nombre), nombre)
        for otra in fila[1].split():
            otras[otra] = nombre
        formas[nombre] = {clave_1909(f) for f in fila[2].split()}
    return Nombres(aceptados, por_pliegue, otras, formas)


def leer_excepciones(ruta=EXCEPCIONES):
    """Columns: ID, Comprobación, Clave, Motivo."""
    _, filas = _filas(ruta)
    return [Excepcion(ruta, n, *[c.strip() for c in (fila + [""] * 4)[:4]])
            for n, fila in filas]
