"""Words, folds and proper names in the questions' Spanish and the 1909's."""

import re
import unicodedata

PALABRA_RE = re.compile(r"[^\W\d_]+(?:-[^\W\d_]+)*")

# Marks that open a sentence or a quotation; a word right after them may be
# capitalised only because it starts one.
APERTURAS = "¿¡«\"“‘'(["
CITAS = "«\"“‘"
FINES = ".!?:…"

# Capitalised words that are not names a verse must show: God's names and
# Christ's titles (the 1909 says "Dios", "Jehová", "Señor" or "el Altísimo"
# as it pleases), and the names of the books when a question cites one.
COMUNES = {
    "Dios", "Señor", "Jehová", "Espíritu", "Santo", "Padre", "Hijo",
    "Altísimo", "Omnipotente", "Salvador", "Ángel", "Cordero", "Verbo",
    "Pastor", "León", "Rey", "Maestro", "Mesías", "Sumo", "Sacerdote",
    "Bautista",
    "Génesis", "Éxodo", "Levítico", "Números", "Deuteronomio", "Crónicas",
    "Reyes", "Salmo", "Salmos", "Proverbios", "Eclesiastés", "Cantares",
    "Lamentaciones", "Hechos", "Romanos", "Corintios", "Gálatas", "Efesios",
    "Filipenses", "Colosenses", "Tesalonicenses", "Hebreos", "Apocalipsis",
}

ROMANO_RE = re.compile(r"[IVX]+")


def sin_tildes(texto):
    """Lower case without accents or diaeresis ("Joás" -> "joas"); ñ stays."""
    descompuesto = unicodedata.normalize("NFD", texto.lower())
    sin = "".join(c for c in descompuesto
                  if not unicodedata.combining(c) or c == "\u0303")
    return unicodedata.normalize("NFC", sin)


_CLAVE_CAMBIOS = [("ph", "f"), ("th", "t"), ("ch", "c"), ("qu", "c"),
                  ("k", "c"), ("z", "s"), ("ce", "se"), ("ci", "si"),
                  ("v", "b"), ("y", "i"), ("ñ", "n"), ("h", ""), ("-", "")]


def clave_1909(palabra):
    """A key under which a modern spelling and the 1909's meet.

    The 1909 writes "Michâl", "Ezechîas", "Nathán", "Goliath", "Assuero",
    "Jerusalem"; the base writes "Mical", "Ezequías", "Natán", "Goliat",
    "Asuero", "Jerusalén". Both fold to the same key. Names the fold cannot reach are mapped in nombres.csv.
    """
    clave = sin_tildes(palabra)
    for viejo, nuevo in _CLAVE_CAMBIOS:
        clave = clave.replace(viejo, nuevo)
    clave = re.sub(r"m(?=[bp]|$)", "n", clave)  # "Adam", "Absalom", "Samballat"
    return re.sub(r"(.)\1+", r"\1", clave)


def palabras(texto):
    """(word, starts a sentence) for each word of a question or answer."""
    for m in PALABRA_RE.finditer(texto):
        antes = texto[:m.start()].rstrip()
        abre = False
        while antes and antes[-1] in APERTURAS:
            abre = abre or antes[-1] in CITAS
            antes = antes[:-1].rstrip()
        yield m.group(), abre or not antes or antes[-1] in FINES


def es_mayuscula(palabra):
    return palabra[:1].isupper() and len(palabra) > 1 and not ROMANO_RE.fullmatch(palabra)


def mayusculas_interiores(textos):
    """Capitalised words seen inside a sentence: names the base itself uses."""
    vistos = set()
    for texto in textos:
        for palabra, inicio in palabras(texto):
            if not inicio and es_mayuscula(palabra) and palabra not in COMUNES:
                vistos.add(palabra)
    return vistos


def nombres_en(texto, conocidos):
    """The proper names in a text.

    A capitalised word inside a sentence is a name unless it is one of
    COMUNES. A word that starts a sentence ("¿Moisés subió…?", an answer
    "Mical") is capitalised anyway, so it counts only when it is a known name:
    one of nombres.csv, or one the base writes capitalised inside a sentence.
    """
    hallados = []
    for palabra, inicio in palabras(texto):
        if not es_mayuscula(palabra) or palabra in COMUNES:
            continue
        if inicio and palabra not in conocidos:
            continue
        if palabra not in hallados:
            hallados.append(palabra)
    return hallados
