#pragma once
#include <array>
#include <QtGlobal>

// The three lifelines and the used-lifeline mask (4 poll, 2 skip, 1 remove-two).
namespace Comodines {

inline constexpr qint16 Encuesta = 0;  // key E
inline constexpr qint16 Salto = 1;     // key N
inline constexpr qint16 Quita = 2;     // key Q

// The bit of lifeline n in the mask; 0 for anything else.
qint16 Bit(qint16 comodin);
bool Usado(qint16 mascara, qint16 comodin);
qint16 Marcar(qint16 mascara, qint16 comodin);

// The three candidates of remove-two for a draw r (0..3): r and the two
// before it, in descending cyclic order.
std::array<qint16, 3> Candidatos(int r);

// The two wrong answers remove-two hides, with C the right answer's place.
std::array<qint16, 2> QuitaDos(qint16 correcta, int r);

}  // namespace Comodines
