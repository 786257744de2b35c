#pragma once
#include <memory>

class Almacen;
class Portada;
class Tablero;
struct Modulo;

// The start routine: every setting and the six names, then the board with
// its load step (which hides the title screen's "Espera un momento..."), the
// windows' icon, the board's closing screen and options window, and the
// title picture on the title screen. Null when no question base could be
// read: the error box has been shown and the program is to end.
std::unique_ptr<Tablero> IniciarPrograma(Modulo& m, Almacen& a, Portada* portada = nullptr);
