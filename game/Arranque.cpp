#include "Arranque.h"

#include "Almacen.h"
#include "Modulo.h"

namespace {
const QString kInicio = QStringLiteral("Inicio");
const QString kPlayers = QStringLiteral("Players");

// "Total" outside 1..6 (or not a number) falls back to one player, so the
// seats are never indexed beyond the six.
qint16 leerTotal(const Almacen& a)
{
    const qint16 t = a.leer16(kPlayers, QStringLiteral("Total"), 1);
    return (t >= 1 && t <= Modulo::MaxJugadores) ? t : qint16(1);
}

void leerInterruptores(Modulo& m, const Almacen& a)
{
    m.noSoundAnswer = a.leerBool(kInicio, QStringLiteral("noSoundAnswer"), false);
    m.noSoundAsk = a.leer32(kInicio, QStringLiteral("noSoundAsk"), 0);
    m.jumpNext = a.leerBool(kInicio, QStringLiteral("jumpNext"), false);
    m.ContinuousPlay = a.leerBool(kInicio, QStringLiteral("ContinuousPlay"), true);
    m.PreguntaCorta = a.leerBool(kInicio, QStringLiteral("PreguntaCorta"), true);
    m.SalaPublico = a.leerBool(kInicio, QStringLiteral("SalaPublico"), false);
    m.JuegaElPublico = a.leerBool(kInicio, QStringLiteral("JuegaElPublico"), false);
    m.MostrarVersiculo = a.leerBool(kInicio, QStringLiteral("MostrarVersiculo"), true);
}

void aplicarSilencio(Modulo& m, const Almacen& a)
{
    if (a.leer16(kInicio, QStringLiteral("Silence"), 0) == 1)
        m.Volume = -10000;
}

void fijarCarpeta(Modulo& m)
{
    if (!m.FullMusicVersion)
        m.PreguntaCorta = true;
    m.CarpetaMP3 = (!m.PreguntaCorta && m.FullMusicVersion) ? QStringLiteral("\\MP3_45\\")
                                                           : QStringLiteral("\\MP3\\");
}
}  // namespace

void LeerAjustesInicio(Modulo& m, Almacen& a)
{
    m.Actual = a.leer16(kInicio, QStringLiteral("Actual"), 7);
    m.Volume = a.leer16(kInicio, QStringLiteral("Volume"), 0);
    m.Music = a.leer16(kInicio, QStringLiteral("Music"), 38);
    if (m.Volume > 0) {
        m.Volume = 0;
        a.escribir(kInicio, QStringLiteral("Volume"), QStringLiteral("0"));
    }
    leerInterruptores(m, a);
    m.FullMusicVersion = a.leerBool(kInicio, QStringLiteral("FullMusicVersion"), false);
    aplicarSilencio(m, a);
    m.TotalJugadores = leerTotal(a);
    if (m.Music < m.Actual)
        m.Actual = m.Music;
    fijarCarpeta(m);
    ReiniciarJugadores(m, a);
}

bool PrimeraVezConfirmada(Almacen& a)
{
    if (!a.leerBool(kInicio, QStringLiteral("FirstRun"), true))
        return false;
    a.escribir(kInicio, QStringLiteral("FirstRun"), QStringLiteral("False"));
    return a.sincronizar();
}

void ReiniciarJugadores(Modulo& m, const Almacen& a)
{
    for (int i = 0; i < Modulo::MaxJugadores; ++i) {
        Jugador& j = m.Jugadores[size_t(i)];
        j.Nombre = a.leer(kPlayers, QString::number(i), QStringLiteral("Jugador ") + QString::number(i));
        j.EnJuego = true;
        j.Escalon = 0;
        j.EstadoComodines = 0;
    }
}

void RecargarAjustes(Modulo& m, const Almacen& a)
{
    m.Volume = a.leer16(kInicio, QStringLiteral("Volume"), 0);
    leerInterruptores(m, a);
    aplicarSilencio(m, a);
    m.TotalJugadores = leerTotal(a);
    for (int i = 0; i < Modulo::MaxJugadores; ++i)
        m.Jugadores[size_t(i)].Nombre =
            a.leer(kPlayers, QString::number(i), QStringLiteral("Jugador ") + QString::number(i));
    fijarCarpeta(m);
}
