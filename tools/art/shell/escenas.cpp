#include "escenas.h"

#include "Arte.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {
using namespace Arte;

QImage lienzo(QSize tam, QPainter& p)
{
    QImage img(tam, QImage::Format_RGB32);
    img.fill(Qt::black);
    return img;
}

void cielo(QPainter& p, QRectF r, QColor arriba, QColor abajo)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, arriba);
    g.setColorAt(1, abajo);
    p.fillRect(r, g);
}

// Horizontal ripples in lighter strokes over water.
void ondas(QPainter& p, QRectF agua, QColor color, int filas, qreal fase = 0)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < filas; ++i) {
        const qreal y = agua.top() + (i + 0.5) * agua.height() / filas;
        QColor c = color;
        c.setAlpha(60 + 120 * i / qMax(1, filas - 1));
        p.setPen(QPen(c, 1 + i * 0.15));
        QPainterPath ola;
        ola.moveTo(agua.left(), y);
        const qreal paso = 10 + i * 2;
        for (qreal x = agua.left(); x < agua.right(); x += paso)
            ola.quadTo(x + paso / 4, y - 2 - i * 0.2, x + paso / 2, y), ola.quadTo(x + 3 * paso / 4, y + 2 + i * 0.2, x + paso, y);
        p.translate(std::fmod(fase * (i + 1), paso), 0);
        p.drawPath(ola);
        p.translate(-std::fmod(fase * (i + 1), paso), 0);
    }
    p.restore();
}
}

