"""Numbers elsewhere in the Bible: for a question whose four answers are
numbers, each wrong number is looked for in the whole 1909 text near the
question's key words. A hit is not a fault; it is a passage a reader must
judge (Saul asked a hundred foreskins, 1 Samuel 18:25, and David says he won
Michal "por cien prepucios", 2 Samuel 3:14: "Cien" against "Doscientos")."""

import math
import re
from collections import defaultdict

from avisos import Aviso, RESPUESTAS
from biblia import LIBROS, versos_citados
from texto import COMUNES, PALABRA_RE, clave_1909, nombres_en, sin_tildes

COMPROBACION = "número"

UNIDADES = {
    "cero": 0, "un": 1, "uno": 1, "una": 1, "dos": 2, "tres": 3, "cuatro": 4,
    "cinco": 5, "seis": 6, "siete": 7, "ocho": 8, "nueve": 9, "diez": 10,
    "once": 11, "doce": 12, "trece": 13, "catorce": 14, "quince": 15,
    "dieciseis": 16, "diecisiete": 17, "dieciocho": 18, "diecinueve": 19,
    "veinte": 20, "veintiun": 21, "veintiuno": 21, "veintiuna": 21,
    "veintidos": 22, "veintitres": 23, "veinticuatro": 24, "veinticinco": 25,
    "veintiseis": 26, "veintisiete": 27, "veintiocho": 28, "veintinueve": 29,
    "treinta": 30, "cuarenta": 40, "cincuenta": 50, "sesenta": 60,
    "setenta": 70, "ochenta": 80, "noventa": 90, "cien": 100, "ciento": 100,
}
for _palabra, _valor in [("doscient", 200), ("trescient", 300), ("cuatrocient", 400),
                         ("quinient", 500), ("seiscient", 600), ("setecient", 700),
                         ("ochocient", 800), ("novecient", 900)]:
    UNIDADES[_palabra + "os"] = UNIDADES[_palabra + "as"] = _valor
MULTIPLOS = {"mil": 1000, "millon": 10 ** 6, "millones": 10 ** 6}
ORDINALES = {
    "segundo": 2, "tercer": 3, "tercero": 3, "cuarto": 4, "quinto": 5,
    "sexto": 6, "septimo": 7, "octavo": 8, "noveno": 9, "nono": 9,
    "decimo": 10, "undecimo": 11, "duodecimo": 12,
}
ARTICULOS = {"el", "la", "los", "las", "unos", "unas"}
DIGITOS_RE = re.compile(r"\d{1,3}(?:\.\d{3})+|\d+")

# Words of a question that say nothing about its subject.
VACIAS = set(sin_tildes(p) for p in """
    cuantos cuantas cuanto cuanta cual cuales que quien quienes como donde
    cuando segun entre desde hasta hacia para sobre tras contra durante ante
    bajo cerca junto mientras porque aunque pero despues antes luego todo
    toda todos todas otro otra otros otras este esta estos estas aquel
    aquella ellos ellas suyo suya sus tenia tenian tuvo tuvieron hizo hicieron
    habia habian fueron eran dijo dice segun libro veces mismo misma
""".split())
# A verse is near the question when it holds every name the question names,
# and two of its key words (three when it names nobody) that weigh at least
# this share of all its key words. A word weighs more the fewer verses hold
# it: "Mical" ties a verse to a question, "años" hardly.
PESO_MINIMO = 1 / 3


def _ordinal(palabra):
    base = re.sub(r"(as|os|a|o)$", "o", palabra)
    return ORDINALES.get(base, ORDINALES.get(palabra))


def numeros(texto):
    """The numbers a text writes in words or digits, in order.

    Cardinals are ints, ordinals ("el séptimo día") are ("º", n): an ordinal
    answer is matched only by ordinals. "diez y seis" and "mil y quinientos"
    (the 1909's way) are one number; "cinco y seis" are two.
    """
    hallados = []
    actual = total = None
    ultimo = None
    palabras = [sin_tildes(p) for p in re.findall(r"\d[\d.]*\d|\d|[^\W\d_]+", texto)]

    def cierra():
        nonlocal actual, total, ultimo
        if actual is not None or total is not None:
            hallados.append((total or 0) + (actual or 0))
        actual = total = ultimo = None

    for i, p in enumerate(palabras):
        if DIGITOS_RE.fullmatch(p):
            cierra()
            hallados.append(int(p.replace(".", "")))
        elif p in UNIDADES:
            valor = UNIDADES[p]
            if ultimo is not None and valor >= ultimo:
                cierra()
            actual = (actual or 0) + valor
            ultimo = valor
        elif p in MULTIPLOS and (actual is not None or p == "mil"):
            total = (total or 0) + (actual or 1) * MULTIPLOS[p]
            actual, ultimo = None, MULTIPLOS[p]
        elif (p == "y" and ultimo is not None and i + 1 < len(palabras)
              and UNIDADES.get(palabras[i + 1], ultimo) < ultimo):
            continue
        else:
            cierra()
            o = _ordinal(p)
            if o:
                hallados.append(("º", o))
    cierra()
    return hallados


