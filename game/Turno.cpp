#include "Turno.h"

#include "Modulo.h"
#include "Premios.h"

namespace Turno {

qint16 SiguienteActivo(const Modulo& m)
{
    const int total = qBound(1, int(m.TotalJugadores), Modulo::MaxJugadores);
    const int desde = qBound(0, int(m.JugadorActual), total - 1);
    for (int paso = 1; paso <= total; ++paso) {
        const int i = (desde + paso) % total;
        if (m.Jugadores[size_t(i)].EnJuego)
            return qint16(i);
    }
    return -1;
}

bool SigueAlInstante(const Modulo& m, bool sigueEnJuego) { return sigueEnJuego && m.ContinuousPlay && m.jumpNext; }

Tras Siguiente(Modulo& m)
{
    if (m.ContinuousPlay) {
        if (!m.actual().EnJuego)
            return Tras::OtroJugador;
        return SigueAlInstante(m, true) ? Tras::PreguntaYa : Tras::BotonSiguiente;
    }
    m.JugadorActual = SiguienteActivo(m);
    return m.JugadorActual == -1 ? Tras::FinDePartida : Tras::TurnoDe;
}

Avance SiguienteJugador(Modulo& m)
{
    Avance a;
    m.JugadorActual = qint16(m.JugadorActual + 1);
    if (m.JugadorActual < m.TotalJugadores) {
        a.jugador = m.JugadorActual;
        return a;
    }
    a.finDePartida = true;
    a.posiciones = m.TotalJugadores >= 2;
    a.jugador = 0;
    return a;
}

void TerminaSiguienteJugador(Modulo& m, const Avance& a)
{
    if (a.finDePartida && !a.posiciones) {
        m.Jugadores[0].EnJuego = true;
        m.Jugadores[0].EstadoComodines = 0;
    }
    m.JugadorActual = a.jugador;
}

qint16 Inicia(Modulo& m)
{
    m.actual().Escalon = 1;
    m.actual().EnJuego = true;
    return 1;
}

bool PuedeResponder(qint16 elegida) { return elegida >= 0 && elegida <= 3; }

qint16 SiguientePregunta(Modulo& m)
{
    Jugador& j = m.actual();
    j.Escalon = qint16(qMin(j.Escalon + 1, int(Premios::PasoMaximo)));
    return NivelDeEscalon(j.Escalon);
}

}  // namespace Turno
