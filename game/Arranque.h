#pragma once
class Almacen;
struct Modulo;

// The settings half of the start routine: reads every mirror and the players
// in the order the game has always read them, with the start-up corrections
// (Volume above 0 stored back as 0, Silence, Actual above Music, the short
// music when the long one is not installed, the sound folder).
void LeerAjustesInicio(Modulo& m, Almacen& a);

// Re-reads the six names and resets all six seats.
void ReiniciarJugadores(Modulo& m, const Almacen& a);

// What the options window does when it closes: reload the mirrors it may have
// changed, with the same start-up rules for PreguntaCorta and Silence, and
// derive the sound folder again. Actual and Music are left alone.
void RecargarAjustes(Modulo& m, const Almacen& a);

// The load step's first-run rule: true when "FirstRun" says this is the
// first run and "False" has been stored and confirmed written. A store that
// cannot be written would otherwise call every start the first, and each
// would reshuffle the base and wipe its counts.
bool PrimeraVezConfirmada(Almacen& a);

// Sections and keys of the store.
namespace Claves {
inline constexpr const char* Inicio = "Inicio";
inline constexpr const char* Players = "Players";
}
