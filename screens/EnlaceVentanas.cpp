#include "EnlaceVentanas.h"

#include "CronovaTimer.h"
#include "Opciones.h"
#include "Pregunta.h"
#include "Sonido.h"
#include "Splash.h"
#include "Tablero.h"

void EnlazarVentanas(Tablero& t, Modulo& m, Almacen& a)
{
    t.mostrarCierre = [] {
        Splash s;
        s.exec();
    };
    t.mostrarOpciones = [&t, &m, &a] {
        EnlacesOpciones e;
        e.aplicarVolumen = [&t] { t.sonido().AplicaVolumen(); };
        e.barajar = [&t] {
            if (Pregunta* q = t.Qtn())
                q->InicializarBase();
        };
        e.inicioVisible = [&t] { return t.InicioVisible(); };
        e.fijarSegundos = [&t](int s) { t.timer().setTiempoLimite(qint16(s)); };
        Opciones o(m, a, std::move(e), &t);
        o.exec();
    };
}
