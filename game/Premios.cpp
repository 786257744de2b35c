#include "Premios.h"

#include <array>

namespace {
constexpr std::array<int, 16> kPuntos{0, 1, 2, 3, 5, 10, 20, 40, 80, 160, 320, 640, 1250, 2500, 5000, 10000};
constexpr std::array<const char*, 16> kTextos{"0",   "1",   "2",   "3",     "5",     "10",    "20",    "40",
                                              "80",  "160", "320", "640",   "1 250", "2 500", "5 000", "10 000"};
}

namespace Premios {
bool esGarantizado(int escalon) { return escalon == 3 || escalon == 6 || escalon == 9 || escalon == 12; }
int Puntos(int escalon) { return (escalon >= 0 && escalon <= PasoMaximo) ? kPuntos[size_t(escalon)] : 0; }
}

QString TextoPremio(int escalon)
{
    return (escalon >= 0 && escalon <= Premios::PasoMaximo) ? QString::fromLatin1(kTextos[size_t(escalon)])
                                                            : QString();
}

// Clamped to 1..5, so a stray step can never pick a level the bank lacks.
qint16 NivelDeEscalon(qint16 escalon) { return qint16(qBound(1, (escalon - 1) / 3 + 1, 5)); }
