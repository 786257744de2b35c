"""The personal "a": "¿Qué profetisa consultaron los enviados…?" asks about
the one consulted, and Spanish wants "¿A qué profetisa consultaron…?". When
the person is the subject ("¿Qué profeta ungió a Jehú?") no "a" is due. The
check flags the questions where the person cannot or seems not to be the
subject, for a reader to judge."""

import re

from avisos import Aviso
from texto import PALABRA_RE, sin_tildes

COMPROBACION = "a personal"

SINGULARES = """
    rey reina profeta profetisa sacerdote discipulo apostol juez hijo hija
    hermano hermana mujer hombre varon joven muchacho muchacha nino nina siervo
    sierva criado criada angel principe princesa capitan general soldado
    centurion gobernador proconsul preposito orador valiente levita esposa
    esposo marido padre madre pastor anciano viuda gigante mensajero espia
    amigo companero enemigo personaje persona patriarca tetrarca eunuco
""".split()
PLURALES = """
    reyes reinas profetas sacerdotes discipulos apostoles jueces hijos hijas
    hermanos hermanas mujeres hombres varones jovenes ninos siervos criados
    angeles principes capitanes soldados levitas pastores ancianos viudas
    gigantes mensajeros espias amigos enemigos personajes personas
""".split()
# Who may stand after the verb as its subject ("…consultaron los enviados").
SUJETOS = set(SINGULARES) | set(PLURALES) | set("""
    enviados iglesia pueblo gente ejercito multitud fariseos escribas
    filisteos israelitas egipcios discipulos apostoles
""".split())
AUXILIARES = {"iba", "iban", "estaba", "estaban", "había", "habían", "fue", "fueron", "era", "eran"}
DETERMINANTES = {"el", "la", "los", "las", "su", "sus", "un", "una"}

INICIO_RE = re.compile(r"^\W*¿\s*(qué|cuál|cuáles)\s+", re.IGNORECASE)
VERBO_RE = re.compile(r"(ó|aron|ieron|eron|aba|aban|ía|ían|ió|iba|iban|é)$")
IRREGULARES = set("""
    fue fueron era eran es son dijo dijeron hizo hicieron vino vinieron tuvo
    tuvieron puso pusieron quiso pudo trajo trajeron dio dieron vio vieron
    estaba estaban dice dicen hay
""".split())


def _es_verbo(palabra):
    palabra = palabra.lower()
    return palabra in IRREGULARES or bool(VERBO_RE.search(palabra))


def _sospecha(enunciado):
    """Why the person after "¿Qué/Cuál" seems to be the object, or None."""
    m = INICIO_RE.match(enunciado)
    if not m:
        return None
    resto = [(p, sin_tildes(p)) for p in PALABRA_RE.findall(enunciado[m.end():])]
    if not resto:
        return None
    sustantivo = resto[0][1]
    if sustantivo not in SINGULARES and sustantivo not in PLURALES:
        return None
    plural = sustantivo in PLURALES
    # The verb: the first word after the person and its complement
    # ("de Judá", "que se dice profetisa") that looks like one.
    i = 1
    while i < len(resto) and (resto[i][1] in ("de", "del", "que", "se", "le", "lo", "la", "les", "no")
                              or resto[i][0][:1].isupper() or not _es_verbo(resto[i][0])):
        i += 1
        if i > 6:
            return None
    if i >= len(resto):
        return None
    verbo = resto[i][0].lower()
    # A verb of the third person plural ends in -n, and only it does.
    if plural != verbo.endswith("n"):
        return "«%s» no concuerda con «%s»: ¿es el complemento?" % (resto[i][0], resto[0][0])
    siguientes = resto[i + 1:]
    if verbo in AUXILIARES and siguientes and siguientes[0][1].endswith(("ndo", "ado", "ido")):
        siguientes = siguientes[1:]  # "iba leyendo", "había ungido"
    if not siguientes:
        return None
    primera, plegada = siguientes[0]
    if primera[:1].isupper():
        return "«%s» parece el sujeto de «%s»" % (primera, resto[i][0])
    if plegada in DETERMINANTES and len(siguientes) > 1 and siguientes[1][1] in SUJETOS:
        return "«%s %s» parece el sujeto de «%s»" % (primera, siguientes[1][0], resto[i][0])
    return None


def revisar(filas, contexto):
    for fila in filas:
        enunciado = fila.campos["Enunciado"]
        motivo = _sospecha(enunciado)
        if motivo:
            sustantivo = PALABRA_RE.findall(enunciado[INICIO_RE.match(enunciado).end():])[0]
            yield Aviso(fila, COMPROBACION, sustantivo,
                        "¿falta la «a» personal? («¿A qué %s…?»): %s; que un lector lo juzgue"
                        % (sustantivo, motivo))
