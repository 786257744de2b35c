#include "Comodines.h"

namespace Comodines {

qint16 Bit(qint16 comodin)
{
    switch (comodin) {
    case Encuesta: return 4;
    case Salto: return 2;
    case Quita: return 1;
    default: return 0;
    }
}

bool Usado(qint16 mascara, qint16 comodin) { return (mascara & Bit(comodin)) != 0; }

qint16 Marcar(qint16 mascara, qint16 comodin) { return qint16(mascara | Bit(comodin)); }

std::array<qint16, 3> Candidatos(int r)
{
    std::array<qint16, 3> c{};
    c[0] = qint16(((r % 4) + 4) % 4);
    for (size_t i = 1; i < 3; ++i)
        c[i] = c[i - 1] == 0 ? 3 : qint16(c[i - 1] - 1);
    return c;
}

std::array<qint16, 2> QuitaDos(qint16 correcta, int r)
{
    std::array<qint16, 2> ocultas{-1, -1};
    size_t n = 0;
    for (qint16 c : Candidatos(r)) {
        if (c != correcta)
            ocultas[n++] = c;
        if (n == 2)
            break;
    }
    return ocultas;
}

}  // namespace Comodines
