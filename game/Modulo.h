#pragma once
#include "Jugador.h"

#include <array>
#include <QString>

// Everything the windows share: the settings mirrors and the players table.
// One instance lives for the whole run; tests make their own.
struct Modulo {
    static constexpr int MaxJugadores = 6;

    std::array<Jugador, MaxJugadores> Jugadores{};
    qint16 JugadorActual = 0;   // -1 or TotalJugadores while the standings close a match
    qint16 TotalJugadores = 1;  // 1..6

    // Settings mirrors.
    qint16 Actual = 7;           // next question-music track
    qint16 Music = 38;           // last question-music track
    qint16 Volume = 0;           // hundredths of a decibel: -10000 silent, 0 full
    bool noSoundAnswer = false;
    qint32 noSoundAsk = 0;
    bool jumpNext = false;
    bool ContinuousPlay = true;
    bool PreguntaCorta = true;
    bool FullMusicVersion = false;
    QString CarpetaMP3 = QStringLiteral("\\MP3\\");
    bool SalaPublico = false;     // the room of phones listens
    bool JuegaElPublico = false;  // and the phones answer too
    bool MostrarVersiculo = true; // the verse card after every answer

    // The player table is indexed only through this: a bad index never
    // reaches past the six seats.
    Jugador* jugador(int i) { return (i >= 0 && i < MaxJugadores) ? &Jugadores[size_t(i)] : nullptr; }
    const Jugador* jugador(int i) const { return (i >= 0 && i < MaxJugadores) ? &Jugadores[size_t(i)] : nullptr; }
    Jugador& actual() { return Jugadores[size_t(qBound(0, int(JugadorActual), MaxJugadores - 1))]; }
    const Jugador& actual() const { return Jugadores[size_t(qBound(0, int(JugadorActual), MaxJugadores - 1))]; }

    // Seconds per question that follow from PreguntaCorta.
    qint16 segundosPregunta() const { return PreguntaCorta ? 30 : 45; }
};
