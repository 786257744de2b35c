#include "Arte.h"

#include "Colores.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

namespace Arte {

namespace {
const QColor kAzul = Colores::Azul;
const QColor kOro = Colores::Oro;
const QColor kOroClaro(255, 236, 150);
const QColor kOroOscuro(176, 122, 10);

// A canvas of w x h at the given scale and the screen's density; its painter draws in the w x h
// coordinates of scale 1.
QPixmap lienzo(int w, int h, const QColor& fondo, double escala)
{
    const double dpr = qGuiApp->devicePixelRatio();
    QPixmap px(qRound(w * escala * dpr), qRound(h * escala * dpr));
    px.setDevicePixelRatio(dpr);
    px.fill(fondo);
    return px;
}

void aEscala(QPainter& p, double escala) { p.scale(escala, escala); }

QLinearGradient oroVertical(double top, double bottom)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, kOroClaro);
    g.setColorAt(0.45, kOro);
    g.setColorAt(1, kOroOscuro);
    return g;
}

QFont negrita(const QString& familia, int pixeles)
{
    QFont f(familia);
    f.setFamilies({familia, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setBold(true);
    f.setPixelSize(pixeles);
    return f;
}
}

QPixmap Carita(Cara cara, double escala)
{
    QPixmap px = lienzo(32, 32, kAzul, escala);
    QPainter p(&px);
    aEscala(p, escala);
    p.setRenderHint(QPainter::Antialiasing);

    QRadialGradient piel(QPointF(12, 10), 20);
    piel.setColorAt(0, QColor(255, 250, 170));
    piel.setColorAt(0.55, QColor(255, 222, 40));
    piel.setColorAt(1, QColor(226, 160, 0));
    p.setPen(QPen(QColor(120, 70, 0), 1.2));
    p.setBrush(piel);
    p.drawEllipse(QRectF(1.5, 1.5, 29, 29));

    const QColor tinta(70, 35, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(tinta);
    if (cara == Cara::Risa) {
        // Eyes squeezed shut with laughter.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(tinta, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(8.5, 10, 5.5, 5), 0, 180 * 16);
        p.drawArc(QRectF(18, 10, 5.5, 5), 0, 180 * 16);
    } else {
        p.drawEllipse(QRectF(9.5, 10, 3.6, 4.6));
        p.drawEllipse(QRectF(18.9, 10, 3.6, 4.6));
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(QRectF(10.4, 10.7, 1.3, 1.3));
        p.drawEllipse(QRectF(19.8, 10.7, 1.3, 1.3));
    }

    p.setPen(QPen(tinta, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    switch (cara) {
    case Cara::Neutral:
        p.drawLine(QPointF(11, 21.5), QPointF(21, 21.5));
        break;
    case Cara::Sonrisa:
        p.drawArc(QRectF(9, 14, 14, 10), 200 * 16, 140 * 16);
        break;
    case Cara::Risa: {
        QPainterPath boca;
        boca.moveTo(8.5, 18);
        boca.lineTo(23.5, 18);
        boca.arcTo(QRectF(8.5, 11, 15, 14), 0, -180);
        boca.closeSubpath();
        p.setPen(QPen(tinta, 1.2));
        p.setBrush(QColor(130, 20, 20));
        p.drawPath(boca);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 110, 110));
        p.drawEllipse(QRectF(13, 21.2, 6, 2.6));
        break;
    }
    case Cara::Triste:
        p.drawArc(QRectF(10, 20, 12, 8), 30 * 16, 120 * 16);
        // A tear on the left cheek.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 170, 255));
        p.drawEllipse(QRectF(8.6, 15.5, 2.6, 3.6));
        break;
    }
    return px;
}

QPixmap Tira(double escala)
{
    const int w = 370, h = 9;
    QPixmap px = lienzo(w, h, kAzul, escala);
    QPainter p(&px);
    aEscala(p, escala);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(oroVertical(0, h));
    // The bar, pointed at both ends.
    p.drawPolygon(QPolygonF({{14, 2.5}, {w - 14.0, 2.5}, {w - 10.0, 4.5}, {w - 14.0, 6.5}, {14, 6.5}, {10, 4.5}}));
    // Two chevrons at each end, pointing outwards.
    for (int i = 0; i < 2; ++i) {
        const double x = 8.0 - i * 4.5;
        p.drawPolygon(QPolygonF({{x, 0.5}, {x + 2.6, 0.5}, {x - 1.4, 4.5}, {x + 2.6, 8.5}, {x, 8.5}, {x - 4, 4.5}}));
        const double xd = w - 8.0 + i * 4.5;
        p.drawPolygon(
            QPolygonF({{xd, 0.5}, {xd - 2.6, 0.5}, {xd + 1.4, 4.5}, {xd - 2.6, 8.5}, {xd, 8.5}, {xd + 4, 4.5}}));
    }
    p.setPen(QPen(QColor(255, 250, 210, 150), 0.8));
    p.drawLine(QPointF(16, 3.2), QPointF(w - 16.0, 3.2));
    return px;
}

QPixmap BotonCerrar(double escala)
{
    const int w = 91, h = 25;
    QPixmap px = lienzo(w, h, kAzul, escala);
    QPainter p(&px);
    aEscala(p, escala);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient rojo(0, 0, 0, h);
    rojo.setColorAt(0, QColor(170, 28, 28));
    rojo.setColorAt(0.5, QColor(128, 10, 10));
    rojo.setColorAt(1, QColor(84, 0, 0));
    p.setPen(QPen(kOro, 1.2));
    p.setBrush(rojo);
    p.drawRoundedRect(QRectF(0.6, 0.6, w - 1.2, h - 1.2), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 28));
    p.drawRoundedRect(QRectF(2.5, 2.2, w - 5.0, h / 2.0 - 2), 3.5, 3.5);

    p.setBrush(oroVertical(7, 18));
    p.drawPolygon(QPolygonF({{13, 7.5}, {21, 12.5}, {13, 17.5}}));

    p.setFont(negrita(QStringLiteral("Arial"), 14));
    p.setPen(QColor(40, 0, 0));
    p.drawText(QRectF(25, 1, w - 30, h), Qt::AlignVCenter | Qt::AlignHCenter, QStringLiteral("Cerrar"));
    p.setPen(kOro);
    p.drawText(QRectF(24, 0, w - 30, h), Qt::AlignVCenter | Qt::AlignHCenter, QStringLiteral("Cerrar"));
    return px;
}

QPixmap BannerPosiciones(double escala)
{
    const int w = 378, h = 63;
    QPixmap px = lienzo(w, h, kAzul, escala);
    QPainter p(&px);
    aEscala(p, escala);
    p.setRenderHint(QPainter::Antialiasing);

    // The ribbon: a band with folded, notched tails behind the words.
    const double top = 15, bottom = 48;
    QLinearGradient cinta(0, top, 0, bottom);
    cinta.setColorAt(0, QColor(128, 84, 6));
    cinta.setColorAt(0.5, QColor(180, 126, 18));
    cinta.setColorAt(1, QColor(100, 62, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 60, 0));
    p.drawPolygon(QPolygonF({{4, top + 6}, {40, top + 6}, {40, bottom + 6}, {4, bottom + 6}, {16, (top + bottom) / 2 + 6}}));
    p.drawPolygon(QPolygonF({{w - 4.0, top + 6}, {w - 40.0, top + 6}, {w - 40.0, bottom + 6}, {w - 4.0, bottom + 6},
                             {w - 16.0, (top + bottom) / 2 + 6}}));
    p.setBrush(cinta);
    p.setPen(QPen(kOro, 1));
    p.drawRect(QRectF(30, top, w - 60.0, bottom - top));
    p.setPen(QPen(QColor(255, 236, 150, 170), 0.8));
    p.drawLine(QPointF(31, top + 3), QPointF(w - 31.0, top + 3));
    p.drawLine(QPointF(31, bottom - 3), QPointF(w - 31.0, bottom - 3));

    // The words in bright gold, outlined in navy so they stand off the ribbon.
    QFont f = negrita(QStringLiteral("Georgia"), 25);
    f.setFamilies({QStringLiteral("Georgia"), QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif")});
    QPainterPath letras;
    const QString texto = QStringLiteral("Tabla de posiciones");
    const QFontMetricsF fm(f);
    const double x = (w - fm.horizontalAdvance(texto)) / 2;
    const double base = (h + fm.ascent() - fm.descent()) / 2;
    letras.addText(QPointF(x, base), f, texto);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 70), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(letras);
    p.setPen(Qt::NoPen);
    p.setBrush(oroVertical(base - fm.ascent(), base + 2));
    p.drawPath(letras);
    return px;
}

}
