"""No question gives away another: a question that names, in its wording, the
right answer of another question of its level or a lower one tells every
player at the computer that answer ("¿Cómo se llamó el hijo de Booz y Rut?"
answers "¿De quién era el campo donde espigó Rut?"). A question that names
its own right answer gives itself away.

Words are compared folded (lower case, no accents). Left out: common words
(articles, prepositions, God's names and titles), answers that are numbers,
and a citation's book ("Según Mateo 10" names a book, not the apostle).
Naming another question's answer gives it away only together with what that
question asks about: the two must share one more word that is uncommon in the
base (in the wording of at most FRECUENTE questions), as "Rut" is; a word the
base uses everywhere ("Jesús", "Jerusalén") ties nothing to anything."""

import re
from collections import Counter

from avisos import Aviso, respuesta_correcta
from biblia import LIBROS
from texto import COMUNES as NOMBRES_COMUNES
from texto import PALABRA_RE, sin_tildes

COMPROBACION = "delata"
FRECUENTE = 10

COMUNES = set("""
    a al ante bajo con contra de del desde durante e el ella ellos en entre hacia
    hasta la las le les lo los me mi mis nos o para por que se segun sin sobre
    su sus te tras tu tus u un una unas uno unos y ya
    cual cuales cuando cuanto cuanta cuantos cuantas como donde adonde quien
    quienes que
    es son era eran fue fueron ser sera hay habia
    este esta estos estas ese esa esos esas aquel aquella aquellos aquellas esto
    eso otro otra otros otras todo toda todos todas mas muy no ni si tambien
    yo soy eres
""".split()) | {sin_tildes(p) for p in NOMBRES_COMUNES}
NUMEROS = set("""
    cero dos tres cuatro cinco seis siete ocho nueve diez once doce trece
    catorce quince dieciseis diecisiete dieciocho diecinueve veinte veintiuno
    veintidos veintitres veinticuatro veinticinco treinta cuarenta cincuenta
    sesenta setenta ochenta noventa cien ciento cientos doscientos trescientos
    cuatrocientos quinientos seiscientos setecientos ochocientos novecientos
    mil millon millones medio media primero primera segundo segunda tercero
    tercera tercer cuarto cuarta quinto quinta sexto sexta septimo septima
    octavo octava noveno novena decimo decima
""".split())
CITA_RE = re.compile(r"\b(?:%s)\s+\d+(?::\d+(?:-\d+)?)?"
                     % "|".join(re.escape(n) for n, _ in sorted(LIBROS, key=lambda l: -len(l[0]))))


def _palabras(texto):
    return [sin_tildes(p) for p in PALABRA_RE.findall(texto)]


def _sin_citas(texto):
    return CITA_RE.sub(" ", texto)


def _nombra(palabras, buscadas):
    """Whether the word sequence `buscadas` stands in `palabras`."""
    n = len(buscadas)
    return any(palabras[i:i + n] == buscadas for i in range(len(palabras) - n + 1))


def _es_numero(texto):
    return bool(re.search(r"\d", texto)) or any(p in NUMEROS for p in _palabras(texto))


def revisar(filas, contexto):
    veces = Counter()
    enunciados = []
    for fila in filas:
        palabras = [p for p in _palabras(_sin_citas(fila.campos["Enunciado"])) if p not in COMUNES]
        enunciados.append(palabras)
        veces.update(set(palabras))

    def rara(p):
        return veces[p] <= FRECUENTE

    def nivel(fila):
        n = fila.campos["Nivel"]
        return int(n) if n.isdigit() else 0

    for j, otra in enumerate(filas):
        respuesta = respuesta_correcta(otra).strip()
        if not respuesta or _es_numero(respuesta):
            continue
        buscadas = [p for p in _palabras(respuesta) if p not in COMUNES]
        if not buscadas:
            continue
        asunto = {p for p in enunciados[j] if rara(p)} - set(buscadas)
        for i, fila in enumerate(filas):
            if not _nombra(enunciados[i], buscadas):
                continue
            if i == j:
                yield Aviso(fila, COMPROBACION, respuesta,
                            "la pregunta nombra su propia respuesta correcta, «%s»" % respuesta)
            elif nivel(otra) <= nivel(fila) and asunto & set(enunciados[i]):
                comun = sorted(asunto & set(enunciados[i]))[0]
                yield Aviso(fila, COMPROBACION, respuesta,
                            "nombra «%s» junto a «%s» y así delata la respuesta de la pregunta %s (%s:%s): %s"
                            % (respuesta, comun, otra.campos["ID"], otra.ruta, otra.linea,
                               otra.campos["Enunciado"]))
