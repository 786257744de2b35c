#pragma once

class Portada;
class Tablero;

// With ORVALIA_UNA_PREGUNTA set the program plays one question through as a
// player would and closes (the install test): the title screen hands over,
// Enter starts, the right answer's letter and R answer it, Alt+F4 closes the
// board, whose unload step writes the question base. The question's ID is
// printed on standard output. Call it once the event loop runs, so the
// program ends when the board's closing screen is gone.
void JugarUnaPregunta(Portada& portada, Tablero& tablero);
