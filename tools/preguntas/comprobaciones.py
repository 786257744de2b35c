"""The checks that catch what a reader of the questions finds, run together.

Each check yields avisos.Aviso; a reviewed entry of excepciones.csv (the
question's ID, the check, the word it is about, and why) silences one, and an
entry that silences nothing is itself reported, so the list stays short.
"""

import a_personal
import cerca_del_verso
import delatoras
import grafias
import numeros
import ortografia
from avisos import textos
from listas import leer_excepciones, leer_nombres
from texto import mayusculas_interiores

CON_BIBLIA = [cerca_del_verso, numeros]
SIN_BIBLIA = [grafias, ortografia, a_personal, delatoras]
# Only a reader's judgement can clear these; the others are fixed in the base.
JUZGABLES = {cerca_del_verso.COMPROBACION, numeros.COMPROBACION, a_personal.COMPROBACION,
             delatoras.COMPROBACION}


class Contexto:
    """What the checks share: the text, the name list, the base's names."""

    def __init__(self, filas, biblia, nombres):
        self.biblia = biblia
        self.nombres = nombres
        self.conocidos = set(nombres.aceptados) | mayusculas_interiores(
            t for fila in filas for t in textos(fila))
        self._indice = None

    def indice_numeros(self):
        if self._indice is None:
            self._indice = numeros.Indice(self.biblia)
        return self._indice


def revisar(filas, biblia, informe, niveles=None, nombres=None, excepciones=None):
    """Runs every check on `filas` (avisos.Fila) and reports through
    informe(file, line, message) what no exception silences.

    `niveles`: the levels whose files were all read; an unused exception for a
    question of one of them is reported (None: those of `filas`).
    """
    nombres = nombres if nombres is not None else leer_nombres()
    excepciones = excepciones if excepciones is not None else leer_excepciones()
    contexto = Contexto(filas, biblia, nombres)
    permitidas = {}
    for e in excepciones:
        if e.comprobacion not in JUZGABLES:
            informe(e.ruta, e.linea, "excepción de una comprobación que no las admite: %r "
                    "(solo %s)" % (e.comprobacion, ", ".join(sorted(JUZGABLES))))
        elif not e.motivo or not e.id.isdigit() or not e.clave:
            informe(e.ruta, e.linea, "excepción sin ID, clave o motivo")
        else:
            permitidas[(int(e.id), e.comprobacion, e.clave)] = e
    usadas = set()
    modulos = SIN_BIBLIA + (CON_BIBLIA if biblia is not None else [])
    for modulo in modulos:
        for aviso in modulo.revisar(filas, contexto):
            ident = aviso.fila.campos["ID"]
            clave = (int(ident) if ident.isdigit() else None, aviso.comprobacion, aviso.clave)
            if clave in permitidas:
                usadas.add(clave)
            else:
                # The ID finds the question when the file has moved on.
                informe(aviso.fila.ruta, aviso.fila.linea, "pregunta %s: %s" % (ident, aviso.mensaje))
    if niveles is None:
        niveles = {f.campos["Nivel"] for f in filas}
    for clave, e in permitidas.items():
        if clave not in usadas and str(clave[0] // 1000) in {str(n) for n in niveles} \
                and (biblia is not None or clave[1] not in {m.COMPROBACION for m in CON_BIBLIA}):
            informe(e.ruta, e.linea, "la excepción de %s «%s» para la pregunta %s ya no "
                    "silencia nada: quítela" % (e.comprobacion, e.clave, e.id))
