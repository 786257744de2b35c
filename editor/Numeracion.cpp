#include "Numeracion.h"

#include "Cita.h"
#include "Libros.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>

namespace Numeracion {

namespace {

struct Tabla {
    QHash<quint64, Inicio> inicios;
    QHash<quint64, int> mayores;  // key with verse 0
    int ilegibles = 0;
};

quint64 clave(int libro, int capitulo, int verso)
{
    return (quint64(quint32(libro)) << 40) | (quint64(quint32(capitulo)) << 20) | quint32(verso);
}

// Each line: the printed verse or range ("Jonás 2:1-9"), the module's of the
// same length ("Jonah 2:2-10"), then the words, commas and all.
Tabla leer()
{
    Tabla t;
    QFile f(QStringLiteral(":/numeracion/numeracion.csv"));
    if (!f.open(QIODevice::ReadOnly))
        return t;
    static const QRegularExpression modulo(QStringLiteral("^(\\S+) ([0-9]+):([0-9]+)(?:-([0-9]+))?$"));
    const QStringList lineas = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < lineas.size(); ++i) {
        const QString l = lineas[i].trimmed();
        const qsizetype c1 = l.indexOf(QLatin1Char(','));
        const qsizetype c2 = c1 < 0 ? -1 : l.indexOf(QLatin1Char(','), c1 + 1);
        const Cita impreso = Cita::leer(l.left(c1));
        const QRegularExpressionMatch m = modulo.match(l.mid(c1 + 1, c2 - c1 - 1).trimmed());
        const QString empieza = l.mid(c2 + 1).trimmed();
        const int w1 = m.captured(3).toInt();
        const int w2 = m.hasCaptured(4) ? m.captured(4).toInt() : w1;
        if (c2 < 0 || !impreso.valida() || !m.hasMatch()
            || QLatin1String(Libros::lista()[size_t(impreso.libro)].osis) != m.captured(1)
            || impreso.hasta - impreso.desde != w2 - w1 || (!empieza.isEmpty() && w1 != w2)) {
            ++t.ilegibles;
            continue;
        }
        for (int v = impreso.desde; v <= impreso.hasta; ++v)
            t.inicios.insert(clave(impreso.libro, impreso.capitulo, v),
                             {m.captured(2).toInt(), w1 + v - impreso.desde, empieza});
        int& mayor = t.mayores[clave(impreso.libro, impreso.capitulo, 0)];
        mayor = std::max(mayor, impreso.hasta);
    }
    return t;
}

const Tabla& tabla()
{
    static const Tabla t = leer();
    return t;
}

}  // namespace

Inicio inicio(int libro, int capitulo, int verso)
{
    return tabla().inicios.value(clave(libro, capitulo, verso), Inicio{capitulo, verso, {}});
}

int mayorImpreso(int libro, int capitulo) { return tabla().mayores.value(clave(libro, capitulo, 0), 0); }

int filasIlegibles() { return tabla().ilegibles; }

}  // namespace Numeracion
