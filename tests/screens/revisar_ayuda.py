"""The help the game ships, read as a player and the package read it: every
element closed where it was opened, spelt as the question checks want
(Ortografía de la RAE, 2010), and saying what "Reinicializar" really does.
Usage: revisar_ayuda.py HELP.html TOOLS_PREGUNTAS_FOLDER"""

import sys
from html.parser import HTMLParser

VACIOS = {"meta", "br", "hr", "img", "link", "input", "col", "area", "base", "wbr", "source"}


class Lector(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.abiertos = []
        self.problemas = []
        self.texto = []
        self.items = []  # the text of each list item

    def handle_starttag(self, tag, attrs):
        if tag not in VACIOS:
            self.abiertos.append((tag, self.getpos()[0]))
        if tag == "li":
            self.items.append("")

    def handle_endtag(self, tag):
        if tag in VACIOS:
            return
        if not self.abiertos or self.abiertos[-1][0] != tag:
            self.problemas.append("line %d: </%s> closes %s" % (
                self.getpos()[0], tag, self.abiertos[-1] if self.abiertos else "nothing"))
            return
        self.abiertos.pop()

    def handle_data(self, data):
        if self.abiertos and self.abiertos[-1][0] in ("style", "script"):
            return
        self.texto.append(data)
        if any(t == "li" for t, _ in self.abiertos):
            self.items[-1] += data


def main():
    ayuda, herramientas = sys.argv[1], sys.argv[2]
    sys.path.insert(0, herramientas)
    import ortografia
    from avisos import Fila, RESPUESTAS

    lector = Lector()
    with open(ayuda, encoding="utf-8") as f:
        lector.feed(f.read())
    lector.close()
    problemas = list(lector.problemas)
    problemas += ["<%s> of line %d never closed" % a for a in lector.abiertos]

    campos = dict.fromkeys(RESPUESTAS, "")
    campos["Enunciado"] = " ".join(lector.texto)
    problemas += [a.mensaje for a in ortografia.revisar([Fila(ayuda, 1, campos)], None)]

    reinicializar = [i for i in lector.items if i.startswith("Reinicializar")]
    if len(reinicializar) != 1 or "¿Poner a cero el recuento de todas las preguntas?" not in reinicializar[0]:
        problemas.append("the options' list does not say that Reinicializar asks to set every count to zero")

    for p in problemas:
        print(p)
    return 1 if problemas else 0


if __name__ == "__main__":
    sys.exit(main())
