#pragma once
#include "Marcas.h"

#include <QString>
#include <QtGlobal>

// How a player's game ends: the step of the points won and the message to
// the player. Plain text with LF line breaks, shown by the message window.
namespace Desenlace {

inline constexpr qint32 CaraRetiro = 0;
inline constexpr qint32 CaraGana = 2;
inline constexpr qint32 CaraPierde = 3;

struct Resultado {
    qint16 escalon = 0;  // the step of the points won
    QString mensaje;
};

// Walk-away at open step s. elegida is the answer chosen but not confirmed
// (-1 for none); puntosGanados is the score display's text for the points
// already won.
Resultado Retiro(const QString& nombre, qint16 s, qint16 elegida, qint16 correcta,
                 const QString& puntosGanados);

// The marks a walk-away leaves: the right answer always shown right, a
// chosen wrong one shown wrong.
Marcas MarcasRetiro(qint16 elegida, qint16 correcta);

// Wrong answer or time-out at open step s (1..15): back to the last
// guaranteed step.
Resultado Pierde(const QString& nombre, qint16 s);

// Right answer at step 15.
Resultado Gana(const QString& nombre);

}  // namespace Desenlace
