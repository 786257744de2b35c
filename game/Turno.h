#pragma once
#include <QtGlobal>

struct Modulo;

// The turn cycle's decisions, kept apart from the board so they can be
// checked without a window. The board applies what they return.
namespace Turno {

// What follows an answer or a walk-away.
enum class Tras {
    OtroJugador,       // continuous play, the player's game is over: SiguienteJugador, then PreparaTablero
    PreguntaYa,        // continuous play with jumpNext: the next question at once
    BotonSiguiente,    // show cmdSigPreg
    TurnoDe,           // turns mode: show cmdSigPreg and name JugadorActual in lblNextPlayer
    FinDePartida,      // turns mode, nobody left: standings (if more than one), reset, PreparaTablero
};

// Whether the board goes on to the next question at once, nobody waiting:
// continuous play with jumpNext while the player stays in the game
// (sigueEnJuego: asked before an outcome is applied, the caller says what it
// will leave).
bool SigueAlInstante(const Modulo& m, bool sigueEnJuego);

// Decides Siguiente. In turns mode it also moves JugadorActual (SiguienteActivo);
// at the end of a match in turns mode JugadorActual is left at -1 so that the
// standings close the match with it, as the board expects.
Tras Siguiente(Modulo& m);

// Turns mode: the first player still in the game after JugadorActual, in
// cyclic order over the players taking part, ending with JugadorActual
// itself; -1 when nobody is left.
qint16 SiguienteActivo(const Modulo& m);

// Continuous play, the current player's game is over.
struct Avance {
    qint16 jugador = 0;        // the new JugadorActual
    bool finDePartida = false; // the last player has played
    bool posiciones = false;   // show the standings (more than one player), then reset the players
};
// Moves JugadorActual on by one. At the end of a match JugadorActual is left
// at TotalJugadores (the value the standings close the match with); the
// caller shows the standings when asked to and then calls
// TerminaSiguienteJugador.
Avance SiguienteJugador(Modulo& m);
// The rest of SiguienteJugador once the standings (if any) have closed:
// with one player, player 0 plays again with all lifelines; with several the
// caller has already reset the players. JugadorActual becomes the result.
void TerminaSiguienteJugador(Modulo& m, const Avance& a);

// Start of a player's game: step 1, in the game. Returns the level, 1.
qint16 Inicia(Modulo& m);

// "Responder" is offered, and the player's confirming judges the question,
// only while an answer is marked: every new question, also the one a skip
// brings, starts without. (The countdown running out judges whatever is
// marked, nothing marked being a wrong answer.)
bool PuedeResponder(qint16 elegida);

// The next-question step: the current player's step goes up by one; returns
// the level of the new step.
qint16 SiguientePregunta(Modulo& m);

}  // namespace Turno
