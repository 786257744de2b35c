"""The Reina-Valera 1909 as the question checks see it.

The whole text is read once through diatheke (Debian's sword-text-sparv,
module spaRV1909eb) into {(book index, chapter, verse): text}, the keys in the
order of the text; every check that needs a verse shares that one reading.
"""

import re
import subprocess
import unicodedata

MODULE = "spaRV1909eb"

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


def pasaje(biblia, cita):
    """The cited verses' text joined, or None when one is missing."""
    libro, cap, v1, v2 = cita
    versos = [biblia.get((libro, cap, v)) for v in range(v1, v2 + 1)]
    return None if None in versos else " ".join(versos)
