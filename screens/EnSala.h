#pragma once
#include "Publico.h"

#include <QList>
#include <QPointer>
#include <array>

class Pregunta;
struct Modulo;

// Where the board meets the room of phones: each of the board's steps tells
// the room what happened, in the room's words. Without a room every call
// does nothing. The room is never told the right answer before the board
// judges.
class EnSala {
public:
    explicit EnSala(Publico* sala = nullptr) : sala_(sala) {}
    Publico* publico() const { return sala_.data(); }

    void Abierta(const Modulo& m, const Pregunta& q, int segundos);   // a question shown, also after a skip
    void Quitadas(const std::array<qint16, 2>& quitadas);             // remove-two: the answers it hid
    void Juzgada(qint16 correcta, qint16 elegida, bool retiro = false);
    void Siguiente(const Modulo& m);                                  // after each answer: a game over?
    void Posiciones(const Modulo& m);                                 // a match's end, several players

private:
    QPointer<Publico> sala_;
};

// What the phones see of the open question: the player, the step and its
// points, the question and the four answers as the board shows them.
PreguntaEnSala PreguntaParaLaSala(const Modulo& m, const Pregunta& q, int segundos);

// The standings as the board ranks them: plain names, the place is the order.
QList<PuestoEnSala> PosicionesParaLaSala(const Modulo& m);
