#pragma once

class Almacen;
class Tablero;
struct Modulo;

// Gives the board its closing screen and its options window: the two hooks
// the board calls from its unload step and from cmdOpciones.
void EnlazarVentanas(Tablero& t, Modulo& m, Almacen& a);
