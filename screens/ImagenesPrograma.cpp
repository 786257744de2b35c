#include "ImagenesPrograma.h"

#include "Archivos.h"

#include <QDir>
#include <QFileInfo>

namespace ImagenesPrograma {

QString Buscar(const QString& relativa)
{
    const QString enTrabajo = RutaDesde(QDir::currentPath(), relativa);
    if (QFileInfo(enTrabajo).isFile())
        return enTrabajo;
    const QString enPrograma = RutaPrograma(relativa);
    if (QFileInfo(enPrograma).isFile())
        return enPrograma;
    return {};
}

QIcon Icono()
{
    const QString ruta = Buscar(QStringLiteral("Imágenes\\NP.ico"));
    return ruta.isEmpty() ? QIcon() : QIcon(ruta);
}

QPixmap Titulo()
{
    const QString ruta = Buscar(QStringLiteral("Imágenes\\Orvalia.gif"));
    return ruta.isEmpty() ? QPixmap() : QPixmap(ruta);
}

}
