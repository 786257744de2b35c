#include "Archivos.h"

#include "Ubicaciones.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <filesystem>

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

namespace {
// Qt draws each of the six letters at random from both cases. A word a
// person gives a copy ("backup", "BACKUP", "Backup") is in one case, or
// capitalised: such a name is the player's, never taken for a leftover.
// Of Qt's names, 3 in 64 look like that and stay; a leftover is only lost
// room, a player's copy of the base is their counts.
bool letrasDeQt(QStringView letras)
{
    const auto minuscula = [](QChar c) { return c.isLower(); };
    const QStringView resto = letras.mid(1);
    if (std::all_of(resto.begin(), resto.end(), minuscula))
        return false;  // "backup", "Backup"
    return !std::none_of(letras.begin(), letras.end(), minuscula);  // not "BACKUP"
}
}

void BorrarRestosDeGuardado(const QString& ruta)
{
    const QFileInfo info(ruta);
    const QString prefijo = info.fileName() + QLatin1Char('.');
    const QRegularExpression patron(QLatin1Char('^') + QRegularExpression::escape(prefijo)
                                    + QStringLiteral("[A-Za-z]{6}$"));
    const QFileInfoList restos = info.absoluteDir().entryInfoList({prefijo + QStringLiteral("??????")},
                                                                  QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& r : restos)
        if (patron.match(r.fileName()).hasMatch() && letrasDeQt(QStringView(r.fileName()).right(6)))
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
