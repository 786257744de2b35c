#include "DisenoTablero.h"

#include <QWidget>
#include <cmath>

namespace Diseno {

int pixeles(float twips) { return int(std::lround(twips / float(TwipsPorPixel))); }
int pixeles(int twips) { return pixeles(float(twips)); }

bool juegoGrande(int anchoTwips) { return anchoTwips > 15359; }

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
