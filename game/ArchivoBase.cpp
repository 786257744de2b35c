#include "ArchivoBase.h"

#include "Archivos.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdio>

namespace {
qint64 limiteEscritura = -1;

struct Dimension {
    qint32 elementos;
    qint32 inferior;
};

Dimension leerDimension(const char* p)
{
    return {qFromLittleEndian<qint32>(p), qFromLittleEndian<qint32>(p + 4)};
}

void escribirDimension(char* p, Dimension d)
{
    qToLittleEndian<qint32>(d.elementos, p);
    qToLittleEndian<qint32>(d.inferior, p + 4);
}

ArchivoBase::Lectura fallo(const QString& error, qint64 fila = -1)
{
    ArchivoBase::Lectura l;
    l.error = error;
    l.fila = fila;
    return l;
}

constexpr qint64 Cabecera = 20;

// Judges the header at p of a file of `tamano` bytes and gives the row count.
QString leerCabecera(const char* p, qint64 tamano, qint64* filas)
{
    if (tamano < Cabecera)
        return QStringLiteral("el archivo está vacío o truncado");
    if (qFromLittleEndian<quint16>(p) != ArchivoBase::EtiquetaTabla)
        return QStringLiteral("no empieza con una tabla de valores etiquetados");
    if (qFromLittleEndian<quint16>(p + 2) != 2)
        return QStringLiteral("la tabla no tiene dos dimensiones");

    // Either bound pair may come first; the field dimension is the one that
    // counts ten. With ten rows both do, and then the order does not matter.
    const Dimension d1 = leerDimension(p + 4);
    const Dimension d2 = leerDimension(p + 12);
    Dimension f;
    if (d1.elementos == FilaBase::NumCampos && d1.inferior == 0)
        f = d2;
    else if (d2.elementos == FilaBase::NumCampos && d2.inferior == 0)
        f = d1;
    else
        return QStringLiteral("ninguna dimensión tiene los diez campos");
    if (f.inferior != 0)
        return QStringLiteral("las filas no empiezan en 0");
    if (f.elementos <= 0)
        return QStringLiteral("la tabla no tiene filas");

    // Every value takes at least its two tag bytes: a count the rest of the
    // file cannot hold is refused before anything is allocated from it.
    if (qint64(f.elementos) * FilaBase::NumCampos * 2 > tamano - Cabecera)
        return QStringLiteral("la cabecera anuncia %1 filas, más de las que caben en el archivo").arg(f.elementos);
    *filas = f.elementos;
    return QString();
}

// The most bytes a table of `filas` rows can take: every value a text of
// the longest length. Nothing past it is ever read.
qint64 mayorTabla(qint64 filas) { return Cabecera + filas * FilaBase::NumCampos * (4 + 0xFFFF); }

ArchivoBase::Lectura leerTabla(const QByteArray& datos, bool juzgarFilas)
{
    const char* p = datos.constData();
    const char* const fin = p + datos.size();
    qint64 filas = 0;
    const QString e = leerCabecera(p, datos.size(), &filas);
    if (!e.isEmpty())
        return fallo(e);
    p += Cabecera;

    ArchivoBase::Lectura l;
    // At most one row for every twenty bytes of the file (see leerCabecera);
    // each row then takes one block of its own size in the file.
    l.tabla.reserve(size_t(filas));
    for (qint64 r = 0; r < filas; ++r) {
        qsizetype largo = 0;
        int campo = 0;
        if (!FilaBase::medir(p, fin, &largo, &campo))
            return fallo(QStringLiteral("valor ilegible en el campo %1 (etiqueta desconocida o datos cortados)")
                             .arg(campo),
                         r);
        l.tabla.emplace_back(QByteArrayView(p, largo));
        p += largo;
        // A row the game cannot play ends the reading at once, so a file
        // of junk rows is not held whole in memory before it is refused.
        if (juzgarFilas) {
            const QString malo = ArchivoBase::errorDeFila(l.tabla.back());
            if (!malo.isEmpty())
                return fallo(malo, r);
        }
    }
    l.sobrantes = fin - p;
    return l;
}
}

void ArchivoBase::fijarLimiteEscritura(qint64 bytes) { limiteEscritura = bytes; }

ArchivoBase::Lectura ArchivoBase::leerEstructura(const QByteArray& datos) { return leerTabla(datos, false); }

QString ArchivoBase::errorDeFila(const FilaBase& fila)
{
    // A level held as text ("3") is read as its number, as the counts are.
    if (fila.nivel() == 0)
        return QStringLiteral("el nivel no es un número entero de 1 a 5");
    if (fila.letra() < 0)
        return QStringLiteral("LetraCorrecta no empieza por A, B, C o D");
    return QString();
}

QString ArchivoBase::comprobarNiveles(TablaBase& tabla, bool* reagrupada)
{
    // A base must hold all five levels: the game draws from each, and a
    // missing one could never be played, so such a base is not usable (the
    // backup is tried, then the error). Levels that stand out of order are
    // regrouped here, keeping the order of the rows within each level; no
    // row is ever dropped, and from here on the blocks are contiguous and
    // ascending, which is all the drawing and the sort rely on.
    std::array<qint64, Niveles + 1> cuenta{};
    bool enOrden = true;
    int anterior = 1;
    for (const FilaBase& f : tabla) {
        const int n = f.nivel();
        ++cuenta[size_t(n)];
        enOrden = enOrden && n >= anterior;
        anterior = n;
    }
    for (int n = 1; n <= Niveles; ++n)
        if (cuenta[size_t(n)] == 0)
            return QStringLiteral("no hay preguntas de nivel %1").arg(n);
    if (!enOrden)
        std::stable_sort(tabla.begin(), tabla.end(),
                         [](const FilaBase& a, const FilaBase& b) { return a.nivel() < b.nivel(); });
    if (reagrupada)
        *reagrupada = !enOrden;
    return QString();
}

