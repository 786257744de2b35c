"""The question checks on small made-up files and a few verses of the 1909.

Run: python3 -m unittest discover -s tools/preguntas/pruebas
"""

import contextlib
import csv
import io
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import comprobaciones  # noqa: E402
import delatoras  # noqa: E402
import verificar_citas  # noqa: E402
from avisos import Fila  # noqa: E402
from biblia import INDICE_LIBRO  # noqa: E402
from listas import leer_excepciones, leer_nombres  # noqa: E402

# A made-up Bible: a few verses as the module prints them, and some filler
# so that a word is rarer than the text as a whole.
VERSOS = {
    "Génesis 18:12": "Rióse, pues, Sara entre sí, diciendo: ¿Después que he envejecido tendré deleite?",
    "1 Samuel 18:20": "Mas Michâl la otra hija de Saúl amaba á David; y fué dicho á Saúl, lo cual plugo en sus ojos.",
    "1 Samuel 18:25": "Y Saúl dijo: Decid así á David: No está el contentamiento del rey en el dote, "
                      "sino en cien prepucios de Filisteos.",
    "1 Samuel 18:27": "Levantóse David, y partióse con su gente, é hirió doscientos hombres de los Filisteos; "
                      "y Saúl le dió á su hija Michâl por mujer.",
    "2 Samuel 3:14": "Después de esto envió David mensajeros á Is-boseth hijo de Saúl, diciendo: "
                     "Restitúyeme á mi mujer Michâl, la cual yo desposé conmigo por cien prepucios de Filisteos.",
    "2 Samuel 5:4": "Era David de treinta años cuando comenzó á reinar, y reinó cuarenta años.",
    "2 Reyes 11:1": "Y ATHALÍA madre de Ochôzías, viendo que su hijo era muerto, levantóse.",
    "2 Reyes 11:2": "Pero tomando Josaba hija del rey Joram, á Joas hijo de Ochôzías, sacólo furtivamente, "
                    "y ocultólo de delante de Athalía.",
    "2 Reyes 11:3": "Y estuvo con ella escondido en la casa de Jehová seis años.",
    "2 Reyes 11:4": "Mas al séptimo año envió Joiada.",
    "2 Reyes 11:5": "Y mandóles diciendo: Esto es lo que habéis de hacer.",
    "2 Reyes 11:6": "Y la otra tercera parte estará á la puerta de Sur.",
    "2 Reyes 11:7": "Y las dos partes de vosotros, es á saber, todos los que salen el sábado.",
    "Jueces 15:15": "Y hirió con ella mil Filisteos, y tomó mujer.",  # made up: no David, no Mical
    "2 Reyes 22:14": "Entonces fué Hilcías el sacerdote á Hulda profetisa, y hablaron con ella.",
    "Ezequiel 1:1": "Estando yo en medio de los trasportados junto al río de Chebar, los cielos se abrieron, "
                    "y vi visiones de Dios.",
}
for _n in range(1, 41):
    VERSOS["Salmos 119:%d" % _n] = "Bienaventurados los perfectos de camino; la palabra %d." % _n


def biblia_de(versos):
    biblia = {}
    for ref, texto in versos.items():
        libro, cv = ref.rsplit(" ", 1)
        cap, verso = cv.split(":")
        biblia[(INDICE_LIBRO[libro], int(cap), int(verso))] = texto
    return dict(sorted(biblia.items()))


BIBLIA = biblia_de(VERSOS)

NOMBRES = """Nombre,Otras grafías,En la 1909
Atalía,,
David,,
Ezequiel,,
Ezequías,,
Joás,,
Josaba,,
Jehová,,
Jehú,,
Mical,Micol,
Moisés,,
Saúl,,
Sara,,
"""


