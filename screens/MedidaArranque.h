#pragma once
#include <QString>

// Where the start-up's time goes, for the start-up benchmark. With
// ORVALIA_MEDIR_ARRANQUE set, main marks the end of each step and, once the
// board is ready, prints the milliseconds since it began and then one line
// per step ("paso ms", ms since main began). Without it, nothing is kept.
namespace MedidaArranque {

bool Activa();
void Iniciar();                // main's first line
void Marca(const char* paso);  // the step just ended
double Transcurrido();         // ms since Iniciar
QString Informe();             // the steps, one a line

}  // namespace MedidaArranque
