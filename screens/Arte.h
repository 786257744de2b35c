#pragma once
#include <QPixmap>

// The fixed pictures of the message and standings windows, painted by code so
// that every pixel comes from this repository.
namespace Arte {
enum class Cara { Neutral = 0, Sonrisa = 1, Risa = 2, Triste = 3 };

QPixmap Carita(Cara cara);       // 32 x 32, a yellow face on navy
QPixmap Tira();                  // 370 x 9, gold bar ending in chevrons
QPixmap BotonCerrar();           // 91 x 25, gold triangle and "Cerrar" on dark red
QPixmap BannerPosiciones();      // 378 x 63, "Tabla de posiciones" over a gold ribbon
}
