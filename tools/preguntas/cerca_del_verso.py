"""Names near the verse: every proper name of the question and of its right
answer appears in the cited verses or within three verses of them."""

from avisos import Aviso, respuesta_correcta
from biblia import LIBROS, versos_citados
from texto import PALABRA_RE, clave_1909, nombres_en

COMPROBACION = "nombre"
MARGEN = 3

# A book vouches for the names it bears: its own ("¿Qué vio Ezequiel…?" of a
# vision he tells in the first person), its author's and its addressees'.
_CARTAS = {"Romanos": "Roma", "1 Corintios": "Corinto", "2 Corintios": "Corinto",
           "Gálatas": "Galacia", "Efesios": "Éfeso", "Filipenses": "Filipos",
           "Colosenses": "Colosas", "1 Tesalonicenses": "Tesalónica",
           "2 Tesalonicenses": "Tesalónica", "1 Timoteo": "Timoteo",
           "2 Timoteo": "Timoteo", "Tito": "Tito", "Filemón": "Filemón"}
NOMBRA = {i: {nombre.split()[-1]} for i, (nombre, _) in enumerate(LIBROS)}
for _i, (_nombre, _) in enumerate(LIBROS):
    if _nombre in _CARTAS:
        NOMBRA[_i] |= {"Pablo", _CARTAS[_nombre]}
    if _nombre in ("1 Juan", "2 Juan", "3 Juan", "Apocalipsis"):
        NOMBRA[_i].add("Juan")


def _ventana(biblia, orden, posicion, cita):
    """Keys of the words in the cited verses and MARGEN verses either side,
    without leaving the book."""
    libro, cap, v1, v2 = cita
    desde = posicion[(libro, cap, v1)]
    hasta = posicion[(libro, cap, v2)]
    claves = set()
    for i in range(max(0, desde - MARGEN), min(len(orden), hasta + MARGEN + 1)):
        if orden[i][0] == libro:
            claves.update(clave_1909(p) for p in PALABRA_RE.findall(biblia[orden[i]]))
    return claves


def revisar(filas, contexto):
    biblia = contexto.biblia
    orden = list(biblia)
    posicion = {clave: i for i, clave in enumerate(orden)}
    for fila in filas:
        cita, error = versos_citados(fila.campos["Referencia"])
        if error or any((cita[0], cita[1], v) not in biblia for v in range(cita[2], cita[3] + 1)):
            continue  # the reference check reports it
        nombres = nombres_en(fila.campos["Enunciado"], contexto.conocidos)
        nombres += [n for n in nombres_en(respuesta_correcta(fila), contexto.conocidos)
                    if n not in nombres]
        if not nombres:
            continue
        claves = _ventana(biblia, orden, posicion, cita)
        for nombre in nombres:
            if nombre in NOMBRA[cita[0]]:
                continue
            formas = {clave_1909(nombre)} | contexto.nombres.formas_1909.get(nombre, set())
            if not formas & claves:
                yield Aviso(fila, COMPROBACION, nombre,
                            "el nombre «%s» no aparece en %s ni a %d versos de distancia "
                            "en la Reina-Valera 1909" % (nombre, fila.campos["Referencia"], MARGEN))
