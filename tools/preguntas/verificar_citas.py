#!/usr/bin/env python3
"""Checks the question source files against the Reina-Valera 1909.

Usage:
    verificar_citas.py [--sin-biblia] [CSV ...]

With no file it checks every data/preguntas/nivel*.csv of this repository.

For each row it checks:
  * the header and the column count (12 columns);
  * `Referencia` names a book as Spanish Bibles write it and a chapter:verse
    (or a verse range inside one chapter) that exists in the Reina-Valera 1909
    text of Debian's sword-text-sparv (module spaRV1909eb, read with diatheke),
    numbered as printed Bibles number it (data/preguntas/numeracion.csv);
  * `Evidencia` stands in the cited verses. The comparison collapses runs of
    white space and drops the module's Strong's tags ("<H3967>"), but is
    otherwise exact: case, accents and punctuation as the text prints them;
  * `Nivel` matches the file's level, `ID` is unique across all files and lies
    in the level's block (level L: L*1000+1 ... L*1000+999), `Orden` is 0-999,
    `Veces` is 0, `LetraCorrecta` is A-D;
  * the question is not empty, opens with "¿" when it ends with "?", and is at
    most 140 characters; the four answers are non-empty, different and at most
    40 characters long;
  * no two questions have the same text (after folding case and spaces);
  * the right letter is spread evenly: each of A-D holds 25% +- 2% of a file
    (only for files of 20 rows or more);
  * no book holds more than 15% of a file's questions (only for files of 100
    rows or more: a level that leans on one book is one a reader of that
    book wins without knowing the rest).

Then it runs the checks of comprobaciones.py on the wording: names near the
cited verses, wrong numbers found elsewhere in the Bible, one spelling per
name (nombres.csv), the RAE's 2010 spelling, the personal "a", no question
naming another's right answer. A reviewed line of excepciones.csv silences one
warning of the first, second or the last two.

Every problem is printed as "file:line: message"; the exit status is 1 when
there is any, 2 when the Bible text cannot be read, 0 otherwise.
--sin-biblia skips the Bible look-up and the checks that need it (useful
where diatheke is missing).
"""

import csv
import os
import re
import sys
from collections import Counter

import comprobaciones
from avisos import Fila
from biblia import LIBROS, MODULE, leer_biblia, normaliza, versos_citados

CABECERA = ["Orden", "Nivel", "Enunciado", "RespA", "RespB", "RespC", "RespD",
            "LetraCorrecta", "Veces", "ID", "Referencia", "Evidencia"]

MAX_ENUNCIADO = 140
MAX_RESPUESTA = 40
MAX_PARTE_LIBRO = 0.15
MIN_FILAS_LIBRO = 100


def nivel_de_archivo(ruta):
    m = re.search(r"nivel(\d)\.csv$", os.path.basename(ruta))
    return int(m.group(1)) if m else None


class Informe:
    def __init__(self):
        self.problemas = 0

    def __call__(self, ruta, linea, mensaje):
        self.problemas += 1
        print("%s:%s: %s" % (ruta, linea, mensaje))


