#pragma once

struct Modulo;

// Whether the board shows the passage of the question just closed.
namespace Versiculo {

enum class Cierre { Acierto, Fallo, Retiro };

// With the option on, after every answer judged (the countdown running out
// included) and every walk-away; not after a right answer the board follows
// at once with the next question (continuous play with jumpNext, the player
// still in the game), where nobody would have time to read it. Asked before
// the outcome is applied, so the card is up under the message window.
bool Mostrar(const Modulo& m, Cierre c);

}  // namespace Versiculo
