#include "Cita.h"

#include "Libros.h"

#include <QRegularExpression>
#include <limits>

namespace {

// A number too long for an int is still a number, only one no chapter or
// verse has: it reads as the largest int.
int numero(const QString& digitos)
{
    bool ok = false;
    const int n = digitos.toInt(&ok);
    return ok ? n : std::numeric_limits<int>::max();
}

}  // namespace

Cita Cita::leer(const QString& referencia)
{
    Cita c;
    c.escrita = referencia.trimmed();
    if (c.escrita.isEmpty())
        return c;
    // The same shape as the sources' checker: the name runs to the last
    // space before "C:V".
    static const QRegularExpression forma(QStringLiteral("^(.+?) ([0-9]+):([0-9]+)(?:-([0-9]+))?$"));
    const QRegularExpressionMatch m = forma.match(c.escrita);
    if (!m.hasMatch()) {
        c.estado = Estado::MalEscrita;
        return c;
    }
    c.nombreLibro = m.captured(1);
    c.capitulo = numero(m.captured(2));
    c.desde = numero(m.captured(3));
    c.hasta = m.hasCaptured(4) ? numero(m.captured(4)) : c.desde;
    c.libro = Libros::indice(c.nombreLibro);
    if (c.libro < 0)
        c.estado = Estado::LibroDesconocido;
    else if (c.hasta < c.desde)
        c.estado = Estado::AlReves;
    else
        c.estado = Estado::Valida;
    return c;
}

QString Cita::texto() const
{
    if (!valida())
        return {};
    QString t = Libros::nombre(libro) + QStringLiteral(" %1:%2").arg(capitulo).arg(desde);
    if (hasta != desde)
        t += QStringLiteral("-%1").arg(hasta);
    return t;
}
