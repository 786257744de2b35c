#include "UnaPregunta.h"

#include "Portada.h"
#include "Pregunta.h"
#include "Tablero.h"

#include <cstdio>

void JugarUnaPregunta(Portada& portada, Tablero& tablero)
{
    while (!portada.Terminada())
        portada.Timer1_Timer();
    tablero.Form_KeyDown(13, 0);  // Iniciar
    if (const Pregunta* q = tablero.Qtn()) {
        std::printf("%d\n", int(q->ID()));
        std::fflush(stdout);
        tablero.Form_KeyDown(65 + q->Correcta(), 0);
        tablero.Form_KeyDown(82, 0);  // Responder
    }
    tablero.Form_KeyDown(115, 4);  // Alt+F4
}
