#pragma once
#include <QColor>

// The game's look: dark blue windows with gold text and outlines.
namespace Colores {
inline const QColor Azul(0, 0, 128);
inline const QColor Oro(255, 204, 48);
}
