#pragma once
#include <QString>
#include <QtGlobal>

// One seat at the table. A match uses the first TotalJugadores of six.
struct Jugador {
    QString Nombre;
    qint16 Escalon = 0;          // step won, or the step of the open question
    bool EnJuego = true;         // false once this player's game has ended
    qint16 EstadoComodines = 0;  // used-lifeline mask: 4 poll, 2 skip, 1 remove-two
};
