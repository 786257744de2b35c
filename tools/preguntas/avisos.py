"""What the question checks read and what they report."""

from collections import namedtuple

# One question: its file, the line where its row starts, and its fields by
# column name.
Fila = namedtuple("Fila", "ruta linea campos")

# One warning. `comprobacion` and `clave` (the name, the answer, the noun the
# warning is about) are what an entry of excepciones.csv must match, with the
# question's ID, to silence it.
Aviso = namedtuple("Aviso", "fila comprobacion clave mensaje")

RESPUESTAS = ("RespA", "RespB", "RespC", "RespD")


def respuesta_correcta(fila):
    letra = fila.campos["LetraCorrecta"]
    return fila.campos["Resp" + letra] if letra in "ABCD" and letra else ""


def textos(fila):
    """The question and its four answers: the texts a player reads."""
    return [fila.campos["Enunciado"]] + [fila.campos[r] for r in RESPUESTAS]
