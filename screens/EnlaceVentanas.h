#pragma once

class Almacen;
class MandoSala;
class Tablero;
struct Modulo;

// Gives the board its closing screen and its options window: the two hooks
// the board calls from its unload step and from cmdOpciones. The options
// switch the room of phones through sala, when there is one.
void EnlazarVentanas(Tablero& t, Modulo& m, Almacen& a, MandoSala* sala = nullptr);