class Base(unittest.TestCase):
    def avisos(self, filas, excepciones="", nombres=NOMBRES):
        """The messages of all checks on a level-5 file of `filas`.

        A row: (ID, question, [A, B, C, D], right letter, reference, evidence).
        """
        with tempfile.TemporaryDirectory() as carpeta:
            ruta = os.path.join(carpeta, "nivel5.csv")
            with open(ruta, "w", encoding="utf-8", newline="") as f:
                w = csv.writer(f, lineterminator="\n")
                w.writerow(verificar_citas.CABECERA)
                for ident, enunciado, resp, letra, ref, evid in filas:
                    w.writerow([1, 5, enunciado] + resp + [letra, 0, ident, ref, evid])
            for nombre, texto in (("nombres.csv", nombres),
                                  ("excepciones.csv", "ID,Comprobación,Clave,Motivo\n" + excepciones)):
                with open(os.path.join(carpeta, nombre), "w", encoding="utf-8") as f:
                    f.write(texto)
            hallados = []

            def informe(archivo, linea, mensaje):
                hallados.append((os.path.basename(archivo), linea, mensaje))

            leidas = []
            verificar_citas.revisar_archivo(ruta, BIBLIA, informe, {}, {}, leidas)
            comprobaciones.revisar(leidas, BIBLIA, informe, niveles={5},
                                   nombres=leer_nombres(os.path.join(carpeta, "nombres.csv")),
                                   excepciones=leer_excepciones(os.path.join(carpeta, "excepciones.csv")))
            return hallados


class NombresCercaDelVerso(Base):
    def test_nombres_en_el_verso_o_a_tres_versos(self):
        hallados = self.avisos([
            # Joás and Atalía stand as "Joas" and "Athalía": the fold finds them.
            (5001, "¿Quién escondió al niño Joás de Atalía?", ["Hulda", "Mical", "Sara", "Josaba"], "D",
             "2 Reyes 11:2", "Pero tomando Josaba"),
            # A name that starts the question counts when it is a known name.
            (5002, "¿Mical era hija de qué rey?", ["Saúl", "David", "Joram", "Acab"], "A",
             "1 Samuel 18:27", "Levantóse David"),
            # 11:2 names Joás, but it is five verses before 11:7.
            (5003, "¿Cuántos años escondieron a Joás en la casa de Jehová?", ["Seis", "Tres", "Diez", "Dos"], "A",
             "2 Reyes 11:7", "Y las dos partes de vosotros"),
            # The right answer's names count too; a wrong answer's do not.
            (5004, "¿A quién consultaron sobre el libro?", ["Sara", "Hulda", "Moisés", "Mical"], "C",
             "2 Reyes 22:14", "á Hulda profetisa"),
            # ... and is looked for like any other.
            (5006, "¿Moisés o Josaba: quién escondió a Joás?", ["Moisés", "Josaba", "Sara", "Mical"], "B",
             "2 Reyes 11:2", "Pero tomando Josaba"),
            # The book vouches for its own prophet, who speaks as "yo".
            (5005, "¿Junto a qué río vio Ezequiel visiones?", ["Quebar", "Jordán", "Nilo", "Ulai"], "A",
             "Ezequiel 1:1", "junto al río de Chebar"),
        ])
        hallados = [h for h in hallados if "delata" not in h[2] and "propia respuesta" not in h[2]]
        self.assertEqual(hallados, [
            ("nivel5.csv", 4, "pregunta 5003: el nombre «Joás» no aparece en 2 Reyes 11:7 ni a 3 versos de distancia "
                              "en la Reina-Valera 1909"),
            ("nivel5.csv", 5, "pregunta 5004: el nombre «Moisés» no aparece en 2 Reyes 22:14 ni a 3 versos de distancia "
                              "en la Reina-Valera 1909"),
            ("nivel5.csv", 6, "pregunta 5006: el nombre «Moisés» no aparece en 2 Reyes 11:2 ni a 3 versos de distancia "
                              "en la Reina-Valera 1909"),
        ])

    def test_una_excepcion_silencia_solo_su_nombre_y_su_pregunta(self):
        fila = (5003, "¿Cuántos años escondieron Josaba y Joás en la casa de Jehová?",
                ["Seis", "Tres", "Diez", "Dos"], "A", "2 Reyes 11:7", "Y las dos partes de vosotros")
        hallados = self.avisos([fila], excepciones=(
            "5003,nombre,Joás,el pasaje sigue hablando del niño escondido\n"
            "5099,nombre,Josaba,otra pregunta\n"))
        self.assertEqual([m for _, _, m in hallados], [
            "pregunta 5003: el nombre «Josaba» no aparece en 2 Reyes 11:7 ni a 3 versos de distancia en la Reina-Valera 1909",
            "la excepción de nombre «Josaba» para la pregunta 5099 ya no silencia nada: quítela",
        ])


