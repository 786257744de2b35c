"""One spelling per name: the names the base uses, each with the one
spelling of today's Spanish Bibles, are listed in nombres.csv; any other
spelling of a listed name is flagged."""

from avisos import Aviso, textos
from texto import COMUNES, clave_1909, es_mayuscula, palabras, sin_tildes

COMPROBACION = "grafía"


def _casi_igual(a, b):
    """One letter changed, added or dropped ("Micol" and "Mical")."""
    if a == b or abs(len(a) - len(b)) > 1:
        return False
    if len(a) == len(b):
        return sum(x != y for x, y in zip(a, b)) == 1
    corta, larga = sorted((a, b), key=len)
    return any(larga[:i] + larga[i + 1:] == corta for i in range(len(larga)))


class _Parecidos:
    def __init__(self, nombres):
        self.por_clave = {}
        for n in sorted(nombres.aceptados):
            self.por_clave.setdefault(clave_1909(n), n)
        self.plegados = {sin_tildes(n): n for n in sorted(nombres.aceptados)}

    def de(self, palabra):
        """A listed name this unlisted one may be another spelling of."""
        clave = clave_1909(palabra)
        if clave in self.por_clave:
            return self.por_clave[clave]
        plegada = sin_tildes(palabra)
        if len(plegada) >= 5:
            for otra, nombre in self.plegados.items():
                if len(otra) >= 5 and _casi_igual(plegada, otra):
                    return nombre
        return None


def revisar(filas, contexto):
    nombres = contexto.nombres
    parecidos = _Parecidos(nombres)
    for fila in filas:
        for texto in textos(fila):
            for palabra, inicio in palabras(texto):
                if not es_mayuscula(palabra) or palabra in nombres.aceptados:
                    continue
                if palabra in nombres.otras:
                    yield Aviso(fila, COMPROBACION, palabra,
                                "«%s»: la base escribe este nombre «%s»"
                                % (palabra, nombres.otras[palabra]))
                elif sin_tildes(palabra) in nombres.por_pliegue:
                    bueno = nombres.por_pliegue[sin_tildes(palabra)]
                    # The accepted form may be the one without the accent (Sion).
                    como = "con su tilde" if bueno.lower() != sin_tildes(bueno) else "sin tilde"
                    yield Aviso(fila, COMPROBACION, palabra,
                                "«%s»: el nombre se escribe «%s», %s" % (palabra, bueno, como))
                elif not inicio and palabra not in COMUNES and parecidos.de(palabra):
                    yield Aviso(fila, COMPROBACION, palabra,
                                "«%s» no está en nombres.csv y se parece a «%s»: si es el "
                                "mismo nombre, escríbalo así; si es otro, añádalo a la lista"
                                % (palabra, parecidos.de(palabra)))
