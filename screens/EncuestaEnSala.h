#pragma once
#include "Azar.h"

class Estadisticas;
class Publico;

// The poll lifeline with the room of phones. When phones are there to vote,
// the statistics window counts the votes as they come ("Han votado 12 de 30")
// and, once the vote closes, draws the votes as it draws any poll; nobody
// voting, no phone there, or no room: the poll the game has always drawn, for
// this level and right answer. Hiding the window (an answer, the time run
// out, a walk-away) closes the vote. azar must outlive the window.
void LlenarEncuesta(Publico* sala, Estadisticas& e, qint16 nivel, qint16 correcta, Azar& azar = Azar::global());
