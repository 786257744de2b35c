#pragma once
#include <QPixmap>

// The fixed pictures of the message and standings windows, painted by code so
// that every pixel comes from this repository. escala draws them larger for
// windows that grow with a large board (the sizes below are at 1), at the
// screen's pixel density, so they stay sharp.
namespace Arte {
enum class Cara { Neutral = 0, Sonrisa = 1, Risa = 2, Triste = 3 };

QPixmap Carita(Cara cara, double escala = 1.0);  // 32 x 32, a yellow face on navy
QPixmap Tira(double escala = 1.0);               // 370 x 9, gold bar ending in chevrons
QPixmap BotonCerrar(double escala = 1.0);        // 91 x 25, gold triangle and "Cerrar" on dark red
QPixmap BannerPosiciones(double escala = 1.0);   // 378 x 63, "Tabla de posiciones" over a gold ribbon
}