def revisar_archivo(ruta, biblia, informe, ids_vistos, enunciados_vistos, filas_leidas):
    nivel = nivel_de_archivo(ruta)
    try:
        with open(ruta, encoding="utf-8", newline="") as f:
            lector = csv.reader(f)
            filas, lineas = [], []
            previa = 0
            for fila in lector:
                filas.append(fila)
                lineas.append(previa + 1)  # line where the row starts
                previa = lector.line_num
    except (OSError, UnicodeDecodeError, csv.Error) as e:
        informe(ruta, 0, "no se puede leer: %s" % e)
        return 0
    if not filas or filas[0] != CABECERA:
        informe(ruta, 1, "cabecera distinta de: %s" % ",".join(CABECERA))
        return 0

    letras = Counter()
    libros = Counter()
    total = 0
    for donde, fila in zip(lineas[1:], filas[1:]):
        if len(fila) != len(CABECERA):
            informe(ruta, donde, "%d columnas en vez de %d" % (len(fila), len(CABECERA)))
            continue
        total += 1
        d = dict(zip(CABECERA, fila))
        filas_leidas.append(Fila(ruta, donde, d))
        vacios = [k for k in CABECERA if not d[k].strip()]
        if vacios:
            informe(ruta, donde, "campos vacíos: %s" % ", ".join(vacios))

        if not re.fullmatch(r"\d{1,3}", d["Orden"]):
            informe(ruta, donde, "Orden no es un número de 0 a 999: %r" % d["Orden"])
        if d["Veces"] != "0":
            informe(ruta, donde, "Veces debe ser 0: %r" % d["Veces"])
        if not re.fullmatch(r"[1-5]", d["Nivel"]):
            informe(ruta, donde, "Nivel no es de 1 a 5: %r" % d["Nivel"])
        elif nivel is not None and int(d["Nivel"]) != nivel:
            informe(ruta, donde, "Nivel %s en el archivo del nivel %d" % (d["Nivel"], nivel))

        if not re.fullmatch(r"\d+", d["ID"]):
            informe(ruta, donde, "ID no es un número: %r" % d["ID"])
        else:
            ident = int(d["ID"])
            if ident in ids_vistos:
                informe(ruta, donde, "ID %d repetido (ya en %s)" % (ident, ids_vistos[ident]))
            else:
                ids_vistos[ident] = "%s:%s" % (ruta, donde)
            if re.fullmatch(r"[1-5]", d["Nivel"]):
                base = int(d["Nivel"]) * 1000
                if not base < ident < base + 1000:
                    informe(ruta, donde, "ID %d fuera del bloque del nivel %s" % (ident, d["Nivel"]))

        letra = d["LetraCorrecta"]
        if letra not in ("A", "B", "C", "D"):
            informe(ruta, donde, "LetraCorrecta no es A-D: %r" % letra)
        else:
            letras[letra] += 1

        enunciado = d["Enunciado"].strip()
        if len(enunciado) > MAX_ENUNCIADO:
            informe(ruta, donde, "enunciado de %d caracteres (máximo %d)" % (len(enunciado), MAX_ENUNCIADO))
        if enunciado.endswith("?") and "¿" not in enunciado:
            informe(ruta, donde, "falta el signo de apertura «¿»")
        clave = normaliza(enunciado).casefold()
        if clave:
            if clave in enunciados_vistos:
                informe(ruta, donde, "misma pregunta que %s" % enunciados_vistos[clave])
            else:
                enunciados_vistos[clave] = "%s:%s" % (ruta, donde)

        respuestas = [d["RespA"], d["RespB"], d["RespC"], d["RespD"]]
        for l, r in zip("ABCD", respuestas):
            if len(r.strip()) > MAX_RESPUESTA:
                informe(ruta, donde, "respuesta %s de %d caracteres (máximo %d)" % (l, len(r.strip()), MAX_RESPUESTA))
        plegadas = [normaliza(r).casefold() for r in respuestas]
        if len(set(plegadas)) != 4:
            informe(ruta, donde, "respuestas repetidas")

        cita, error = versos_citados(d["Referencia"])
        if error:
            informe(ruta, donde, error)
            continue
        libros[cita[0]] += 1
        if biblia is None:
            continue
        libro, cap, v1, v2 = cita
        faltan = [v for v in range(v1, v2 + 1) if (libro, cap, v) not in biblia]
        if faltan:
            informe(ruta, donde, "%s no existe en la Reina-Valera 1909 (faltan %s)"
                    % (d["Referencia"], ", ".join("%d:%d" % (cap, v) for v in faltan)))
            continue
        pasaje = " ".join(biblia[(libro, cap, v)] for v in range(v1, v2 + 1))
        evidencia = normaliza(d["Evidencia"])
        if evidencia and evidencia not in pasaje:
            informe(ruta, donde, "la evidencia no está en %s: %r" % (d["Referencia"], evidencia))

    if total >= 20:
        for l in "ABCD":
            parte = letras[l] / total
            if abs(parte - 0.25) > 0.02:
                informe(ruta, 0, "la letra %s es la correcta en %d de %d filas (%.1f%%; se pide 25%% ± 2%%)"
                        % (l, letras[l], total, 100 * parte))
    if total >= MIN_FILAS_LIBRO:
        for libro, cuantas in sorted(libros.items()):
            if cuantas > MAX_PARTE_LIBRO * total:
                informe(ruta, 0, "%s da %d de %d preguntas (%.1f%%; se pide a lo sumo %d%%)"
                        % (LIBROS[libro][0], cuantas, total, 100 * cuantas / total, 100 * MAX_PARTE_LIBRO))
    return total


def main(argv):
    args = [a for a in argv if a != "--sin-biblia"]
    sin_biblia = len(args) != len(argv)
    if any(a.startswith("-") for a in args):
        print(__doc__)
        return 2
    if not args:
        raiz = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
        carpeta = os.path.join(raiz, "data", "preguntas")
        args = sorted(os.path.join(carpeta, f) for f in os.listdir(carpeta)
                      if re.fullmatch(r"nivel\d\.csv", f))
    biblia = None
    if not sin_biblia:
        try:
            biblia = leer_biblia()
        except OSError as e:
            print("no se puede ejecutar diatheke: %s" % e)
            return 2
        if biblia is None:
            print("diatheke no devolvió el texto completo del módulo %s "
                  "(¿está instalado sword-text-sparv?)" % MODULE)
            return 2

    informe = Informe()
    ids, enunciados, filas = {}, {}, []
    resumen = []
    for ruta in args:
        resumen.append((ruta, revisar_archivo(ruta, biblia, informe, ids, enunciados, filas)))
    comprobaciones.revisar(filas, biblia, informe,
                           niveles={nivel_de_archivo(r) for r in args} - {None})
    for ruta, total in resumen:
        print("%s: %d preguntas" % (ruta, total), file=sys.stderr)
    if informe.problemas:
        print("%d problemas" % informe.problemas)
        return 1
    print("sin problemas", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
