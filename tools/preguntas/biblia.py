"""The Reina-Valera 1909 as the question checks see it.

The whole text is read once through diatheke (Debian's sword-text-sparv,
module spaRV1909eb) into {(book index, chapter, verse): text}, the keys in the
order of the text; every check that needs a verse shares that one reading.

The keys are the verse numbers a printed Reina-Valera shows, not the
module's: in a few chapters the module lays the text out otherwise (Jonah's
great fish is its 2:1, a printed Bible's 1:17). data/preguntas/numeracion.csv
lists where each of those printed verses begins in the module's text; the
question editor reads the same file.
"""

import os
import re
import subprocess
import unicodedata

MODULE = "spaRV1909eb"
NUMERACION = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))),
                          "data", "preguntas", "numeracion.csv")

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

CLAVE_RE = re.compile(r"^(\S+) (\d+):(\d+)(?:-(\d+))?$")
REF_RE = re.compile(r"^(.+?) (\d+):(\d+)(?:-(\d+))?$")
VERSO_RE = re.compile(r"^(.+?) (\d+):(\d+): ?(.*)$")
STRONG_RE = re.compile(r"\s*<[GH]\d+[a-z]?>")


def normaliza(texto):
    """Collapses white space (the text keeps trailing blanks and doubled spaces)."""
    return " ".join(unicodedata.normalize("NFC", texto).split())


def leer_numeracion(ruta=NUMERACION):
    """{(book, chapter, printed verse): ((chapter, module verse), first words or "")}.

    Each row of the file: the printed verse or range ("Jonás 2:1-9"), the
    module's verse or range of the same length where each begins ("Jonah
    2:2-10"), and, for a verse that begins inside the module's verse, the
    words it begins with (the rest of the line, commas and all).
    """
    osis = {codigo: i for i, (_, codigo) in enumerate(LIBROS)}
    tabla = {}
    with open(ruta, encoding="utf-8") as f:
        lineas = f.read().splitlines()
    for n, linea in enumerate(lineas[1:], start=2):
        partes = linea.split(",", 2)
        if len(partes) != 3:
            raise ValueError("%s:%d: se esperan tres columnas" % (ruta, n))
        impreso, modulo, empieza = (p.strip() for p in partes)
        m, k = REF_RE.match(impreso), CLAVE_RE.match(modulo)
        if not m or not k or m.group(1) not in INDICE_LIBRO or osis.get(k.group(1)) != INDICE_LIBRO[m.group(1)]:
            raise ValueError("%s:%d: fila ilegible: %s" % (ruta, n, linea))
        libro = INDICE_LIBRO[m.group(1)]
        v1, v2 = int(m.group(3)), int(m.group(4) or m.group(3))
        w1, w2 = int(k.group(3)), int(k.group(4) or k.group(3))
        if v2 - v1 != w2 - w1 or v2 < v1 or (empieza and v1 != v2):
            raise ValueError("%s:%d: los rangos no casan: %s" % (ruta, n, linea))
        for i in range(v2 - v1 + 1):
            tabla[(libro, int(m.group(2)), v1 + i)] = ((int(k.group(2)), w1 + i), empieza)
    return tabla


def numeracion_impresa(modulo, tabla):
    """The module's verses {(book, chapter, verse): text, "" when empty}, in
    the order of the text, renumbered as a printed Bible: each printed verse
    runs from where it begins to where the next one begins."""
    impresa = {}
    libros = {}
    for clave in modulo:
        libros.setdefault(clave[0], []).append(clave[1:])
    for libro, claves in libros.items():
        partes, donde = [], {}
        largo = 0
        for clave in claves:
            donde[clave] = largo
            if modulo[(libro,) + clave]:
                partes.append(modulo[(libro,) + clave])
                largo += len(partes[-1]) + 1
        texto = " ".join(partes)
        impresos = sorted(set(claves) | {k[1:] for k in tabla if k[0] == libro})
        inicios = []
        for clave in impresos:
            (cap, verso), empieza = tabla.get((libro,) + clave, (clave, ""))
            if (cap, verso) not in donde:
                raise ValueError("%s %d:%d no está en el módulo" % (LIBROS[libro][1], cap, verso))
            inicio = donde[(cap, verso)]
            if empieza:
                dentro = modulo[(libro, cap, verso)].find(empieza)
                if dentro < 0:
                    raise ValueError("%s %d:%d no contiene %r" % (LIBROS[libro][1], cap, verso, empieza))
                inicio += dentro
            if inicios and inicio < inicios[-1]:
                raise ValueError("%s %d:%d empieza antes que el versículo anterior"
                                 % (LIBROS[libro][0], clave[0], clave[1]))
            inicios.append(inicio)
        inicios.append(len(texto))
        for i, clave in enumerate(impresos):
            impresa[(libro,) + clave] = texto[inicios[i]:inicios[i + 1]].strip()
    return impresa


def leer_modulo():
    """{(book index, chapter, verse): text} as the module numbers it, the
    verses it leaves empty included (as ""); None when the text is incomplete.

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
        versos[(libro, int(m.group(2)), int(m.group(3)))] = normaliza(STRONG_RE.sub("", m.group(4)))
    if libro != len(LIBROS) - 1 or len(versos) < 30000:
        return None
    return versos


def leer_biblia():
    """Returns {(book index, chapter, verse): text} for the whole module, in
    the printed numbering; verses this text leaves out are not there."""
    modulo = leer_modulo()
    if modulo is None:
        return None
    impresa = numeracion_impresa(modulo, leer_numeracion())
    return {clave: texto for clave, texto in impresa.items() if texto}


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