namespace Escenas {

void Marco(QImage& img)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient aro(0, 0, img.width(), img.height());
    aro.setColorAt(0, OroClaro);
    aro.setColorAt(0.5, Oro);
    aro.setColorAt(1, OroOscuro);
    p.setPen(QPen(QBrush(aro), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(img.rect()).adjusted(1, 1, -1, -1));
}

QImage Rollo(QSize tam)
{
    QPainter p;
    QImage img = lienzo(tam, p);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = tam.width(), h = tam.height();
    QRadialGradient fondo(w / 2, h / 2, h * 0.7);
    fondo.setColorAt(0, QColor(90, 50, 25));
    fondo.setColorAt(1, QColor(25, 12, 6));
    p.fillRect(img.rect(), fondo);

    // The parchment between its two rods.
    const QRectF hoja(w * 0.14, h * 0.12, w * 0.72, h * 0.76);
    QLinearGradient perg(hoja.topLeft(), hoja.topRight());
    perg.setColorAt(0, QColor(200, 170, 115));
    perg.setColorAt(0.25, QColor(245, 225, 175));
    perg.setColorAt(0.75, QColor(240, 218, 165));
    perg.setColorAt(1, QColor(190, 158, 100));
    p.setPen(QPen(QColor(120, 85, 40), 1));
    p.setBrush(perg);
    p.drawRect(hoja);
    // Writing: short dark strokes in columns.
    p.setPen(QPen(QColor(90, 60, 30, 170), 1.2));
    for (qreal y = hoja.top() + 10; y < hoja.bottom() - 6; y += 6) {
        qreal x = hoja.left() + 7;
        int n = 0;
        while (x < hoja.right() - 8) {
            const qreal largo = 3 + ((int(y * 7 + n * 13) % 5));
            p.drawLine(QPointF(x, y), QPointF(qMin(x + largo, hoja.right() - 7), y));
            x += largo + 2.5;
            ++n;
        }
    }
    // The rods, turned wood with gold knobs.
    for (qreal y : {hoja.top(), hoja.bottom()}) {
        const QRectF vara(w * 0.08, y - 6, w * 0.84, 12);
        QLinearGradient madera(vara.topLeft(), vara.bottomLeft());
        madera.setColorAt(0, QColor(170, 110, 55));
        madera.setColorAt(0.5, QColor(110, 60, 25));
        madera.setColorAt(1, QColor(60, 30, 10));
        p.setPen(Qt::NoPen);
        p.setBrush(madera);
        p.drawRoundedRect(vara, 5, 5);
        for (qreal x : {vara.left() - 3, vara.right() - 5}) {
            QRadialGradient pomo(x + 4, y - 2, 6);
            pomo.setColorAt(0, OroClaro);
            pomo.setColorAt(1, OroOscuro);
            p.setBrush(pomo);
            p.drawEllipse(QPointF(x + 4, y), 5, 5);
        }
    }
    p.end();
    Marco(img);
    return img;
}

QImage Lampara(QSize tam)
{
    QPainter p;
    QImage img = lienzo(tam, p);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = tam.width(), h = tam.height();
    const QPointF llama(w * 0.70, h * 0.42);
    QRadialGradient luz(llama, h * 0.75);
    luz.setColorAt(0, QColor(150, 90, 30));
    luz.setColorAt(0.35, QColor(60, 30, 20));
    luz.setColorAt(1, QColor(8, 6, 20));
    p.fillRect(img.rect(), luz);

    // A table edge.
    p.fillRect(QRectF(0, h * 0.74, w, h * 0.26), QColor(45, 25, 12));
    p.setPen(QPen(QColor(110, 70, 35), 1));
    p.drawLine(QPointF(0, h * 0.74), QPointF(w, h * 0.74));

    // The clay lamp: a flat body with a spout and a handle.
    QPainterPath cuerpo;
    cuerpo.moveTo(w * 0.12, h * 0.62);
    cuerpo.cubicTo(w * 0.12, h * 0.50, w * 0.55, h * 0.48, w * 0.66, h * 0.53);
    cuerpo.lineTo(w * 0.74, h * 0.50);
    cuerpo.cubicTo(w * 0.80, h * 0.50, w * 0.80, h * 0.57, w * 0.74, h * 0.58);
    cuerpo.cubicTo(w * 0.62, h * 0.70, w * 0.25, h * 0.76, w * 0.12, h * 0.62);
    QLinearGradient barro(0, h * 0.48, 0, h * 0.74);
    barro.setColorAt(0, QColor(215, 140, 80));
    barro.setColorAt(0.5, QColor(160, 85, 40));
    barro.setColorAt(1, QColor(80, 40, 18));
    p.setBrush(barro);
    p.setPen(QPen(QColor(60, 30, 10), 1));
    p.drawPath(cuerpo);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(140, 75, 35), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(w * 0.02, h * 0.53, w * 0.16, h * 0.10), 90 * 16, 180 * 16);
    p.setPen(QPen(QColor(70, 35, 15), 2));
    p.drawEllipse(QPointF(w * 0.38, h * 0.55), w * 0.07, h * 0.015);

