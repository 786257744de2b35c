#pragma once
#include "Pista.h"

// The game's seven fixed pieces: 0 opening flourish, 1 background tune,
// 2 right answer, 3 wrong answer, 4 top prize, 5 walking away, 6 standings.
Pista PiezaFija(int numero);

// Question music number 7..38, exactly `segundos` long, made to loop.
Pista PiezaDePregunta(int numero, double segundos);
