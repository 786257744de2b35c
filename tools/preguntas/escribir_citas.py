#!/usr/bin/env python3
"""Writes QBase.citas, the passages that travel beside the question base.

Usage:
    escribir_citas.py SALIDA CSV...

One line per question of the CSV sources, UTF-8, four fields separated by a
tab: the question's ID, its reference as printed Bibles number it
("Génesis 6:14"), the text of the whole passage in the Reina-Valera 1909 and
the phrase that proves the answer; a first line names the fields. The Bible
is read as the checks read it (biblia.py, the printed numbering), so a
passage here is the one verificar_citas.py proved. The file is written aside
and renamed into place; a question whose passage cannot be found stops it
(exit status 1), an unreadable Bible too (2).
"""

import csv
import os
import sys

from biblia import MODULE, leer_biblia, normaliza, pasaje, versos_citados

CABECERA = "ID\tReferencia\tTexto\tEvidencia"


def filas_de(rutas):
    """(file, line, ID, reference, evidence) of every row of the sources."""
    for ruta in rutas:
        with open(ruta, encoding="utf-8", newline="") as f:
            lector = csv.DictReader(f)
            for fila in lector:
                yield ruta, lector.line_num, fila["ID"].strip(), fila["Referencia"].strip(), fila["Evidencia"]


def lineas(biblia, rutas):
    """The file's lines, and the problems found on the way."""
    salida, problemas = [CABECERA], []
    for ruta, linea, ident, referencia, evidencia in filas_de(rutas):
        cita, error = versos_citados(referencia)
        texto = pasaje(biblia, cita) if cita else None
        if not ident.isdigit() or texto is None:
            problemas.append("%s:%d: sin pasaje para %r (%s)" % (ruta, linea, referencia, error or "no está en el texto"))
            continue
        # Text is whitespace-collapsed, so no field can hold a tab or a line end.
        salida.append("\t".join([ident, normaliza(referencia), texto, normaliza(evidencia)]))
    return salida, problemas


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    destino, fuentes = argv[0], argv[1:]
    biblia = leer_biblia()
    if biblia is None:
        print("diatheke no devolvió el texto completo del módulo %s" % MODULE)
        return 2
    texto, problemas = lineas(biblia, fuentes)
    for p in problemas:
        print(p)
    if problemas:
        return 1
    aparte = destino + ".escribiendo"
    with open(aparte, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(texto) + "\n")
    os.replace(aparte, destino)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