class NumerosEnOtroPasaje(Base):
    FILA = (5118, "¿Cuántos filisteos hirió David para obtener a Mical por mujer?",
            ["Seiscientos", "Cien", "Doscientos", "Mil"], "C", "1 Samuel 18:27", "hirió doscientos hombres")

    def test_cien_prepucios_en_2_samuel_3_14(self):
        hallados = self.avisos([self.FILA])
        self.assertEqual(len(hallados), 1, hallados)
        archivo, linea, mensaje = hallados[0]
        self.assertEqual((archivo, linea), ("nivel5.csv", 2))
        self.assertIn("«Cien» (100)", mensaje)
        self.assertIn("2 Samuel 3:14 (David, filisteos, Mical, mujer)", mensaje)
        # 1 Samuel 18:25 has "cien" too, and Jueces 15:15 "mil", with words of
        # the question; but neither names Mical: they are not near enough.
        self.assertNotIn("18:25", mensaje)

    def test_solo_preguntas_de_cuatro_numeros(self):
        fila = self.FILA[:2] + (["Seiscientos", "Cien", "Doscientos", "Ninguno"],) + self.FILA[3:]
        self.assertEqual(self.avisos([fila]), [])

    def test_un_verso_que_da_tambien_la_respuesta_no_cuenta(self):
        # 2 Samuel 5:4 gives "treinta" and the right "cuarenta": a parallel.
        hallados = self.avisos([
            (5066, "¿Cuántos años reinó David?", ["Cincuenta", "Treinta", "Veinte", "Cuarenta"], "D",
             "1 Samuel 18:27", "Levantóse David"),
        ])
        self.assertEqual(hallados, [])

    def test_un_juicio_en_la_lista_silencia_esa_respuesta(self):
        hallados = self.avisos([self.FILA], excepciones="5118,número,Cien,juzgado en la prueba\n")
        self.assertEqual(hallados, [])
        hallados = self.avisos([self.FILA], excepciones="5118,número,Mil,juzgado en la prueba\n")
        self.assertEqual(sorted(m[:40] for _, _, m in hallados), [
            "la excepción de número «Mil» para la pre",
            "pregunta 5118: la respuesta incorrecta «",
        ])


class UnaGrafiaPorNombre(Base):
    def test_otra_grafia_tilde_y_parecidos(self):
        hallados = self.avisos([
            (5001, "¿Quién escondió a Joas?", ["Micol", "Mical", "Sara", "Josaba"], "D",
             "2 Reyes 11:2", "Pero tomando Josaba"),
            (5002, "¿Qué dijo Ezechías a Mical?", ["Nada", "Todo", "Poco", "Mucho"], "A",
             "1 Samuel 18:20", "Mas Michâl"),
            (5003, "¿Quién era la mujer de Abraham?", ["Sára", "Agar", "Cetura", "Rebeca"], "A",
             "1 Samuel 18:20", "Mas Michâl"),
        ])
        mensajes = [(l, m) for _, l, m in hallados if "no aparece" not in m]
        self.assertEqual(mensajes, [
            (2, "pregunta 5001: «Joas»: el nombre se escribe «Joás», con su tilde"),
            (2, "pregunta 5001: «Micol»: la base escribe este nombre «Mical»"),
            (3, "pregunta 5002: «Ezechías» no está en nombres.csv y se parece a «Ezequías»: si es el mismo nombre, "
                "escríbalo así; si es otro, añádalo a la lista"),
            (4, "pregunta 5003: «Sára»: el nombre se escribe «Sara», sin tilde"),
        ])


class Ortografia2010(Base):
    def test_tildes_que_sobran_y_las_que_no(self):
        hallados = self.avisos([
            (5001, "¿Qué hizo Sara? Sólo eso: ¿qué hizo él?", ["Se rió", "Lloró", "Éste", "Huyó"], "A",
             "Génesis 18:12", "Rióse, pues, Sara"),
            (5002, "¿Qué dijo él de sí más tarde a este rey, aun así?", ["Guión", "Aquélla", "Nada", "Fué"],
             "C", "Génesis 18:12", "Rióse, pues, Sara"),
        ])
        self.assertEqual([(l, m) for _, l, m in hallados], [
            (2, "pregunta 5001: «Sólo» se escribe «Solo» (Ortografía de la RAE, 2010)"),
            (2, "pregunta 5001: «rió» se escribe «rio» (Ortografía de la RAE, 2010)"),
            (2, "pregunta 5001: «Éste» se escribe «Este» (Ortografía de la RAE, 2010)"),
            (3, "pregunta 5002: «Guión» se escribe «Guion» (Ortografía de la RAE, 2010)"),
            (3, "pregunta 5002: «Aquélla» se escribe «Aquella» (Ortografía de la RAE, 2010)"),
            (3, "pregunta 5002: «Fué» se escribe «Fue» (Ortografía de la RAE, 2010)"),
        ])

    def test_no_admite_excepciones(self):
        hallados = self.avisos([], excepciones="5001,ortografía,rió,así lo quiso el autor\n")
        self.assertEqual(len(hallados), 1)
        self.assertIn("no las admite", hallados[0][2])


