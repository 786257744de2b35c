#pragma once
#include "Modulo.h"

#include <QList>
#include <QString>

// The standings at the end of a match: places from the highest step down.
struct Puesto {
    int jugador = 0;     // index in the players table
    QString nombre;      // "1. Ana"
    QString puntos;      // prize text of the player's step
};

// Ranks the first TotalJugadores players through a list sorted on the step
// written with at least two digits. Equal steps take consecutive places, the
// lower seat first.
QList<Puesto> Clasificacion(const Modulo& m);
