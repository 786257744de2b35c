#pragma once

class ElementosTablero;
class QObject;

// What a screen reader reads on the board, besides the answer bars and the
// lifelines (their libraries carry their own): the picture buttons as
// buttons named by their captions ("Iniciar", "Opciones", "Responder",
// "Siguiente pregunta", "Retirarse") that a reader can press; the player's
// name, the question and the next player as labels that say what they hold
// ("Jugador: Ana"); the ladder by the step being played and its points; the
// countdown by the seconds left; the verse card as a notice named by its
// reference ("Versículo: Génesis 6:14"), the whole passage its description. Nothing the player sees or hears changes.
// Called by the board once its elements are built.
void HacerAccesible(const ElementosTablero& el);

// Installs the interfaces, once; the picture buttons and the name labels
// call it when built, so none is read before it is in place.
void InstalarAccesibleTablero();

// The countdown's seconds and the ladder's step live in their names: the two
// call this whenever those change, so a reader hears the new value.
void AvisarNombreAccesible(QObject* o);
