#include "DisenoTablero.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace Diseno {

int pixeles(float twips) { return int(std::lround(twips / float(TwipsPorPixel))); }
int pixeles(int twips) { return pixeles(float(twips)); }

bool juegoGrande(int anchoTwips) { return anchoTwips > 15359; }

double crecimiento(float SW, float SH)
{
    const double veces = qMin(double(SW) / Ancho, double(SH) / Alto);
    return qMax(1.0, veces / 2.0);
}

double crecimientoDe(const QWidget* sobre)
{
    if (!sobre)
        return 1.0;
    const QWidget* w = sobre->window();
    return crecimiento(float(w->width() * TwipsPorPixel), float(w->height() * TwipsPorPixel));
}

namespace {
// Artwork of the two controls in pixels at their own size: the answer bar
// (large, small) and the three lifeline pictures as they lie side by side.
constexpr double AnchoBarra[2] = {320, 491}, AltoBarra[2] = {65, 101};
constexpr double AnchoComodines[2] = {1170.0 / TwipsPorPixel + 37, 1680.0 / TwipsPorPixel + 53};
constexpr double AltoComodines[2] = {37, 53};
double enPixeles(double twips) { return twips / TwipsPorPixel; }
}

double escalaRespuestas(float SW, float SH)
{
    const double caja = pixeles(float(4875) * SW / float(Ancho));
    const bool grande = caja * TwipsPorPixel > 7364;
    const double paso = enPixeles(double(5640 - 4560) * SH / Alto);  // from one row to the next
    double e = grande ? crecimiento(SW, SH) : caja / enPixeles(4875);
    e = qMin(e, (paso - Holgura) / AltoBarra[grande]);
    e = qMin(e, caja / AnchoBarra[grande]);
    return qMax(0.0, e);
}

double escalaComodines(float SW, float SH)
{
    const double ancho = pixeles(float(1755) * SW / float(Ancho));
    const double alto = pixeles(float(675) * SH / float(Alto));
    const bool grande = ancho * TwipsPorPixel > 2474;
    const double e = grande ? crecimiento(SW, SH) : 1.0;
    return qMax(0.0, std::min({e, ancho / AnchoComodines[grande], alto / AltoComodines[grande]}));
}

void Coloca(QWidget* w, qint16 X, qint16 Y, qint16 W, qint16 H, float SW, float SH)
{
    if (!w)
        return;
    const float izq = float(X) * SW / float(Ancho);
    w->move(pixeles(izq), w->y());
    const float arriba = float(Y) * SH / float(Alto);
    w->move(w->x(), pixeles(arriba));
    if (W != Igual)
        w->resize(pixeles(float(W) * SW / float(Ancho)), w->height());
    if (H != Igual)
        w->resize(w->width(), pixeles(float(H) * SH / float(Alto)));
}

namespace {
QLatin1String nombreImagen(Imagen i)
{
    static const char* const nombres[NumImagenes] = {"Inic", "Opci", "Resp", "Reti", "Sigu", "Cent"};
    return QLatin1String(nombres[i]);
}
QString extension(Imagen i) { return i == ImgCent ? QStringLiteral(".jpg") : QStringLiteral(".gif"); }
}

QString archivoImagen(Imagen i, bool grande)
{
    return QStringLiteral("\\Imágenes\\") + nombreImagen(i) +
           (grande ? QStringLiteral("_big") : QStringLiteral("_sml")) + extension(i);
}

QString archivoImagen(Imagen i, bool grande, int paso)
{
    QString f = archivoImagen(i, grande);
    if (paso != 100)
        f.insert(f.lastIndexOf(QLatin1Char('.')), QStringLiteral("_x") + QString::number(paso));
    return f;
}

const std::array<int, 6>& pasosImagen()
{
    static const std::array<int, 6> p{125, 150, 175, 200, 250, 300};
    return p;
}

int pasoPara(double escala)
{
    int elegido = 100;
    for (int p : pasosImagen())
        if (p <= escala * 100 + 0.5)  // 2.0 asked as 1.9999 still takes 200
            elegido = p;
    return elegido;
}

QString recursoDiseno(Imagen i) { return QStringLiteral(":/tablero/") + nombreImagen(i) + extension(i); }

QFont fuente(int puntos, bool negrita)
{
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    f.setPointSize(puntos);
    f.setBold(negrita);
    return f;
}

Fuentes fuentes(bool grande) { return grande ? Fuentes{22, 24, 24} : Fuentes{16, 18, 18}; }

const std::array<Fila, NumElementos>& tabla()
{
    static const std::array<Fila, NumElementos> t{{
        {EBorde, 0, 0, 10710, 7620},
        {EImage1, 60, 60, 2655, 3825},
        {ELblJugador, 2820, 60, 3390, 465},
        {ETxtPregunta, 2820, 660, 6195, 2760},
        {ECmdIniciar, 4200, 1800, Igual, Igual},
        {ECmdOpciones, 6900, 120, Igual, Igual},
        {EPuntos1, 9060, 120, 1575, Igual},
        {EResp0, 240, 4560, 4875, 1575},
        {EResp1, 5520, 4560, 4875, 1575},
        {EResp2, 240, 5640, 4875, 1575},
        {EResp3, 5520, 5640, 4875, 1575},
        {EComod, 120, 3840, 1755, 675},
        {EZnBot, 60, 6930, 10590, 600},
        {ELblNextPlayer, 4380, 90, 3210, 465},
        {ECmdRetira, 7800, 0, Igual, Igual},
        {ETimer1, 4508, 3450, 1695, 975},
    }};
    return t;
}

}  // namespace Diseno