class APersonal(Base):
    def test_persona_que_no_es_sujeto(self):
        fila = (5001, "", ["Hulda", "Débora", "Ana", "Sara"], "A", "2 Reyes 22:14", "á Hulda profetisa")
        preguntas = {
            "¿Qué profetisa consultaron sobre el libro hallado?": True,  # plural verb
            "¿Qué hijos de Aarón ofrecieron fuego extraño?": False,
            "¿Qué profeta envió Jehová a David?": True,                  # name after the verb
            "¿Qué profeta iba leyendo el eunuco en su carro?": True,     # subject after the verb
            "¿A qué profetisa consultaron los enviados de Josías?": False,
            "¿Qué profeta ungió a Jehú?": False,
            "¿Qué rey de Judá fue herido de lepra?": False,
            "¿Qué hijo de Saúl amó a David?": False,
            "¿Qué nombre puso Sara a su hijo?": False,                   # not a person
        }
        for pregunta, avisa in preguntas.items():
            with self.subTest(pregunta=pregunta):
                hallados = [m for _, _, m in self.avisos([(fila[0], pregunta) + fila[2:]])
                            if "personal" in m]
                self.assertEqual(bool(hallados), avisa, hallados)

    def test_falsa_alarma_juzgada(self):
        fila = (5001, "¿Qué profeta envió Jehová a David?", ["Natán", "Gad", "Ana", "Sara"], "A",
                "2 Reyes 22:14", "á Hulda profetisa")
        avisos = [m for _, _, m in self.avisos([fila], excepciones="5001,a personal,profeta,prueba\n")
                  if "personal" in m]
        self.assertEqual(avisos, [])


class NingunaDelataOtra(Base):
    @staticmethod
    def fila(nivel, ident, enunciado, correcta):
        campos = {"Nivel": str(nivel), "ID": str(ident), "Enunciado": enunciado, "LetraCorrecta": "A",
                  "RespA": correcta, "RespB": "Otra", "RespC": "Otra más", "RespD": "Ninguna"}
        return Fila("nivel%d.csv" % nivel, ident % 1000 + 1, campos)

    def test_nombra_la_respuesta_de_otra_con_su_asunto(self):
        filas = [
            self.fila(1, 1001, "¿De quién era el campo donde espigó Rut?", "De Booz"),
            self.fila(2, 2001, "¿Cómo se llamó el hijo de Booz y Rut?", "Obed"),        # Booz with Rut
            self.fila(2, 2002, "¿Qué dijo Booz a los segadores?", "Jehová sea con vosotros"),  # Booz alone
            self.fila(3, 3001, "¿A qué profetisa consultaron los enviados?", "A Hulda"),
            self.fila(2, 2003, "¿Qué dijo Hulda a los enviados?", "Así dijo Jehová"),  # a higher level's
            self.fila(2, 2004, "¿Sobre quién cayó la suerte en la nave de Jonás?", "Sobre Jonás"),
            self.fila(1, 1002, "¿Cuántos días y noches llovió en el diluvio?", "Cuarenta días"),
            self.fila(2, 2005, "¿Qué hizo Noé tras cuarenta días del diluvio?", "Abrió la ventana"),  # a number
            self.fila(1, 1003, "¿Qué apóstol era publicano?", "Mateo"),
            self.fila(2, 2006, "Según Mateo 10:3, ¿quién más era publicano?", "Nadie"),  # the book cited
        ]
        hallados = [(a.fila.campos["ID"], a.clave, a.mensaje) for a in delatoras.revisar(filas, None)]
        self.assertEqual([h[:2] for h in hallados], [("2001", "De Booz"), ("2004", "Sobre Jonás")], hallados)
        self.assertIn("junto a «rut» y así delata la respuesta de la pregunta 1001 (nivel1.csv:2)", hallados[0][2])
        self.assertIn("nombra su propia respuesta correcta, «Sobre Jonás»", hallados[1][2])

    def test_una_excepcion_la_silencia(self):
        filas = [(5001, "¿De quién era el campo donde espigó Rut?", ["De Booz", "De Isaí", "De Labán", "De Elí"],
                  "A", "Génesis 18:12", "Rióse, pues, Sara"),
                 (5002, "¿Cómo se llamó el hijo de Booz y Rut?", ["Obed", "Isaí", "Mahlón", "Quelión"],
                  "A", "Génesis 18:12", "Rióse, pues, Sara")]
        sin_nombres = "Nombre,Otras grafías,En la 1909\nBooz,,\nRut,,\nSara,,\n"
        avisos = [m for _, _, m in self.avisos(filas, nombres=sin_nombres) if "delata" in m]
        self.assertEqual(len(avisos), 1, avisos)
        self.assertTrue(avisos[0].startswith("pregunta 5002: nombra «De Booz»"), avisos)
        avisos = [m for _, _, m in self.avisos(filas, nombres=sin_nombres,
                                               excepciones="5002,delata,De Booz,juzgado en la prueba\n")
                  if "delata" in m]
        self.assertEqual(avisos, [])


