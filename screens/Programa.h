#pragma once
#include <memory>

class Almacen;
class Tablero;
struct Modulo;

// The start routine as far as the board goes: every setting and the six
// names, then the board with its load step. Null when no question base could
// be read: the error box has been shown and the program is to end.
std::unique_ptr<Tablero> IniciarPrograma(Modulo& m, Almacen& a);
