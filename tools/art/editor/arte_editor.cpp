// Draws the question editor's icon in the game's navy and gold, yet unlike
// the game's (a navy square holding an open book): a navy disc with a gold
// rim, a written page with a question mark, and a gold pen writing on it.
// The smallest sizes keep the disc, the page and the mark.
// Usage: arte_editor OUTPUT_FOLDER
#include "Arte.h"

#include <QDir>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace {
using namespace Arte;
const QColor Papel(255, 250, 232);
const QColor PapelSombra(222, 204, 160);

// The page, in a 100 x 100 box: a sheet with its top right corner folded,
// a question mark and, from 48 pixels up, lines of writing.
void pagina(QPainter& p, bool conLineas)
{
    QPainterPath hoja;
    hoja.moveTo(24, 14);
    hoja.lineTo(62, 14);
    hoja.lineTo(76, 28);
    hoja.lineTo(76, 86);
    hoja.lineTo(24, 86);
    hoja.closeSubpath();
    p.save();
    p.translate(2.5, 2.5);
    p.fillPath(hoja, QColor(0, 0, 30, 120));
    p.restore();
    QLinearGradient g(24, 14, 76, 86);
    g.setColorAt(0, Papel);
    g.setColorAt(1, PapelSombra);
    p.setPen(QPen(QColor(120, 90, 30), 1.2));
    p.setBrush(g);
    p.drawPath(hoja);
    // The fold.
    QPainterPath pliegue;
    pliegue.moveTo(62, 14);
    pliegue.lineTo(62, 28);
    pliegue.lineTo(76, 28);
    pliegue.closeSubpath();
    p.setBrush(PapelSombra.darker(110));
    p.drawPath(pliegue);

    QPainterPath marca;
    const QFont f = serif(44);
    marca.addText(QPointF(36, 62), f, QStringLiteral("?"));
    p.setPen(Qt::NoPen);
    p.setBrush(Marino);
    p.drawPath(marca);
    if (conLineas) {
        p.setPen(QPen(QColor(0, 0, 128, 150), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(31, 71), QPointF(69, 71));
        p.drawLine(QPointF(31, 78), QPointF(58, 78));
    }
}

// A gold pen lying across the page, its nib on the last line.
void pluma(QPainter& p)
{
    p.save();
    p.translate(60, 78);
    p.rotate(-48);
    QLinearGradient cuerpo(0, -5, 0, 5);
    cuerpo.setColorAt(0, OroClaro);
    cuerpo.setColorAt(0.5, Oro);
    cuerpo.setColorAt(1, OroOscuro);
    p.setPen(QPen(QColor(90, 60, 0), 1));
    p.setBrush(cuerpo);
    // Nib at the origin, the barrel going up and to the right.
    QPainterPath punta;
    punta.moveTo(0, 0);
    punta.lineTo(12, -4.5);
    punta.lineTo(12, 4.5);
    punta.closeSubpath();
    p.drawPath(punta);
    p.drawRoundedRect(QRectF(12, -5, 40, 10), 3, 3);
    p.setBrush(Marino);
    p.drawRect(QRectF(46, -5, 6, 10));
    p.setPen(QPen(QColor(90, 60, 0), 1.2));
    p.drawLine(QPointF(2, 0), QPointF(9, 0));
    p.restore();
}

QImage icono(int lado)
{
    QImage img(lado, lado, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / 100.0, lado / 100.0);
    QRadialGradient fondo(QPointF(40, 35), 70);
    fondo.setColorAt(0, QColor(40, 50, 200));
    fondo.setColorAt(1, QColor(0, 0, 90));
    p.setBrush(fondo);
    p.setPen(QPen(Oro, lado >= 48 ? 3.0 : 5.0));
    p.drawEllipse(QRectF(2.5, 2.5, 95, 95));
    pagina(p, lado >= 48);
    if (lado >= 32)
        pluma(p);
    return img;
}
}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: arte_editor OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    bool bien = true;
    for (int lado : LadosIcono)
        bien &= guardar(icono(lado), out.filePath(QStringLiteral("editor%1.png").arg(lado)));
    return bien ? 0 : 1;
}
