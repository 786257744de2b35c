#pragma once
#include <QIcon>
#include <QPixmap>
#include <QString>

// The window icon and the title picture have always been taken relative to
// the working folder. An installed game is usually started from elsewhere, so
// when the working folder lacks them the program folder is tried too. A
// missing file gives an empty icon or picture, never an error.
namespace ImagenesPrograma {
QString Buscar(const QString& relativa);  // working folder first, then the program's; empty if neither
QIcon Icono();                            // "Imágenes\NP.ico"
QPixmap Titulo();                         // "Imágenes\Orvalia.gif"
}
