#pragma once
#include <QString>
#include <QtGlobal>

// The prize ladder: sixteen steps, 0 to 10 000 points.
namespace Premios {
inline constexpr int PasoMaximo = 15;
bool esGarantizado(int escalon);      // 3, 6, 9, 12
int Puntos(int escalon);              // points of a step; 0 outside 0..15
}

// The text shown for a step ("1 250", "10 000"); empty outside 0..15.
QString TextoPremio(int escalon);

// Difficulty level of an open step: 1..3 -> 1, ..., 13..15 -> 5.
qint16 NivelDeEscalon(qint16 escalon);
