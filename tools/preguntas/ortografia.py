"""Spelling of the Real Academia's Ortografía of 2010, and the 1909's old
spellings that slip in when a question is copied from the verse."""

import re

from avisos import Aviso, textos

COMPROBACION = "ortografía"

# Words that lost their accent in 2010 (monosyllables by spelling; "solo" and
# the demonstratives), and the 1909's own accents ("fué", "á").
_SIN_TILDE = """
    rió guió fió lió crió frió pió huí huís riáis guiáis fiáis liáis criáis
    guié fié lié crié frié guión truhán ión
    sólo éste ésta éstos éstas ése ésa ésos ésas aquél aquélla aquéllos aquéllas
    ésto éso aquéllo
    fué fuí dió vió dí ví tí fé pié á é ó
""".split()
CAMBIOS = {p: p.translate(str.maketrans("áéíóú", "aeiou")) for p in _SIN_TILDE}
_RE = re.compile(r"(?<![^\W\d_])(%s)(?![^\W\d_])" % "|".join(sorted(CAMBIOS, key=len, reverse=True)),
                 re.IGNORECASE)


def revisar(filas, contexto):
    for fila in filas:
        for texto in textos(fila):
            for m in _RE.finditer(texto):
                escrita = m.group()
                bien = CAMBIOS[escrita.lower()]
                if escrita[0].isupper():
                    bien = bien[0].upper() + bien[1:]
                yield Aviso(fila, COMPROBACION, escrita,
                            "«%s» se escribe «%s» (Ortografía de la RAE, 2010)" % (escrita, bien))
