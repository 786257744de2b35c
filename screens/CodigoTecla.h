#pragma once

#include <Qt>

class QKeyEvent;

// Qt's keys as the board's key codes: letters, digits and the space as their
// characters, Enter 13, Escape 27, F1 to F24 from 112; 0 for any other key.
int codigoTecla(const QKeyEvent* e);
// The modifiers as the board counts them: 1 Shift, 2 Ctrl, 4 Alt, summed.
int estadoMayusculas(Qt::KeyboardModifiers mods);
