#include "Archivos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {
QString& carpetaFijada()
{
    static QString c;
    return c;
}
}

void BorrarArchivo(const QString& ruta)
{
    QFile::remove(ruta);  // the result is deliberately ignored
}

QString CarpetaPrograma()
{
    if (!carpetaFijada().isEmpty())
        return carpetaFijada();
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

void FijarCarpetaPrograma(const QString& carpeta) { carpetaFijada() = carpeta; }

QString RutaDesde(const QString& carpeta, const QString& relativa)
{
    QString r = relativa;
    r.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (r.startsWith(QLatin1Char('/')))
        r.remove(0, 1);
    return QDir::cleanPath(carpeta + QLatin1Char('/') + r);
}

QString RutaPrograma(const QString& relativa) { return RutaDesde(CarpetaPrograma(), relativa); }
