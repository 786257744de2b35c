// Draws the title screen's six pictures, the closing screen's logo, the title
// picture and the window icon in the game's look: navy, amber and gold.
// Writes JPEG and PNG (make.sh turns the PNG into GIF and ICO).
// Usage: arte_portada OUTPUT_FOLDER
#include "Arte.h"
#include "escenas.h"

#include <QDir>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace {
using namespace Arte;

// A word in gold: gradient fill, dark rim, faint shadow.
void palabraDorada(QPainter& p, const QString& texto, const QFont& f, QPointF base)
{
    QPainterPath path;
    path.addText(base, f, texto);
    const QRectF caja = path.boundingRect();
    p.save();
    p.translate(2, 2);
    p.fillPath(path, QColor(0, 0, 40, 160));
    p.restore();
    QLinearGradient g(caja.topLeft(), caja.bottomLeft());
    g.setColorAt(0, OroClaro);
    g.setColorAt(0.5, Oro);
    g.setColorAt(1, OroOscuro);
    p.setPen(QPen(QColor(90, 60, 0), 1));
    p.setBrush(g);
    p.drawPath(path);
}

// An open book with rays rising from it: the game's motif.
void libro(QPainter& p, QPointF centro, qreal ancho)
{
    p.save();
    p.translate(centro);
    p.scale(ancho / 100.0, ancho / 100.0);
    p.setPen(Qt::NoPen);
    for (int i = -4; i <= 4; ++i) {
        p.save();
        p.rotate(i * 16);
        QLinearGradient rayo(0, 0, 0, -70);
        rayo.setColorAt(0, QColor(255, 230, 140, 170));
        rayo.setColorAt(1, QColor(255, 230, 140, 0));
        p.setBrush(rayo);
        QPainterPath r;
        r.moveTo(-3, -10);
        r.lineTo(0, -72);
        r.lineTo(3, -10);
        r.closeSubpath();
        p.drawPath(r);
        p.restore();
    }
    QLinearGradient hoja(0, -10, 0, 20);
    hoja.setColorAt(0, QColor(255, 250, 230));
    hoja.setColorAt(1, QColor(220, 200, 160));
    p.setPen(QPen(OroOscuro, 1.5));
    p.setBrush(hoja);
    for (int lado : {-1, 1}) {
        QPainterPath pag;
        pag.moveTo(0, -4);
        pag.cubicTo(lado * 15, -12, lado * 35, -12, lado * 48, -6);
        pag.lineTo(lado * 48, 18);
        pag.cubicTo(lado * 35, 12, lado * 15, 12, 0, 20);
        pag.closeSubpath();
        p.drawPath(pag);
        p.setPen(QPen(QColor(150, 120, 80), 0.8));
        for (int k = 0; k < 4; ++k)
            p.drawLine(QPointF(lado * 8, -2 + k * 5), QPointF(lado * 40, -4 + k * 5));
        p.setPen(QPen(OroOscuro, 1.5));
    }
    p.restore();
}

QImage logo()
{
    QImage img(480, 320, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient fondo(240, 130, 300);
    fondo.setColorAt(0, QColor(20, 30, 170));
    fondo.setColorAt(1, QColor(0, 0, 60));
    p.fillRect(img.rect(), fondo);
    // No frame: the closing screen shows the logo a little off its corner
    // and draws its own gold edge; the bottom strip is left for its status line.
    libro(p, QPointF(240, 100), 150);
    const QFont f = serif(64);
    const qreal ancho = QFontMetricsF(f).horizontalAdvance(QStringLiteral("Orvalia"));
    palabraDorada(p, QStringLiteral("Orvalia"), f, QPointF(240 - ancho / 2, 192));
    QFont lema = serif(15);
    lema.setBold(false);
    lema.setItalic(true);
    p.setFont(lema);
    p.setPen(OroClaro);
    p.drawText(QRectF(0, 204, 480, 24), Qt::AlignCenter, QStringLiteral("Preguntas y respuestas de la Biblia"));
    return img;
}

// The title on a transparent ground, so that it never lays a band over what
// is behind it. GIF keeps only whole transparency: the soft edges are blended
// with the title screen's navy, the rest left clear.
QImage sobreMarino(const QImage& dibujo)
{
    QImage img = dibujo.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* linea = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = linea[x];
            const int a = qAlpha(c);
            if (a < 8) {
                linea[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            auto mezcla = [a](int arriba, int abajo) { return (arriba * a + abajo * (255 - a)) / 255; };
            linea[x] = qRgb(mezcla(qRed(c), Marino.red()), mezcla(qGreen(c), Marino.green()),
                            mezcla(qBlue(c), Marino.blue()));
        }
    }
    return img;
}

QImage titulo()
{
    QImage img(406, 48, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont f = serif(40);
    const qreal ancho = QFontMetricsF(f).horizontalAdvance(QStringLiteral("Orvalia"));
    palabraDorada(p, QStringLiteral("Orvalia"), f, QPointF(203 - ancho / 2, 40));
    QLinearGradient linea(0, 0, 406, 0);
    linea.setColorAt(0, QColor(255, 204, 48, 0));
    linea.setColorAt(0.5, Oro);
    linea.setColorAt(1, QColor(255, 204, 48, 0));
    p.fillRect(QRectF(20, 45, 366, 1.5), linea);
    p.end();
    return sobreMarino(img);
}

// Navy rounded square with the book; the small sizes keep only a gold "O".
QImage icono(int lado)
{
    QImage img(lado, lado, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal r = lado / 6.0;
    QLinearGradient fondo(0, 0, 0, lado);
    fondo.setColorAt(0, QColor(30, 40, 190));
    fondo.setColorAt(1, QColor(0, 0, 90));
    p.setBrush(fondo);
    p.setPen(QPen(Oro, qMax(1.0, lado / 32.0)));
    p.drawRoundedRect(QRectF(0.5, 0.5, lado - 1, lado - 1), r, r);
    if (lado >= 48) {
        libro(p, QPointF(lado / 2.0, lado * 0.60), lado * 0.80);
    } else {
        const QFont f = serif(int(lado * 0.8));
        const qreal ancho = QFontMetricsF(f).horizontalAdvance(QStringLiteral("O"));
        palabraDorada(p, QStringLiteral("O"), f, QPointF((lado - ancho) / 2.0, lado * 0.80));
    }
    return img;
}

}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: arte_portada OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    // Each at the size the title screen shows it (screens/Portada), small
    // enough to stay clear of the title's word where it is placed.
    using Pintor = QImage (*)(QSize);
    const struct { Pintor pintor; QSize tam; } escenas[] = {
        {Escenas::Rollo, {94, 163}},   {Escenas::Lampara, {147, 194}}, {Escenas::Paloma, {204, 158}},
        {Escenas::Arca, {169, 180}},   {Escenas::Tablas, {170, 130}},  {Escenas::Barca, {172, 236}},
    };
    bool bien = true;
    for (int k = 0; k < 6; ++k)
        bien &= guardar(escenas[k].pintor(escenas[k].tam), out.filePath(QStringLiteral("NP%1.jpg").arg(k + 1)));
    bien &= guardar(logo(), out.filePath(QStringLiteral("Logo.jpg")));
    bien &= guardar(titulo(), out.filePath(QStringLiteral("Orvalia.png")));
    // The window icon takes 16, 32, 48 and 256; the desktop's icon theme all seven.
    for (int lado : LadosIcono)
        bien &= guardar(icono(lado), out.filePath(QStringLiteral("NP%1.png").arg(lado)));
    return bien ? 0 : 1;
}
