#include "ArchivoBase.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>

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
}

void ArchivoBase::fijarLimiteEscritura(qint64 bytes) { limiteEscritura = bytes; }

ArchivoBase::Lectura ArchivoBase::leerEstructura(const QByteArray& datos)
{
    const char* p = datos.constData();
    const char* const fin = p + datos.size();
    if (datos.size() < 20)
        return fallo(QStringLiteral("el archivo está vacío o truncado"));
    if (qFromLittleEndian<quint16>(p) != EtiquetaTabla)
        return fallo(QStringLiteral("no empieza con una tabla de valores etiquetados"));
    if (qFromLittleEndian<quint16>(p + 2) != 2)
        return fallo(QStringLiteral("la tabla no tiene dos dimensiones"));

    // Either bound pair may come first; the field dimension is the one that
    // counts ten. With ten rows both do, and then the order does not matter.
    const Dimension d1 = leerDimension(p + 4);
    const Dimension d2 = leerDimension(p + 12);
    Dimension filas;
    if (d1.elementos == FilaBase::NumCampos && d1.inferior == 0)
        filas = d2;
    else if (d2.elementos == FilaBase::NumCampos && d2.inferior == 0)
        filas = d1;
    else
        return fallo(QStringLiteral("ninguna dimensión tiene los diez campos"));
    if (filas.inferior != 0)
        return fallo(QStringLiteral("las filas no empiezan en 0"));
    if (filas.elementos <= 0)
        return fallo(QStringLiteral("la tabla no tiene filas"));
    p += 20;

    // Every value takes at least its two tag bytes: a count the rest of the
    // file cannot hold is refused before anything is allocated from it.
    const qint64 valores = qint64(filas.elementos) * FilaBase::NumCampos;
    if (valores * 2 > fin - p)
        return fallo(QStringLiteral("la cabecera anuncia %1 filas, más de las que caben en el archivo")
                         .arg(filas.elementos));

    Lectura l;
    l.tabla.resize(size_t(filas.elementos));
    for (qint64 r = 0; r < filas.elementos; ++r) {
        for (int c = 0; c < FilaBase::NumCampos; ++c) {
            if (!ValorEtiquetado::leer(p, fin, l.tabla[size_t(r)][c]))
                return fallo(QStringLiteral("valor ilegible en el campo %1 (etiqueta desconocida o datos cortados)")
                                 .arg(c),
                             r);
        }
    }
    if (p != fin)
        return fallo(QStringLiteral("sobran %1 bytes tras el último valor").arg(fin - p));
    return l;
}

QString ArchivoBase::errorDeFila(const FilaBase& fila)
{
    if (!fila[FilaBase::Nivel].enteroEntre(1, Niveles))
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
    Lectura l = leerEstructura(datos);
    if (!l.valida())
        return l;
    for (size_t r = 0; r < l.tabla.size(); ++r) {
        const QString e = errorDeFila(l.tabla[r]);
        if (!e.isEmpty())
            return fallo(e, qint64(r));
    }
    const QString e = comprobarNiveles(l.tabla, &l.reagrupada);
    if (!e.isEmpty())
        return fallo(e);
    return l;
}

ArchivoBase::Lectura ArchivoBase::leerArchivo(const QString& ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return fallo(QStringLiteral("no se puede abrir"));
    return leer(f.readAll());
}

QByteArray ArchivoBase::serializar(const TablaBase& tabla)
{
    qsizetype total = 20;
    for (const FilaBase& f : tabla)
        for (const ValorEtiquetado& v : f.campos)
            total += v.tamano();
    QByteArray b(total, Qt::Uninitialized);
    char* p = b.data();
    qToLittleEndian<quint16>(EtiquetaTabla, p);
    qToLittleEndian<quint16>(2, p + 2);
    // Written order: the field dimension first, then the rows.
    escribirDimension(p + 4, {FilaBase::NumCampos, 0});
    escribirDimension(p + 12, {qint32(tabla.size()), 0});
    p += 20;
    for (const FilaBase& f : tabla)
        for (const ValorEtiquetado& v : f.campos)
            p = v.escribir(p);
    Q_ASSERT(p == b.constData() + b.size());
    return b;
}

bool ArchivoBase::escribir(const QString& ruta, const TablaBase& tabla)
{
    return escribirDatos(ruta, serializar(tabla));
}

bool ArchivoBase::escribirDatos(const QString& ruta, const QByteArray& datos)
{
    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (limiteEscritura >= 0 && datos.size() > limiteEscritura) {
        f.write(datos.constData(), limiteEscritura);
        f.cancelWriting();  // what a full disk does half-way through
        return false;
    }
    if (f.write(datos) != datos.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}
