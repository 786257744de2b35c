#pragma once
#include <QString>

// The rules of the options window's number-of-players box, kept apart from
// the box itself.
namespace CuentaJugadores {

// What one key typed into the box does: the box is emptied first, then it
// holds texto; seguir moves the focus on to the first name.
struct Tecla {
    QString texto;
    bool seguir = false;
};
// caracter is the key's text (a digit, "\r" for Enter, "\b" for Backspace...).
Tecla Pulsar(const QString& caracter);

// The count a box's text stands for, whatever reached it (typed, pasted):
// empty, 0 or not a number give 1; above 6 gives 6.
int Valor(const QString& texto);

}
