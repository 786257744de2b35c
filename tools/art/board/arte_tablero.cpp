// Draws the board's pictures in the game's look: navy, amber and gold.
// Buttons are written as PNG (make.sh turns them into GIF), the central
// picture as JPEG. Usage: arte_tablero OUTPUT_FOLDER
#include "Arte.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <cstdio>

namespace {
using namespace Arte;
const QColor MarinoOscuro(0, 0, 70);

QFont letra(int px)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(px);
    f.setBold(true);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// A bar with a gold rim, a small triangle on the left and the word in gold.
QImage boton(const QString& palabra, QSize tam)
{
    QImage img(tam, QImage::Format_RGB32);
    img.fill(Marino);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = tam.height();
    const qreal borde = qMax(1.5, h / 16.0);
    const QRectF caja = QRectF(img.rect()).adjusted(borde / 2, borde / 2, -borde / 2, -borde / 2);
    const qreal radio = h * 0.45;

    QLinearGradient fondo(0, 0, 0, h);
    fondo.setColorAt(0.0, QColor(40, 60, 190));
    fondo.setColorAt(0.45, QColor(10, 20, 130));
    fondo.setColorAt(1.0, MarinoOscuro);
    QLinearGradient aro(0, 0, 0, h);
    aro.setColorAt(0.0, OroClaro);
    aro.setColorAt(0.5, Oro);
    aro.setColorAt(1.0, OroOscuro);
    p.setBrush(fondo);
    p.setPen(QPen(QBrush(aro), borde));
    p.drawRoundedRect(caja, radio, radio);

    // Shine on the upper half.
    QLinearGradient brillo(0, 0, 0, h / 2);
    brillo.setColorAt(0, QColor(255, 255, 255, 70));
    brillo.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(brillo);
    p.drawRoundedRect(caja.adjusted(borde, borde, -borde, -h / 2), radio * 0.8, radio * 0.8);

    // Triangle.
    const qreal t = h * 0.34;
    const qreal x0 = radio * 0.7;
    QPainterPath tri;
    tri.moveTo(x0, h / 2 - t / 2);
    tri.lineTo(x0 + t * 0.87, h / 2);
    tri.lineTo(x0, h / 2 + t / 2);
    tri.closeSubpath();
    p.setBrush(aro);
    p.drawPath(tri);

    // The word, shrunk if it would not fit.
    int px = int(h * 0.52);
    const qreal izquierda = x0 + t * 0.87 + h * 0.18;
    const qreal ancho = tam.width() - izquierda - radio * 0.6;
    QFont f = letra(px);
    while (px > 6 && QFontMetricsF(f).horizontalAdvance(palabra) > ancho)
        f = letra(--px);
    p.setFont(f);
    const QRectF zona(izquierda, 0, ancho, h);
    p.setPen(QColor(0, 0, 40));
    p.drawText(zona.translated(h / 30.0 + 0.6, h / 30.0 + 0.6), Qt::AlignCenter, palabra);
    p.setPen(Oro);
    p.drawText(zona, Qt::AlignCenter, palabra);
    return img;
}

// An open book under rays of light, on a deep blue glow.
QImage centro(QSize tam)
{
    QImage img(tam, QImage::Format_RGB32);
    const qreal w = tam.width(), h = tam.height();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient cielo(QPointF(w / 2, h * 0.55), h * 0.75);
    cielo.setColorAt(0, QColor(40, 60, 170));
    cielo.setColorAt(0.6, QColor(8, 14, 110));
    cielo.setColorAt(1, QColor(0, 0, 60));
    p.fillRect(img.rect(), cielo);

    const QPointF foco(w / 2, h * 0.58);
    // A warm dawn behind the rays, so they shine gold rather than grey.
    QRadialGradient alba(foco, h * 0.6);
    alba.setColorAt(0, QColor(255, 190, 60, 170));
    alba.setColorAt(0.4, QColor(190, 120, 40, 60));
    alba.setColorAt(1, QColor(0, 0, 90, 0));
    p.fillRect(img.rect(), alba);
    // Rays.
    for (int i = 0; i < 15; ++i) {
        const qreal a = qDegreesToRadians(-170.0 + i * (160.0 / 14));
        const qreal ab = qDegreesToRadians(2.6);
        const qreal largo = h * 0.9;
        QPainterPath rayo;
        rayo.moveTo(foco);
        rayo.lineTo(foco + QPointF(qCos(a - ab), qSin(a - ab)) * largo);
        rayo.lineTo(foco + QPointF(qCos(a + ab), qSin(a + ab)) * largo);
        rayo.closeSubpath();
        QRadialGradient luz(foco, largo);
        luz.setColorAt(0, QColor(255, 236, 150, 240));
        luz.setColorAt(0.6, QColor(255, 204, 48, 120));
        luz.setColorAt(1, QColor(255, 204, 48, 0));
        p.fillPath(rayo, luz);
    }
    // Glow behind the book.
    QRadialGradient halo(foco, w * 0.45);
    halo.setColorAt(0, QColor(255, 240, 180, 220));
    halo.setColorAt(1, QColor(255, 204, 48, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(foco, w * 0.45, w * 0.45);

    // The book: two curved pages and a cover underneath.
    const qreal bw = w * 0.86, bh = h * 0.20;
    const qreal x = (w - bw) / 2, y = foco.y() - bh * 0.15;
    QPainterPath tapa;
    tapa.addRoundedRect(QRectF(x - w * 0.02, y + bh * 0.12, bw + w * 0.04, bh * 1.02), 4, 4);
    p.setBrush(QColor(110, 20, 20));
    p.setPen(QPen(Oro, qMax(1.0, w / 120)));
    p.drawPath(tapa);
    auto pagina = [&](bool izquierda) {
        const qreal cx = w / 2;
        const qreal borde = izquierda ? x : x + bw;
        QPainterPath pg;
        pg.moveTo(cx, y + bh * 0.15);
        pg.cubicTo(cx + (borde - cx) * 0.35, y - bh * 0.18, cx + (borde - cx) * 0.7, y - bh * 0.05, borde, y);
        pg.lineTo(borde, y + bh * 0.95);
        pg.cubicTo(cx + (borde - cx) * 0.7, y + bh * 0.85, cx + (borde - cx) * 0.35, y + bh * 0.75, cx,
                   y + bh * 1.05);
        pg.closeSubpath();
        QLinearGradient papel(QPointF(borde, y), QPointF(cx, y));
        papel.setColorAt(0, QColor(250, 240, 205));
        papel.setColorAt(0.85, QColor(240, 222, 170));
        papel.setColorAt(1, QColor(200, 170, 110));
        p.setBrush(papel);
        p.setPen(QPen(OroOscuro, qMax(0.8, w / 200)));
        p.drawPath(pg);
        // Lines of text.
        p.setPen(QPen(QColor(150, 120, 80, 160), qMax(0.6, w / 300)));
        for (int l = 1; l <= 5; ++l) {
            const qreal f = l / 6.5;
            const qreal y0 = y + bh * (0.12 + f * 0.75);
            const qreal a = cx + (borde - cx) * 0.15;
            const qreal b = cx + (borde - cx) * 0.85;
            p.drawLine(QPointF(a, y0 + bh * 0.02), QPointF(b, y0 - bh * 0.04));
        }
    };
    pagina(true);
    pagina(false);

    // A few sparks.
    p.setPen(Qt::NoPen);
    const QPointF chispas[] = {{0.18, 0.16}, {0.78, 0.12}, {0.86, 0.34}, {0.12, 0.38}, {0.5, 0.08}, {0.3, 0.86},
                               {0.72, 0.88}};
    for (const QPointF& c : chispas) {
        const QPointF q(c.x() * w, c.y() * h);
        QRadialGradient g(q, w * 0.03);
        g.setColorAt(0, QColor(255, 250, 220, 255));
        g.setColorAt(1, QColor(255, 204, 48, 0));
        p.setBrush(g);
        p.drawEllipse(q, w * 0.03, w * 0.03);
    }
    // Gold frame.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Oro, qMax(1.0, w / 90)));
    p.drawRect(QRectF(img.rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    return img;
}

}  // namespace

// Pixel sizes of each set. The small set serves boards 640 × 456 up to
// 1023 px wide, the large one boards from 1024 × 560 up (a 1024 × 600 screen
// under a title bar and a panel): at the smallest board of each, every button
// still fits its place (the bottom strip is 36 and 44 px high there,
// "Opciones" ends before the score ladder) and the centre picture ends a few
// pixels above the lifeline row. The large buttons keep the proportion the
// design's have to the answer bars beside them. The design set is what the
// board shows before its first layout, or when the files are missing.
struct Juego {
    const char* sufijo;  // file name ending; empty: the design set
    QSize inic, opci, resp, reti, sigu, cent;
};
const Juego kJuegos[] = {
    {"_sml", {185, 35}, {124, 27}, {214, 35}, {162, 35}, {252, 35}, {155, 222}},
    {"_big", {264, 42}, {176, 31}, {280, 42}, {212, 42}, {330, 42}, {236, 272}},
    {"", {211, 40}, {140, 25}, {245, 40}, {186, 40}, {288, 40}, {177, 249}},
};
// The large set drawn larger, in hundredths, for boards past twice the
// design and for dense screens ("Inic_big_x150.gif"); the board's list
// (Diseno::pasosImagen) is the same.
const int kPasos[] = {125, 150, 175, 200, 250, 300};

QSize aPaso(QSize s, int paso) { return QSize(qRound(s.width() * paso / 100.0), qRound(s.height() * paso / 100.0)); }

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: arte_tablero CARPETA\n");
        return 2;
    }
    // The sets for data/Imágenes go into the folder, the design set into its
    // "diseno" subfolder (the board's built-in pictures).
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    dir.mkpath(QStringLiteral("diseno"));
    bool ok = true;
    auto pinta = [&](const Juego& j, const QString& sufijo, int paso) {
        const QString carpeta = sufijo.isEmpty() ? dir.filePath(QStringLiteral("diseno")) : dir.path();
        auto ruta = [&](const char* nombre, const char* ext) {
            return carpeta + QLatin1Char('/') + QLatin1String(nombre) + sufijo + QLatin1String(ext);
        };
        const struct {
            const char* nombre;
            const char* palabra;
            QSize tam;
        } botones[] = {{"Inic", "Iniciar", j.inic},
                       {"Opci", "Opciones", j.opci},
                       {"Resp", "Responder", j.resp},
                       {"Reti", "Retirarse", j.reti},
                       {"Sigu", "Siguiente pregunta", j.sigu}};
        for (const auto& b : botones)
            ok &= guardar(boton(QString::fromUtf8(b.palabra), aPaso(b.tam, paso)), ruta(b.nombre, ".png"));
        ok &= guardar(centro(aPaso(j.cent, paso)), ruta("Cent", ".jpg"));
    };
    for (const Juego& j : kJuegos) {
        const QString sufijo = QLatin1String(j.sufijo);
        pinta(j, sufijo, 100);
        if (sufijo == QLatin1String("_big"))
            for (int paso : kPasos)
                pinta(j, sufijo + QStringLiteral("_x") + QString::number(paso), paso);
    }
    return ok ? 0 : 1;
}
