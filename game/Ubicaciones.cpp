#include "Ubicaciones.h"

#include "Archivos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace Ubicaciones {

namespace {
QString& carpetaFijada()
{
    static QString c;
    return c;
}

QString carpetaEjecutable()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}
}

QString CarpetaJuego(const QString& carpetaPrograma)
{
    const QString compartida = QDir::cleanPath(carpetaPrograma + QStringLiteral("/../share/games/orvalia"));
    return QFileInfo(compartida).isDir() ? compartida : carpetaPrograma;
}

QString CarpetaJuego()
{
    return carpetaFijada().isEmpty() ? CarpetaJuego(carpetaEjecutable()) : carpetaFijada();
}

void FijarCarpetaJuego(const QString& carpeta) { carpetaFijada() = carpeta; }

QString CarpetaUsuario()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Orvalia");
}

bool CarpetaEscribible(const QString& carpeta) { return QFileInfo(carpeta).isWritable(); }

Base UbicarBase(const QString& carpetaJuego, bool compartida, const QString& carpetaUsuario,
                const Escribible& escribible)
{
    const RutasBase junto = RutasBase::En(carpetaJuego);
    // The file too: a save never replaces a QBase.qdb the player may not
    // write (QSaveFile refuses), so every count would be lost in silence.
    const bool baseEscribible = !QFileInfo::exists(junto.principal) || escribible(junto.principal);
    if (!compartida && escribible(carpetaJuego) && baseEscribible)
        return {junto, {}};
    return {{RutaDesde(carpetaUsuario, Pregunta::NombreArchivo()), junto.respaldo}, junto.principal};
}

Base BaseDelJugador()
{
    const QString juego = CarpetaJuego();
    const bool compartida = carpetaFijada().isEmpty() && juego != carpetaEjecutable();
    return UbicarBase(juego, compartida, CarpetaUsuario());
}

bool Preparar(const Base& base)
{
    if (base.inicial.isEmpty() || QFileInfo::exists(base.rutas.principal))
        return true;
    QFile origen(base.inicial);
    if (!origen.open(QIODevice::ReadOnly))
        return false;
    const QByteArray datos = origen.readAll();
    if (!QDir().mkpath(QFileInfo(base.rutas.principal).absolutePath()))
        return false;
    QSaveFile copia(base.rutas.principal);
    return copia.open(QIODevice::WriteOnly) && copia.write(datos) == datos.size() && copia.commit();
}

RutasBase RutasDelJugador()
{
    const Base b = BaseDelJugador();
    Preparar(b);
    return b.rutas;
}

}
