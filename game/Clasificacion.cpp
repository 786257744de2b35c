#include "Clasificacion.h"

#include "Premios.h"

#include <algorithm>

namespace {
struct Entrada {
    QString clave;
    int jugador;
};
}

QList<Puesto> Clasificacion(const Modulo& m)
{
    const int total = qBound(0, int(m.TotalJugadores), Modulo::MaxJugadores);

    // Kept in ascending text order. A new entry goes in front of its equals,
    // so that reading from the end puts the lower seat first.
    QList<Entrada> lista;
    for (int p = 0; p < total; ++p) {
        const QString clave = QStringLiteral("%1").arg(m.Jugadores[size_t(p)].Escalon, 2, 10, QLatin1Char('0'));
        auto donde = std::lower_bound(lista.begin(), lista.end(), clave,
                                      [](const Entrada& e, const QString& c) { return e.clave < c; });
        lista.insert(donde, Entrada{clave, p});
    }

    QList<Puesto> puestos;
    for (int i = 0; i < total; ++i) {
        const Entrada& e = lista[total - 1 - i];
        const Jugador& j = m.Jugadores[size_t(e.jugador)];
        puestos.append(Puesto{e.jugador, QStringLiteral("%1. %2").arg(i + 1).arg(j.Nombre), TextoPremio(j.Escalon)});
    }
    return puestos;
}
