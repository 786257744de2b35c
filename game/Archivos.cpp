#include "Archivos.h"

#include "Ubicaciones.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <filesystem>

Apertura AbrirArchivoNormal(QFile& f)
{
    const QFileInfo info(f.fileName());
    if (!info.exists())
        return Apertura::Falta;
    if (!info.isFile())
        return Apertura::NoEsNormal;
    if (!f.open(QIODevice::ReadOnly))
        return Apertura::NoSeAbre;
    if (f.isSequential()) {
        f.close();
        return Apertura::NoEsNormal;
    }
    return Apertura::Abierto;
}

namespace {
std::filesystem::path rutaNativa(const QString& ruta)
{
    return std::filesystem::path(QFile::encodeName(ruta).toStdString());
}
}

void BorrarArchivo(const QString& ruta)
{
    QFile::remove(ruta);  // the result is deliberately ignored
}

QString NombreDeGuardado(const QString& ruta) { return ruta + QStringLiteral(".orvalia-guardando-"); }

void BorrarRestosDeGuardado(const QString& ruta)
{
    const QFileInfo info(ruta);
    const QString prefijo = QFileInfo(NombreDeGuardado(ruta)).fileName();
    const QRegularExpression patron(QLatin1Char('^') + QRegularExpression::escape(prefijo)
                                    + QStringLiteral("[A-Za-z0-9]{6}$"));
    const QFileInfoList restos = info.absoluteDir().entryInfoList({prefijo + QStringLiteral("??????")},
                                                                  QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& r : restos)
        if (patron.match(r.fileName()).hasMatch())
            BorrarArchivo(r.filePath());
}

bool ApartarArchivo(const QString& ruta, const QString& destino)
{
    std::error_code e;
    const auto origen = rutaNativa(ruta);
    const auto tipo = std::filesystem::symlink_status(origen, e).type();
    if (tipo == std::filesystem::file_type::not_found)
        return true;
    if (tipo == std::filesystem::file_type::regular && std::filesystem::file_size(origen, e) == 0 && !e)
        return true;
    if (std::filesystem::is_directory(origen, e))
        return true;
    // rename(2) itself: it moves a link rather than what it points to, and
    // never falls back to copying, as QFile::rename does (a pipe would block).
    std::filesystem::rename(origen, rutaNativa(destino), e);
    return !e;
}

QString CarpetaPrograma() { return Ubicaciones::CarpetaJuego(); }

void FijarCarpetaPrograma(const QString& carpeta) { Ubicaciones::FijarCarpetaJuego(carpeta); }

QString RutaDesde(const QString& carpeta, const QString& relativa)
{
    QString r = relativa;
    r.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (r.startsWith(QLatin1Char('/')))
        r.remove(0, 1);
    return QDir::cleanPath(carpeta + QLatin1Char('/') + r);
}

QString RutaPrograma(const QString& relativa) { return RutaDesde(CarpetaPrograma(), relativa); }
