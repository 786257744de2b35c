#include "Versiculo.h"

#include "Modulo.h"
#include "Premios.h"

namespace Versiculo {

bool Mostrar(const Modulo& m, Cierre c)
{
    if (!m.MostrarVersiculo)
        return false;
    // A right answer below the top prize keeps the player in the game.
    const bool sigue = c == Cierre::Acierto && m.actual().Escalon < Premios::PasoMaximo;
    return !(sigue && m.ContinuousPlay && m.jumpNext);
}

}  // namespace Versiculo
