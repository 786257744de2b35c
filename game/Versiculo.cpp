#include "Versiculo.h"

#include "Modulo.h"
#include "Premios.h"
#include "Turno.h"

namespace Versiculo {

bool Mostrar(const Modulo& m, Cierre c)
{
    if (!m.MostrarVersiculo)
        return false;
    // A right answer below the top prize keeps the player in the game.
    return !Turno::SigueAlInstante(m, c == Cierre::Acierto && m.actual().Escalon < Premios::PasoMaximo);
}

}  // namespace Versiculo
