#include "Marcas.h"

namespace {
bool esIndice(qint16 i) { return i >= 0 && i <= 3; }
}

Marcas MarcarRespuestas(qint16 sel, qint16 selState, qint16 other, qint16 otherState)
{
    Marcas m;
    m.mostrarTodas = (sel == -1);
    if (esIndice(sel))
        m.situacion[size_t(sel)] = selState;
    if (esIndice(other))
        m.situacion[size_t(other)] = otherState;
    return m;
}
