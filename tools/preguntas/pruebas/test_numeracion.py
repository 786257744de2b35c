"""The printed verse numbers: the renumbering on a made-up module, and every
known difference of the real one (data/preguntas/numeracion.csv) against
numeracion_esperada.tsv, which the editor's test reads too.

Run: python3 -m unittest discover -s tools/preguntas/pruebas
"""

import os
import shutil
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import biblia  # noqa: E402

ESPERADA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "numeracion_esperada.tsv")
JONAS = biblia.INDICE_LIBRO["Jonás"]


def modulo(**versos):
    """A made-up module of Jonah: {"1:16": text, ...}, in the order given."""
    return {(JONAS, int(c), int(v)): t for (c, v), t in
            ((k.lstrip("_").split("_"), t) for k, t in versos.items())}


class RenumeracionInventada(unittest.TestCase):
    # As the module holds Jonah: the fish opens chapter 2, 1:17 is empty and
    # its last verse holds two printed ones.
    MODULO = modulo(_1_16="Y temieron.", _1_17="", _2_1="MAS Jehová había prevenido un gran pez.",
                    _2_2="Y oró Jonás.", _2_3="Yo empero te sacrificaré. Y mandó Jehová al pez.")
    TABLA = {(JONAS, 1, 17): ((2, 1), ""), (JONAS, 2, 1): ((2, 2), ""),
             (JONAS, 2, 2): ((2, 3), ""), (JONAS, 2, 3): ((2, 3), "Y mandó")}

    def test_desplazados_y_partidos(self):
        impresa = biblia.numeracion_impresa(self.MODULO, self.TABLA)
        self.assertEqual(list(impresa), [(JONAS, 1, 16), (JONAS, 1, 17), (JONAS, 2, 1), (JONAS, 2, 2), (JONAS, 2, 3)])
        self.assertEqual(impresa[(JONAS, 1, 17)], "MAS Jehová había prevenido un gran pez.")
        self.assertEqual(impresa[(JONAS, 2, 2)], "Yo empero te sacrificaré.")
        self.assertEqual(impresa[(JONAS, 2, 3)], "Y mandó Jehová al pez.")

    def test_sin_tabla_el_vacio_no_es_versiculo(self):
        impresa = biblia.numeracion_impresa(self.MODULO, {})
        self.assertEqual(impresa[(JONAS, 1, 17)], "")
        self.assertEqual(impresa[(JONAS, 2, 1)], "MAS Jehová había prevenido un gran pez.")

    def test_tabla_erronea(self):
        for fila in ({(JONAS, 2, 3): ((2, 3), "no está")},                       # words not in the verse
                     {(JONAS, 2, 1): ((2, 3), ""), (JONAS, 2, 2): ((2, 2), "")},  # out of order
                     {(JONAS, 2, 1): ((9, 9), "")}):                              # no such verse
            with self.assertRaises(ValueError):
                biblia.numeracion_impresa(self.MODULO, fila)

    def test_la_tabla_del_juego_se_lee(self):
        tabla = biblia.leer_numeracion()
        self.assertEqual(tabla[(JONAS, 1, 17)], ((2, 1), ""))
        self.assertEqual(tabla[(JONAS, 2, 10)], ((2, 10), "Y mandó Jehová al pez"))


def esperadas():
    with open(ESPERADA, encoding="utf-8") as f:
        return [linea.split("\t") for linea in f.read().splitlines()[1:]]


@unittest.skipUnless(shutil.which("diatheke"), "sin diatheke no hay texto de la Biblia")
class NumeracionDelModulo(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.modulo = biblia.leer_modulo()
        if cls.modulo is None:
            raise unittest.SkipTest("el módulo %s no está instalado" % biblia.MODULE)
        cls.tabla = biblia.leer_numeracion()
        cls.impresa = biblia.numeracion_impresa(cls.modulo, cls.tabla)

    def test_cada_diferencia(self):
        for impreso, clave, empieza, termina in esperadas():
            with self.subTest(impreso):
                (libro, cap, verso, _), error = biblia.versos_citados(impreso)
                self.assertIsNone(error)
                (mc, mv), _ = self.tabla.get((libro, cap, verso), ((cap, verso), ""))
                self.assertEqual("%s %d:%d" % (biblia.LIBROS[libro][1], mc, mv), clave)
                texto = self.impresa[(libro, cap, verso)]
                self.assertTrue(texto.startswith(empieza), texto)
                self.assertTrue(texto.endswith(termina), texto)

    def test_cada_fila_de_la_tabla_se_prueba(self):
        probadas = {fila[0] for fila in esperadas()}
        with open(biblia.NUMERACION, encoding="utf-8") as f:
            for linea in f.read().splitlines()[1:]:
                impreso = linea.split(",")[0]
                primero = impreso.split("-")[0]
                self.assertIn(primero, probadas)

    def test_ningun_versiculo_impreso_vacio(self):
        # Every verse the module leaves empty is the end of a printed one that
        # moved; the printed text leaves none out but the one 3 John adds.
        vacios = [k for k, t in self.impresa.items() if not t]
        self.assertEqual(vacios, [])
        self.assertEqual(len(self.impresa), len(self.modulo) + 1)


if __name__ == "__main__":
    unittest.main()
