#!/usr/bin/env python3
"""Checks the question source files against the Reina-Valera 1909.

Usage:
    verificar_citas.py [--sin-biblia] [CSV ...]

With no file it checks every data/preguntas/nivel*.csv of this repository.

For each row it checks:
  * the header and the column count (12 columns);
  * `Referencia` names a book as Spanish Bibles write it and a chapter:verse
    (or a verse range inside one chapter) that exists in the Reina-Valera 1909
    text of Debian's sword-text-sparv (module spaRV1909eb, read with diatheke);
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
    (only for files of 20 rows or more).

Every problem is printed as "file:line: message"; the exit status is 1 when
there is any, 2 when the Bible text cannot be read, 0 otherwise.
--sin-biblia skips the Bible look-up (useful where diatheke is missing).
"""

import csv
import os
import re
import subprocess
import sys
import unicodedata
from collections import Counter, defaultdict

MODULE = "spaRV1909eb"

CABECERA = ["Orden", "Nivel", "Enunciado", "RespA", "RespB", "RespC", "RespD",
            "LetraCorrecta", "Veces", "ID", "Referencia", "Evidencia"]

# Spanish book name -> diatheke key, in canonical order (the order of the text).
LIBROS = [
    ("Génesis", "Gen"), ("Éxodo", "Exod"), ("Levítico", "Lev"),
    ("Números", "Num"), ("Deuteronomio", "Deut"), ("Josué", "Josh"),
    ("Jueces", "Judg"), ("Rut", "Ruth"), ("1 Samuel", "1Sam"),
    ("2 Samuel", "2Sam"), ("1 Reyes", "1Kgs"), ("2 Reyes", "2Kgs"),
    ("1 Crónicas", "1Chr"), ("2 Crónicas", "2Chr"), ("Esdras", "Ezra"),
    ("Nehemías", "Neh"), ("Ester", "Esth"), ("Job", "Job"),
    ("Salmos", "Ps"), ("Proverbios", "Prov"), ("Eclesiastés", "Eccl"),
    ("Cantares", "Song"), ("Isaías", "Isa"), ("Jeremías", "Jer"),
    ("Lamentaciones", "Lam"), ("Ezequiel", "Ezek"), ("Daniel", "Dan"),
    ("Oseas", "Hos"), ("Joel", "Joel"), ("Amós", "Amos"),
    ("Abdías", "Obad"), ("Jonás", "Jonah"), ("Miqueas", "Mic"),
    ("Nahúm", "Nah"), ("Habacuc", "Hab"), ("Sofonías", "Zeph"),
    ("Hageo", "Hag"), ("Zacarías", "Zech"), ("Malaquías", "Mal"),
    ("Mateo", "Matt"), ("Marcos", "Mark"), ("Lucas", "Luke"),
    ("Juan", "John"), ("Hechos", "Acts"), ("Romanos", "Rom"),
    ("1 Corintios", "1Cor"), ("2 Corintios", "2Cor"), ("Gálatas", "Gal"),
    ("Efesios", "Eph"), ("Filipenses", "Phil"), ("Colosenses", "Col"),
    ("1 Tesalonicenses", "1Thess"), ("2 Tesalonicenses", "2Thess"),
    ("1 Timoteo", "1Tim"), ("2 Timoteo", "2Tim"), ("Tito", "Titus"),
    ("Filemón", "Phlm"), ("Hebreos", "Heb"), ("Santiago", "Jas"),
    ("1 Pedro", "1Pet"), ("2 Pedro", "2Pet"), ("1 Juan", "1John"),
    ("2 Juan", "2John"), ("3 Juan", "3John"), ("Judas", "Jude"),
    ("Apocalipsis", "Rev"),
]
INDICE_LIBRO = {nombre: i for i, (nombre, _) in enumerate(LIBROS)}

REF_RE = re.compile(r"^(.+?) (\d+):(\d+)(?:-(\d+))?$")
VERSO_RE = re.compile(r"^(.+?) (\d+):(\d+): ?(.*)$")
STRONG_RE = re.compile(r"\s*<[GH]\d+[a-z]?>")

MAX_ENUNCIADO = 140
MAX_RESPUESTA = 40


def normaliza(texto):
    """Collapses white space (the text keeps trailing blanks and doubled spaces)."""
    return " ".join(unicodedata.normalize("NFC", texto).split())


def leer_biblia():
    """Returns {(book index, chapter, verse): text} for the whole module.

    The whole text is read once: asking diatheke for a verse past the end of a
    chapter silently gives a verse of the next chapter or book, so a look-up by
    key cannot tell a wrong reference from a right one; an index can.
    """
    salida = subprocess.run(
        ["diatheke", "-b", MODULE, "-f", "plain", "-k", "Gen 1:1-Rev 22:21"],
        capture_output=True, check=False)
    texto = salida.stdout.decode("utf-8", errors="replace")
    versos = {}
    libro = -1
    ultimo_nombre = None
    for linea in texto.splitlines():
        m = VERSO_RE.match(linea)
        if not m:
            continue
        nombre = m.group(1)
        if nombre != ultimo_nombre:
            libro += 1
            ultimo_nombre = nombre
        limpio = normaliza(STRONG_RE.sub("", m.group(4)))
        if limpio:  # verses this text leaves out print empty
            versos[(libro, int(m.group(2)), int(m.group(3)))] = limpio
    if libro != len(LIBROS) - 1 or len(versos) < 30000:
        return None
    return versos


def versos_citados(referencia):
    """(book index, chapter, first, last) for a reference, or an error text."""
    m = REF_RE.match(referencia.strip())
    if not m:
        return None, "referencia mal escrita: %r (se espera «Libro C:V» o «Libro C:V-W»)" % referencia
    libro, cap, v1, v2 = m.group(1), int(m.group(2)), int(m.group(3)), m.group(4)
    v2 = int(v2) if v2 else v1
    if libro not in INDICE_LIBRO:
        return None, "libro desconocido: %r" % libro
    if v2 < v1:
        return None, "rango de versos al revés: %r" % referencia
    return (INDICE_LIBRO[libro], cap, v1, v2), None


def nivel_de_archivo(ruta):
    m = re.search(r"nivel(\d)\.csv$", os.path.basename(ruta))
    return int(m.group(1)) if m else None


class Informe:
    def __init__(self):
        self.problemas = 0

    def __call__(self, ruta, linea, mensaje):
        self.problemas += 1
        print("%s:%s: %s" % (ruta, linea, mensaje))


def revisar_archivo(ruta, biblia, informe, ids_vistos, enunciados_vistos):
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
    total = 0
    for donde, fila in zip(lineas[1:], filas[1:]):
        if len(fila) != len(CABECERA):
            informe(ruta, donde, "%d columnas en vez de %d" % (len(fila), len(CABECERA)))
            continue
        total += 1
        d = dict(zip(CABECERA, fila))
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
    ids, enunciados = {}, {}
    resumen = []
    for ruta in args:
        resumen.append((ruta, revisar_archivo(ruta, biblia, informe, ids, enunciados)))
    for ruta, total in resumen:
        print("%s: %d preguntas" % (ruta, total), file=sys.stderr)
    if informe.problemas:
        print("%d problemas" % informe.problemas)
        return 1
    print("sin problemas", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
