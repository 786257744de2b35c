#include "Almacen.h"

#include <QSettings>
#include <cmath>
#include <limits>

namespace {
QString ruta(const QString& seccion, const QString& clave) { return seccion + QLatin1Char('/') + clave; }
}

Almacen::Almacen()
    : ajustes_(new QSettings(QSettings::IniFormat, QSettings::UserScope,
                             QStringLiteral("Orvalia"), QStringLiteral("Orvalia")))
{
}

Almacen::Almacen(const QString& archivoIni) : ajustes_(new QSettings(archivoIni, QSettings::IniFormat)) {}

Almacen::~Almacen()
{
    ajustes_->sync();
    delete ajustes_;
}

QString Almacen::leer(const QString& seccion, const QString& clave, const QString& omision) const
{
    const QVariant v = ajustes_->value(ruta(seccion, clave));
    return v.isValid() ? v.toString() : omision;
}

void Almacen::escribir(const QString& seccion, const QString& clave, const QString& valor)
{
    ajustes_->setValue(ruta(seccion, clave), valor);
}

bool Almacen::existe(const QString& seccion, const QString& clave) const
{
    return ajustes_->contains(ruta(seccion, clave));
}

bool Almacen::sincronizar()
{
    ajustes_->sync();
    return ajustes_->status() == QSettings::NoError;
}

qint16 Almacen::leer16(const QString& seccion, const QString& clave, qint16 omision) const
{
    bool ok = false;
    const qint64 n = Texto::aNumero(leer(seccion, clave, QString::number(omision)), &ok);
    if (!ok || n < std::numeric_limits<qint16>::min() || n > std::numeric_limits<qint16>::max())
        return omision;
    return qint16(n);
}

qint32 Almacen::leer32(const QString& seccion, const QString& clave, qint32 omision) const
{
    bool ok = false;
    const qint64 n = Texto::aNumero(leer(seccion, clave, QString::number(omision)), &ok);
    if (!ok || n < std::numeric_limits<qint32>::min() || n > std::numeric_limits<qint32>::max())
        return omision;
    return qint32(n);
}

bool Almacen::leerBool(const QString& seccion, const QString& clave, bool omision) const
{
    bool ok = false;
    const bool b = Texto::aBooleano(leer(seccion, clave, Texto::deBooleano(omision)), &ok);
    return ok ? b : omision;
}

namespace Texto {

qint64 aNumero(const QString& texto, bool* ok)
{
    const QString t = texto.trimmed();
    bool bien = false;
    qint64 n = t.toLongLong(&bien);
    if (!bien) {
        // "12.0" or "-3.5": round half to even, as a 16-bit conversion does.
        const double d = t.toDouble(&bien);
        if (bien && std::isfinite(d) && std::fabs(d) < 9.0e15)
            n = qint64(std::nearbyint(d));
        else
            bien = false;
    }
    if (ok)
        *ok = bien;
    return bien ? n : 0;
}

bool aBooleano(const QString& texto, bool* ok)
{
    const QString t = texto.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        if (ok) *ok = true;
        return true;
    }
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        if (ok) *ok = true;
        return false;
    }
    bool bien = false;
    const qint64 n = aNumero(t, &bien);
    if (ok)
        *ok = bien;
    return bien && n != 0;
}

QString deBooleano(bool valor) { return valor ? QStringLiteral("True") : QStringLiteral("False"); }

}  // namespace Texto
