// Lays out the two controls in every state and both sizes on the board's dark
// blue and writes one PNG per sheet. Runs headless:
//   QT_QPA_PLATFORM=offscreen galeria out/
#include "Comod.h"
#include "Resp.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>

namespace {

const char* const Textos[4] = {
    "Moisés",
    "El libro de los Hechos de los Apóstoles",
    "En el monte Sinaí, cuando recibió las tablas de la ley",
    "Porque de tal manera amó Dios al mundo, que ha dado a su Hijo unigénito, para que "
    "todo aquel que en él cree, no se pierda, mas tenga vida eterna",
};

QWidget* hoja(int ancho, int alto) {
    auto* w = new QWidget;
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 128));
    w->setPalette(pal);
    w->resize(ancho, alto);
    return w;
}

void rotulo(QWidget* padre, const QString& texto, int x, int y) {
    auto* l = new QLabel(texto, padre);
    l->setStyleSheet(QStringLiteral("color: #FFCC30; font: bold 11px Arial;"));
    l->move(x, y);
}

bool guarda(QWidget* w, const QString& ruta) {
    w->show();
    QApplication::processEvents();
    const bool ok = w->grab().save(ruta);
    w->close();
    return ok;
}

// Each state with a text of growing length, in one size.
bool hojaRespuestas(bool grande, const QString& ruta) {
    const int ancho = grande ? 491 : 320;
    const int alto = grande ? 101 : 65;
    QWidget* w = hoja(2 * ancho + 60, 4 * (alto + 40) + 20);
    const char* const letras[4] = {"A", "B", "C", "D"};
    const char* const nombres[4] = {"0 normal", "1 marcada", "2 correcta", "3 equivocada"};
    for (int s = 0; s < 4; ++s)
        for (int col = 0; col < 2; ++col) {
            auto* r = new Resp(w);
            // The board's box is taller than the artwork; so is this one.
            r->setGeometry(20 + col * (ancho + 20), 30 + s * (alto + 40), ancho + 4, alto + 30);
            r->setLetter(QString::fromLatin1(letras[(s + col) % 4]));
            r->setCaption(QString::fromUtf8(Textos[(s + col * 2) % 4]));
            r->setSituation(qint16(s));
            rotulo(w, QStringLiteral("Situation %1").arg(QLatin1String(nombres[s])), 20 + col * (ancho + 20), 14 + s * (alto + 40));
        }
    return guarda(w, ruta);
}

// Every mask 0..7 in one size, with and without the control enabled.
bool hojaComodines(bool grande, const QString& ruta) {
    const int ancho = grande ? 170 : 120;
    const int alto = grande ? 53 : 37;
    QWidget* w = hoja(4 * (ancho + 20) + 20, 2 * (alto + 40) + 20);
    for (int s = 0; s < 8; ++s) {
        auto* c = new Comod(w);
        const int x = 20 + (s % 4) * (ancho + 20);
        const int y = 30 + (s / 4) * (alto + 40);
        c->setGeometry(x, y, ancho, alto);
        c->setSituation(qint16(s));
        rotulo(w, QStringLiteral("Situation %1").arg(s), x, y - 16);
    }
    return guarda(w, ruta);
}

// The answers and the lifeline row where the board puts them, at its design
// size and at twice that, marked and judged as after a wrong answer.
bool hojaTablero(int escala, const QString& ruta) {
    auto px = [escala](int twips) { return twips * escala / 15; };
    QWidget* w = hoja(px(10710), px(7620));
    const int xs[4] = {240, 5520, 240, 5520};
    const int ys[4] = {4560, 4560, 5640, 5640};
    const int estados[4] = {0, 3, 2, 0};
    for (int i = 0; i < 4; ++i) {
        auto* r = new Resp(w);
        r->setGeometry(px(xs[i]), px(ys[i]), px(4875), px(1575));
        r->setLetter(QString(QChar(u'A' + i)));
        r->setCaption(QString::fromUtf8(Textos[i]));
        r->setSituation(qint16(estados[i]));
    }
    auto* c = new Comod(w);
    c->setGeometry(px(120), px(3840), px(1755), px(675));
    c->setSituation(2);
    return guarda(w, ruta);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString carpeta = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("galeria");
    QDir().mkpath(carpeta);
    const QDir dir(carpeta);
    bool ok = true;
    ok &= hojaRespuestas(true, dir.filePath(QStringLiteral("respuesta_grande.png")));
    ok &= hojaRespuestas(false, dir.filePath(QStringLiteral("respuesta_chica.png")));
    ok &= hojaComodines(true, dir.filePath(QStringLiteral("comodines_grandes.png")));
    ok &= hojaComodines(false, dir.filePath(QStringLiteral("comodines_chicos.png")));
    ok &= hojaTablero(1, dir.filePath(QStringLiteral("tablero_chico.png")));
    ok &= hojaTablero(2, dir.filePath(QStringLiteral("tablero_grande.png")));
    return ok ? 0 : 1;
}
