#include "EnlaceVentanas.h"

#include "CronovaTimer.h"
#include "MandoSala.h"
#include "Opciones.h"
#include "Pregunta.h"
#include "Sonido.h"
#include "Splash.h"
#include "Tablero.h"

#include <QPointer>

void EnlazarVentanas(Tablero& t, Modulo& m, Almacen& a, MandoSala* sala)
{
    t.mostrarCierre = [] {
        Splash s;
        s.exec();
    };
    t.mostrarOpciones = [&t, &m, &a, sala = QPointer<MandoSala>(sala)] {
        EnlacesOpciones e;
        e.aplicarVolumen = [&t] { t.sonido().AplicaVolumen(); };
        e.barajar = [&t] {
            if (Pregunta* q = t.Qtn())
                q->InicializarBase();
        };
        e.inicioVisible = [&t] { return t.InicioVisible(); };
        e.fijarSegundos = [&t](int s) { t.timer().setTiempoLimite(qint16(s)); };
        if (sala)
            e.aplicarPublico = [sala](bool abierta, bool juega) {
                if (sala)
                    sala->Aplicar(abierta, juega);
            };
        Opciones o(m, a, std::move(e), &t);
        o.exec();
    };
}
