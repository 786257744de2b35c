#pragma once
#include "Pista.h"

// The room and the echo the pieces sit in. On a circular track both run
// over the loop twice and keep the second pass, so their tails wrap around
// the loop point as they would in an endless repeat.
void AplicaReverb(const Pista& envio, Pista& destino, double tamaño, double mezcla);
void AplicaEco(const Pista& envio, Pista& destino, double segundos, double realimentacion, double mezcla);

// Ends a piece: a gentle fade at the edges of a track that is not a loop,
// the DC taken out, and the peak brought to picoDb (dBFS).
void Termina(Pista& p, double picoDb);
