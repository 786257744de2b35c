#include "CodigoTecla.h"

#include <QKeyEvent>

int codigoTecla(const QKeyEvent* e)
{
    const int k = e->key();
    if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9) || k == Qt::Key_Space)
        return k;
    if (k == Qt::Key_Return || k == Qt::Key_Enter)
        return 13;
    if (k == Qt::Key_Escape)
        return 27;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
        return 112 + (k - Qt::Key_F1);
    return 0;
}

int estadoMayusculas(Qt::KeyboardModifiers mods)
{
    return (mods & Qt::ShiftModifier ? 1 : 0) + (mods & Qt::ControlModifier ? 2 : 0) +
           (mods & Qt::AltModifier ? 4 : 0);
}