class ListaDeExcepciones(Base):
    def test_sin_motivo_o_sin_uso(self):
        hallados = self.avisos([], excepciones=(
            "5001,nombre,Joás,\n"
            "5002,nombre,Joás,el pasaje lo nombra antes\n"
            "4002,nombre,Joás,otro nivel, no revisado aquí\n"))
        self.assertEqual([(l, m) for _, l, m in hallados], [
            (2, "excepción sin ID, clave o motivo"),
            (3, "la excepción de nombre «Joás» para la pregunta 5002 ya no silencia nada: quítela"),
        ])


class ElProgramaLasEjecuta(unittest.TestCase):
    def test_sin_biblia_corren_las_que_no_la_necesitan(self):
        with tempfile.TemporaryDirectory() as carpeta:
            ruta = os.path.join(carpeta, "prueba.csv")
            with open(ruta, "w", encoding="utf-8", newline="") as f:
                w = csv.writer(f, lineterminator="\n")
                w.writerow(verificar_citas.CABECERA)
                w.writerow([1, 5, "¿Qué hizo Sara?", "Se rió", "Lloró", "Cantó", "Huyó", "A", 0, 5001,
                            "Génesis 18:12", "Rióse, pues, Sara"])
            salida = io.StringIO()
            with contextlib.redirect_stdout(salida), contextlib.redirect_stderr(io.StringIO()):
                estado = verificar_citas.main(["--sin-biblia", ruta])
        self.assertEqual(estado, 1)
        self.assertIn("prueba.csv:2: pregunta 5001: «rió» se escribe «rio»", salida.getvalue())

    def test_ningun_libro_pasa_del_quince_por_ciento(self):
        # 100 rows, letters evenly spread; Génesis holds `genesis` of them.
        for genesis, avisa in ((15, False), (16, True)):
            with self.subTest(genesis=genesis), tempfile.TemporaryDirectory() as carpeta:
                ruta = os.path.join(carpeta, "nivel5.csv")
                with open(ruta, "w", encoding="utf-8", newline="") as f:
                    w = csv.writer(f, lineterminator="\n")
                    w.writerow(verificar_citas.CABECERA)
                    for i in range(100):
                        ref = "Génesis 1:1" if i < genesis else "Éxodo 1:1"
                        w.writerow([1, 5, "¿Pregunta %d?" % i, "Uno", "Dos", "Tres", "Cuatro", "ABCD"[i % 4],
                                    0, 5001 + i, ref, "En el principio"])
                hallados = []
                verificar_citas.revisar_archivo(ruta, None, lambda a, l, m: hallados.append(m), {}, {}, [])
                self.assertEqual([m for m in hallados if "Génesis da" in m],
                                 ["Génesis da 16 de 100 preguntas (16.0%; se pide a lo sumo 15%)"] if avisa else [])


if __name__ == "__main__":
    unittest.main()