def valor_de_respuesta(respuesta):
    """The number an answer gives ("Cien", "40 días", "El séptimo"), or None."""
    palabras = respuesta.split()
    if palabras and sin_tildes(palabras[0]) in ARTICULOS:
        palabras = palabras[1:]
    if not palabras:
        return None
    if not (DIGITOS_RE.fullmatch(palabras[0]) or sin_tildes(palabras[0]) in UNIDADES
            or sin_tildes(palabras[0]) in MULTIPLOS or _ordinal(sin_tildes(palabras[0]))):
        return None
    hallados = numeros(" ".join(palabras))
    return hallados[0] if hallados else None


def _raiz(clave):
    return clave[:5] if len(clave) >= 5 else clave


class Indice:
    """Where each number, each word and each word root stands in the text."""

    def __init__(self, biblia):
        self.orden = list(biblia)
        self.posicion = {clave: i for i, clave in enumerate(self.orden)}
        self.por_numero = defaultdict(set)
        self.por_palabra = defaultdict(set)
        self.por_raiz = defaultdict(set)
        for i, clave in enumerate(self.orden):
            texto = biblia[clave]
            for n in numeros(texto):
                self.por_numero[n].add(i)
            for p in PALABRA_RE.findall(texto):
                c = clave_1909(p)
                self.por_palabra[c].add(i)
                self.por_raiz[c[:4]].add(i)
                self.por_raiz[c[:5]].add(i)

    def referencia(self, i):
        libro, cap, verso = self.orden[i]
        return "%s %d:%d" % (LIBROS[libro][0], cap, verso)


def palabras_clave(enunciado, indice, contexto):
    """{word of the question: the verses that hold it}, for the words that
    say what the question is about, and the names among them.

    A name must stand whole in a verse, in the base's spelling or the 1909's
    ("Acab" is not "acabada"); any other word by its root ("filisteos" holds
    for "Filisteos", "prepucios" for "prepucio").
    """
    nombres = set(nombres_en(enunciado, contexto.conocidos))
    versos, raices = {}, set()
    for p in PALABRA_RE.findall(enunciado):
        plegada = sin_tildes(p)
        if p in nombres:
            formas = {clave_1909(p)} | contexto.nombres.formas_1909.get(p, set())
            versos[p] = set().union(*(indice.por_palabra.get(f, set()) for f in formas))
        elif not (len(plegada) < 4 or plegada in VACIAS or p in COMUNES
                  or plegada in UNIDADES or _ordinal(plegada)):
            raiz = _raiz(clave_1909(p))
            if raiz not in raices:  # "oveja" and "ovejas" are one word
                raices.add(raiz)
                versos[p] = indice.por_raiz.get(raiz, set())
    return versos, nombres & set(versos)


def _cerca(i, versos, nombres, peso):
    """The question's words verse i holds, when they make it near."""
    palabras = {p for p, donde in versos.items() if i in donde}
    if not nombres <= palabras or len(palabras) < (2 if nombres else 3):
        return None
    if sum(peso[p] for p in palabras) / (sum(peso.values()) or 1) < PESO_MINIMO:
        return None
    return sorted(palabras, key=str.lower)


def _texto_de(valor):
    return "%dº" % valor[1] if isinstance(valor, tuple) else str(valor)


def revisar(filas, contexto):
    indice = contexto.indice_numeros()
    for fila in filas:
        valores = [valor_de_respuesta(fila.campos[r]) for r in RESPUESTAS]
        if None in valores or len(set(valores)) != 4:
            continue
        versos, nombres = palabras_clave(fila.campos["Enunciado"], indice, contexto)
        peso = {p: math.log(len(indice.orden) / (len(donde) + 1)) for p, donde in versos.items()}
        cita, error = versos_citados(fila.campos["Referencia"])
        citados = set() if error else {indice.posicion.get((cita[0], cita[1], v))
                                       for v in range(cita[2], cita[3] + 1)}
        correcta = fila.campos["LetraCorrecta"]
        bien = valores["ABCD".index(correcta)] if correcta in ("A", "B", "C", "D") else None
        con_la_correcta = indice.por_numero.get(bien, set())
        for letra, campo, valor in zip("ABCD", RESPUESTAS, valores):
            if letra == correcta or valor in (0, 1, ("º", 1)):
                continue  # "un", "una", "primero" are everywhere
            hallazgos = []
            # The cited verses, and those that give the right number too (a
            # parallel account, or another count in the same sentence), are
            # what the author read; the check looks elsewhere.
            for i in sorted(indice.por_numero.get(valor, set()) - citados - con_la_correcta):
                junto = _cerca(i, versos, nombres, peso)
                if junto:
                    hallazgos.append((i, junto))
            if not hallazgos:
                continue
            lugares = "; ".join("%s (%s)" % (indice.referencia(i), ", ".join(junto))
                                for i, junto in hallazgos[:5])
            if len(hallazgos) > 5:
                lugares += "; y %d más" % (len(hallazgos) - 5)
            respuesta = fila.campos[campo]
            yield Aviso(fila, COMPROBACION, respuesta,
                        "la respuesta incorrecta «%s» (%s) aparece junto a palabras de la "
                        "pregunta en %s: que un lector juzgue si ese pasaje la defiende"
                        % (respuesta, _texto_de(valor), lugares))
