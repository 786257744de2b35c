#include "Ubicaciones.h"

#include "ArchivoBase.h"
#include "Archivos.h"
#include "Citas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

bool CarpetaEscribible(const QString& ruta) { return QFileInfo(ruta).isWritable(); }

bool ArchivoLegible(const QString& ruta)
{
    const QFileInfo info(ruta);
    return info.isFile() && info.isReadable();
}

Base UbicarBase(const QString& carpetaJuego, bool compartida, const QString& carpetaUsuario,
                const Escribible& escribible, const Escribible& legible)
{
    const RutasBase junto = RutasBase::En(carpetaJuego);
    // The file too: a save never replaces a QBase.qdb the player may not
    // write, nor a folder in its place, so every count would be lost in
    // silence; nor could one the player may not read keep their counts.
    const QFileInfo qdb(junto.principal);
    const bool baseUtil = !(qdb.exists() || qdb.isSymLink())
                          || (legible(junto.principal) && escribible(junto.principal));
    if (!compartida && escribible(carpetaJuego) && baseUtil)
        return {junto, {}};
    return {{RutaDesde(carpetaUsuario, Pregunta::NombreArchivo()), junto.respaldo}, junto.principal};
}

Base BaseDelJugador()
{
    const QString juego = CarpetaJuego();
    const bool compartida = carpetaFijada().isEmpty() && juego != carpetaEjecutable();
    return UbicarBase(juego, compartida, CarpetaUsuario());
}

namespace {
bool prepararBase(const Base& base)
{
    if (QFileInfo::exists(base.rutas.principal))
        return true;
    // The folder first, whatever follows: the lock lies in it, and without
    // it no save could ever be made.
    if (!QDir().mkpath(QFileInfo(base.rutas.principal).absolutePath()))
        return false;
    // The shipped base, or the backup when that cannot be read (another
    // account's file, a folder in its place): the counts start from it and
    // are kept from the first question on.
    for (const QString& origen : {base.inicial, base.rutas.respaldo}) {
        QFile f(origen);
        if (!ArchivoBase::leerArchivo(origen).valida() || !f.open(QIODevice::ReadOnly))
            continue;
        return ArchivoBase::escribirDatos(base.rutas.principal, f.readAll());
    }
    return false;
}

// The passages go with the copy: the shipped QBase.citas beside it, also
// for a copy made before passages were shipped. One already there is never
// replaced (the question editor keeps it in step with the copy); a shipped
// one that is not a regular file of a sensible size is left behind.
void prepararCitas(const Base& base)
{
    const QString destino = Citas::Junto(base.rutas.principal);
    const QString origen = Citas::Junto(base.inicial);
    const QFileInfo info(origen);
    if (QFileInfo::exists(destino) || QFileInfo(destino).isSymLink() || !info.isFile()
        || info.size() > Citas::MayorArchivo)
        return;
    QFile f(origen);
    if (f.open(QIODevice::ReadOnly) && !f.isSequential())
        ArchivoBase::escribirDatos(destino, f.read(Citas::MayorArchivo));
}
}  // namespace

bool Preparar(const Base& base)
{
    if (base.inicial.isEmpty())
        return true;
    if (!prepararBase(base))
        return false;
    prepararCitas(base);
    return true;
}

RutasBase RutasDelJugador()
{
    const Base b = BaseDelJugador();
    Preparar(b);
    return b.rutas;
}

}