ArchivoBase::Lectura ArchivoBase::leer(const QByteArray& datos)
{
    Lectura l = leerTabla(datos, true);
    if (!l.valida())
        return l;
    const QString e = comprobarNiveles(l.tabla, &l.reagrupada);
    if (!e.isEmpty())
        return fallo(e);
    return l;
}

ArchivoBase::Lectura ArchivoBase::leerArchivo(const QString& ruta, bool soloEstructura)
{
    QFile f(ruta);
    switch (AbrirArchivoNormal(f)) {
    case Apertura::Abierto: break;
    case Apertura::NoEsNormal: return fallo(QStringLiteral("no es un archivo normal"));
    case Apertura::Falta:
    case Apertura::NoSeAbre: return fallo(QStringLiteral("no se puede abrir"));
    }

    // The header first: a file that does not start as a table is refused
    // before the rest is read, and no more is read than the table can take.
    const qint64 tamano = f.size();
    char cabecera[Cabecera];
    qint64 filas = 0;
    const QString e = f.read(cabecera, Cabecera) == Cabecera ? leerCabecera(cabecera, tamano, &filas)
                                                              : QStringLiteral("el archivo está vacío o truncado");
    if (!e.isEmpty())
        return fallo(e);
    const qint64 aLeer = std::min(tamano, mayorTabla(filas));
    QByteArray datos(qsizetype(aLeer), Qt::Uninitialized);
    std::memcpy(datos.data(), cabecera, Cabecera);
    const qint64 leidos = f.read(datos.data() + Cabecera, aLeer - Cabecera);
    if (leidos < 0)
        return fallo(QStringLiteral("no se puede leer"));
    datos.truncate(qsizetype(Cabecera + leidos));  // the file may have shrunk meanwhile
    return soloEstructura ? leerEstructura(datos) : leer(datos);
}

QByteArray ArchivoBase::serializar(const TablaBase& tabla, std::span<const size_t> orden)
{
    Q_ASSERT(orden.empty() || orden.size() == tabla.size());
    const auto fila = [&](size_t i) -> const FilaBase& { return tabla[orden.empty() ? i : orden[i]]; };
    qsizetype total = Cabecera;
    for (const FilaBase& f : tabla)
        total += f.bytes().size();
    QByteArray b(total, Qt::Uninitialized);
    char* p = b.data();
    qToLittleEndian<quint16>(EtiquetaTabla, p);
    qToLittleEndian<quint16>(2, p + 2);
    // Written order: the field dimension first, then the rows.
    escribirDimension(p + 4, {FilaBase::NumCampos, 0});
    escribirDimension(p + 12, {qint32(tabla.size()), 0});
    p += Cabecera;
    for (size_t i = 0; i < tabla.size(); ++i) {
        const QByteArrayView b = fila(i).bytes();
        std::memcpy(p, b.data(), size_t(b.size()));
        p += b.size();
    }
    Q_ASSERT(p == b.constData() + b.size());
    return b;
}

bool ArchivoBase::escribir(const QString& ruta, const TablaBase& tabla, std::span<const size_t> orden)
{
    return escribirDatos(ruta, serializar(tabla, orden));
}

bool ArchivoBase::escribirDatos(const QString& ruta, const QByteArray& datos)
{
    // What QSaveFile does, but under a name of our own (Archivos.h,
    // NombreDeGuardado): Qt's temporary is the file's name and six letters,
    // which a player's own copy ("QBase.qdb.CopiaA") may carry as well, so
    // a leftover of Qt's could never be told from it.
    QFileInfo destino(ruta);
    if (destino.isDir() || (destino.exists() && !destino.isWritable()))
        return false;  // as QSaveFile: a file the player may not write is not replaced
    // A link stays a link: what it points to is replaced.
    for (int vueltas = 0; vueltas < 128 && destino.isSymLink(); ++vueltas)
        destino.setFile(destino.symLinkTarget());
    const QString donde = destino.isSymLink() ? ruta : destino.filePath();

    QTemporaryFile f(NombreDeGuardado(donde) + QStringLiteral("XXXXXX"));
    if (!f.open())
        return false;
    // The new file takes the old one's mode bits exactly (Qt's permission
    // flags would mix in what the running user may do), else what the umask
    // gives any new file.
    struct stat viejo {};
    if (::stat(QFile::encodeName(donde).constData(), &viejo) == 0) {
        ::fchmod(f.handle(), viejo.st_mode & 07777);
    } else {
        const mode_t mascara = ::umask(0);
        ::umask(mascara);
        ::fchmod(f.handle(), 0666 & ~mascara);
    }
    const qint64 aEscribir = limiteEscritura >= 0 ? std::min<qint64>(datos.size(), limiteEscritura) : datos.size();
    if (f.write(datos.constData(), aEscribir) != datos.size() || !f.flush() || ::fsync(f.handle()) != 0)
        return false;  // a full disk half-way through: the temporary goes, the old file stays
    f.close();
    if (::rename(QFile::encodeName(f.fileName()).constData(), QFile::encodeName(donde).constData()) != 0)
        return false;
    f.setAutoRemove(false);
    return true;
}
