#pragma once
#include <array>
#include <QtGlobal>

// What MarcarRespuestas leaves on the four answer bars: a state for each
// (0 plain, 1 marked, 2 right, 3 wrong) and whether all four are to be made
// visible again (only when nothing is selected).
struct Marcas {
    std::array<qint16, 4> situacion{0, 0, 0, 0};
    bool mostrarTodas = false;
};

// sel/other are answer indices 0..3 or -1 for none; anything else is ignored.
Marcas MarcarRespuestas(qint16 sel, qint16 selState, qint16 other, qint16 otherState);