    // The flame with its glow.
    QRadialGradient halo(llama, w * 0.28);
    halo.setColorAt(0, QColor(255, 220, 120, 200));
    halo.setColorAt(1, QColor(255, 160, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(llama, w * 0.28, w * 0.28);
    QPainterPath fuego;
    const QPointF base(w * 0.75, h * 0.50);
    fuego.moveTo(base);
    fuego.cubicTo(base.x() - 12, base.y() - 8, base.x() - 4, base.y() - 26, base.x() - 2, base.y() - 40);
    fuego.cubicTo(QPointF(base.x() + 6, base.y() - 24), QPointF(base.x() + 10, base.y() - 10), base);
    QLinearGradient fg(0, base.y() - 40, 0, base.y());
    fg.setColorAt(0, QColor(255, 250, 210));
    fg.setColorAt(0.6, QColor(255, 200, 60));
    fg.setColorAt(1, QColor(230, 90, 20));
    p.setBrush(fg);
    p.drawPath(fuego);
    p.end();
    Marco(img);
    return img;
}

QImage Paloma(QSize tam)
{
    QPainter p;
    QImage img = lienzo(tam, p);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = tam.width(), h = tam.height();
    cielo(p, img.rect(), QColor(40, 90, 170), QColor(250, 215, 150));
    QRadialGradient sol(w * 0.80, h * 0.80, h * 0.5);
    sol.setColorAt(0, QColor(255, 240, 190, 220));
    sol.setColorAt(1, QColor(255, 240, 190, 0));
    p.fillRect(img.rect(), sol);
    // Soft clouds.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    for (const QPointF c : {QPointF(w * 0.2, h * 0.25), QPointF(w * 0.3, h * 0.22), QPointF(w * 0.75, h * 0.18)})
        p.drawEllipse(c, w * 0.12, h * 0.06);

    p.translate(w * 0.45, h * 0.48);
    p.scale(w / 204.0, h / 158.0);
    // Raised wing, behind the body.
    QLinearGradient plumaAla(0, -62, 0, 6);
    plumaAla.setColorAt(0, QColor(235, 238, 248));
    plumaAla.setColorAt(1, QColor(185, 190, 210));
    p.setBrush(plumaAla);
    p.setPen(QPen(QColor(120, 125, 150), 1));
    QPainterPath ala;
    ala.moveTo(-10, 0);
    ala.cubicTo(-20, -40, -50, -60, -80, -62);
    ala.cubicTo(-60, -50, -58, -40, -64, -34);
    ala.cubicTo(-50, -30, -45, -20, -48, -14);
    ala.cubicTo(-35, -14, -25, -6, -22, 6);
    ala.closeSubpath();
    p.drawPath(ala);
    // Body and head.
    QPainterPath cuerpo;
    cuerpo.moveTo(-60, 10);
    cuerpo.cubicTo(-30, -5, 10, -10, 32, -14);
    cuerpo.cubicTo(40, -24, 56, -22, 58, -12);
    cuerpo.lineTo(68, -8);
    cuerpo.lineTo(57, -4);
    cuerpo.cubicTo(50, 14, 10, 22, -20, 18);
    cuerpo.lineTo(-62, 26);
    cuerpo.closeSubpath();
    QLinearGradient pluma(0, -25, 0, 25);
    pluma.setColorAt(0, Qt::white);
    pluma.setColorAt(1, QColor(200, 205, 220));
    p.setBrush(pluma);
    p.setPen(QPen(QColor(120, 125, 150), 1));
    p.drawPath(cuerpo);
    p.setBrush(QColor(30, 30, 40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(50, -15), 1.8, 1.8);
    // The olive twig in the beak.
    p.setPen(QPen(QColor(90, 70, 30), 1.5));
    p.drawLine(QPointF(66, -7), QPointF(86, 6));
    p.setPen(QPen(QColor(40, 80, 30), 0.8));
    for (int i = 0; i < 5; ++i) {
        const QPointF en(68 + i * 4, -5.5 + i * 2.6);
        p.save();
        p.translate(en);
        p.rotate(i % 2 ? 50 : -40);
        p.setBrush(QColor(90, 140, 60));
        p.drawEllipse(QRectF(0, -2, 9, 4));
        p.restore();
    }
    p.end();
    Marco(img);
    return img;
}

QImage Arca(QSize tam)
{
    QPainter p;
    QImage img = lienzo(tam, p);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = tam.width(), h = tam.height();
    cielo(p, img.rect(), QColor(70, 90, 130), QColor(190, 200, 210));
    // Rainbow.
    const QColor colores[] = {QColor(220, 60, 60), QColor(240, 150, 40), QColor(245, 230, 70),
                              QColor(80, 180, 80), QColor(70, 120, 220), QColor(120, 70, 180)};
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        QColor c = colores[i];
        c.setAlpha(150);
        p.setPen(QPen(c, 4));
        const qreal r = w * 0.62 - i * 4;
        p.drawArc(QRectF(w * 0.55 - r, h * 0.62 - r, 2 * r, 2 * r), 15 * 16, 150 * 16);
    }
    // Sea.
    const QRectF mar(0, h * 0.62, w, h * 0.38);
    cielo(p, mar, QColor(40, 80, 120), QColor(10, 30, 60));
    ondas(p, mar, QColor(170, 210, 230), 6, 3);
    // The ark: hull, house and roof.
    p.save();
    p.translate(w * 0.5, h * 0.63);
    p.scale(w / 169.0, h / 180.0);
    QPainterPath casco;
    casco.moveTo(-62, -12);
    casco.lineTo(62, -12);
    casco.quadTo(58, 10, 44, 14);
    casco.lineTo(-44, 14);
    casco.quadTo(-58, 10, -62, -12);
    QLinearGradient madera(0, -12, 0, 14);
    madera.setColorAt(0, QColor(160, 100, 50));
    madera.setColorAt(1, QColor(70, 40, 15));
    p.setBrush(madera);
    p.setPen(QPen(QColor(40, 20, 5), 1));
    p.drawPath(casco);
    p.setPen(QPen(QColor(50, 28, 10), 0.8));
    for (int y = -6; y < 14; y += 6)
        p.drawLine(QPointF(-55, y), QPointF(55, y));
    p.setPen(QPen(QColor(40, 20, 5), 1));
    p.setBrush(QColor(140, 90, 45));
    p.drawRect(QRectF(-34, -34, 68, 22));
    QPainterPath techo;
    techo.moveTo(-40, -34);
    techo.lineTo(0, -52);
    techo.lineTo(40, -34);
    techo.closeSubpath();
    p.setBrush(QColor(100, 55, 25));
    p.drawPath(techo);
    p.setBrush(QColor(255, 210, 120));
    p.drawRect(QRectF(-5, -28, 10, 9));
    p.restore();
    ondas(p, QRectF(0, h * 0.70, w, h * 0.12), QColor(200, 230, 245), 2, 5);
    p.end();
    Marco(img);
    return img;
}

QImage Tablas(QSize tam)
{
    QPainter p;
    QImage img = lienzo(tam, p);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = tam.width(), h = tam.height();
    cielo(p, img.rect(), QColor(30, 20, 60), QColor(200, 110, 60));
    // The mountain with light on its peak.
    QPainterPath monte;
    monte.moveTo(0, h);
    monte.lineTo(0, h * 0.70);
    monte.lineTo(w * 0.35, h * 0.30);
    monte.lineTo(w * 0.48, h * 0.18);
    monte.lineTo(w * 0.62, h * 0.34);
    monte.lineTo(w, h * 0.65);
    monte.lineTo(w, h);
    QLinearGradient roca(0, h * 0.18, 0, h);
    roca.setColorAt(0, QColor(120, 80, 60));
    roca.setColorAt(1, QColor(40, 25, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(roca);
    p.drawPath(monte);
    QRadialGradient gloria(w * 0.48, h * 0.18, h * 0.35);
    gloria.setColorAt(0, QColor(255, 240, 180, 200));
    gloria.setColorAt(1, QColor(255, 240, 180, 0));
    p.setBrush(gloria);
    p.drawEllipse(QPointF(w * 0.48, h * 0.18), h * 0.35, h * 0.35);

    // Two tablets with rounded tops and engraved lines.
    for (int t = 0; t < 2; ++t) {
        const QRectF tabla(w * (0.22 + t * 0.29), h * 0.34, w * 0.27, h * 0.58);
        QPainterPath forma;
        const qreal r = tabla.width() / 2;
        forma.moveTo(tabla.left(), tabla.bottom());
        forma.lineTo(tabla.left(), tabla.top() + r);
        forma.arcTo(QRectF(tabla.left(), tabla.top(), 2 * r, 2 * r), 180, -180);
        forma.lineTo(tabla.right(), tabla.bottom());
        forma.closeSubpath();
        QLinearGradient piedra(tabla.topLeft(), tabla.bottomRight());
        piedra.setColorAt(0, QColor(215, 210, 200));
        piedra.setColorAt(1, QColor(130, 125, 118));
        p.setBrush(piedra);
        p.setPen(QPen(QColor(70, 65, 60), 1.2));
        p.drawPath(forma);
        p.setPen(QPen(QColor(90, 85, 80), 1.1));
        for (int k = 0; k < 5; ++k) {
            const qreal y = tabla.top() + r * 0.9 + k * (tabla.height() - r) / 5.5;
            p.drawLine(QPointF(tabla.left() + 6, y), QPointF(tabla.right() - 6, y));
        }
        p.setFont(QFont(QStringLiteral("DejaVu Serif"), 7, QFont::Bold));
        p.drawText(QRectF(tabla.left(), tabla.top() + 4, tabla.width(), r), Qt::AlignCenter,
                   t == 0 ? QStringLiteral("I–V") : QStringLiteral("VI–X"));
    }
    p.end();
    Marco(img);
    return img;
}

QImage Barca(QSize tam)
{
    QPainter p;
    QImage img = lienzo(tam, p);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = tam.width(), h = tam.height();
    const qreal horizonte = h * 0.52;
    cielo(p, QRectF(0, 0, w, horizonte), QColor(40, 30, 90), QColor(250, 150, 70));
    QRadialGradient sol(w * 0.5, horizonte, w * 0.5);
    sol.setColorAt(0, QColor(255, 230, 150, 255));
    sol.setColorAt(0.15, QColor(255, 200, 100, 180));
    sol.setColorAt(1, QColor(255, 160, 80, 0));
    p.fillRect(QRectF(0, 0, w, horizonte), sol);
    // Hills on the far shore.
    QPainterPath colinas;
    colinas.moveTo(0, horizonte);
    colinas.cubicTo(w * 0.2, horizonte - 30, w * 0.35, horizonte - 10, w * 0.5, horizonte - 5);
    colinas.cubicTo(w * 0.7, horizonte - 25, w * 0.85, horizonte - 35, w, horizonte - 12);
    colinas.lineTo(w, horizonte);
    colinas.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 35, 60));
    p.drawPath(colinas);
    // The lake with the sun's path on it.
    const QRectF lago(0, horizonte, w, h - horizonte);
    cielo(p, lago, QColor(120, 80, 90), QColor(15, 20, 60));
    QLinearGradient senda(0, horizonte, 0, h);
    senda.setColorAt(0, QColor(255, 220, 140, 180));
    senda.setColorAt(1, QColor(255, 220, 140, 0));
    p.setBrush(senda);
    QPainterPath camino;
    camino.moveTo(w * 0.44, horizonte);
    camino.lineTo(w * 0.56, horizonte);
    camino.lineTo(w * 0.75, h);
    camino.lineTo(w * 0.25, h);
    p.drawPath(camino);
    ondas(p, lago, QColor(255, 210, 160), 9, 2);
    // The boat: hull, mast, a square sail; its dark reflection below.
    p.save();
    p.translate(w * 0.42, horizonte + (h - horizonte) * 0.42);
    const qreal s = w / 172.0;
    p.scale(s, s);
    QPainterPath casco;
    casco.moveTo(-40, 0);
    casco.lineTo(40, 0);
    casco.quadTo(32, 14, 22, 14);
    casco.lineTo(-24, 14);
    casco.quadTo(-36, 12, -40, 0);
    p.setBrush(QColor(35, 20, 15));
    p.drawPath(casco);
    p.fillRect(QRectF(-1.5, -70, 3, 70), QColor(35, 20, 15));
    QPainterPath vela;
    vela.moveTo(2, -66);
    vela.quadTo(24, -40, 30, -8);
    vela.lineTo(2, -8);
    vela.closeSubpath();
    p.setBrush(QColor(60, 35, 30));
    p.drawPath(vela);
    p.setBrush(QColor(20, 15, 30, 110));
    p.drawRect(QRectF(-34, 15, 66, 6));
    p.restore();
    p.end();
    Marco(img);
    return img;
}

}
