#pragma once
#include "Pista.h"

// The voices the pieces are written for. Every one is computed here from
// oscillators, noise and filters; nothing is sampled.
enum class Timbre {
    Colchon,   // soft pad: detuned saws through a slow low-pass
    Pulsado,   // plucked synth: bright attack, quick filter fall
    Bajo,      // round bass: saw and sub sine, low-pass
    Campana,   // two-operator FM bell
    Metal,     // brass: saw with an opening filter and a little vibrato
    Solista,   // soft lead: triangle and square with vibrato
    Bombo,     // kick: falling sine
    Caja,      // snare: noise and a tone
    Plato,     // closed hat: high noise, short
    Tic,       // clock tick
    Timbal,    // low tom / timpani: falling sine with noise
    Soplo,     // rising noise sweep into the next bar
    Platillo,  // cymbal swell: long bright noise
};

struct Nota {
    Timbre timbre = Timbre::Pulsado;
    double inicio = 0;      // seconds
    double duracion = 0.25; // seconds the key is held; the release follows
    double midi = 60;       // pitch (fractional allowed)
    double fuerza = 0.7;    // 0..1
    double pan = 0;         // -1 left .. 1 right
    double desliz = 0;      // semitones of glide over the held time
    double brillo = 1;      // scales the filter opening
};

// Renders one note into the dry track; the reverb and echo sends get the
// same signal scaled by the voice's send amounts.
void TocaNota(const Nota& n, Pista& seco, Pista& reverb, Pista& eco);
double HzDeMidi(double midi);
