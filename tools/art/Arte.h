#pragma once
// What the picture makers share (header only; each maker's CMakeLists.txt
// puts tools/art and screens/diseno on its include path): the game's navy
// and golds, the serif of its titles, writing a picture, and the sizes of
// the desktop's icon theme.
#include "Colores.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <cstdio>

namespace Arte {
inline const QColor Marino = Colores::Azul;
inline const QColor Oro = Colores::Oro;
inline const QColor OroClaro(255, 236, 150);
inline const QColor OroOscuro(176, 122, 16);

// The sizes make.sh lays in data/escritorio/iconos.
inline constexpr int LadosIcono[] = {16, 24, 32, 48, 64, 128, 256};

inline QFont serif(int px)
{
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif")});
    f.setPixelSize(px);
    f.setBold(true);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// Writes the picture in the format its name ends in (JPEG at quality 92);
// false, and a line on standard error, when it cannot.
inline bool guardar(const QImage& img, const QString& ruta)
{
    const bool jpg = ruta.endsWith(QLatin1String(".jpg"));
    if (img.save(ruta, nullptr, jpg ? 92 : -1))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(ruta));
    return false;
}
}  // namespace Arte
