#pragma once
#include "Instrumento.h"
#include "Pista.h"

#include <cstdint>
#include <vector>

// One piece being made: the dry track and the two effect sends, then the mix.
class Estudio {
public:
    Estudio(double segundos, bool circular);
    void nota(const Nota& n);
    void nota(Timbre t, double inicio, double dur, double midi, double fuerza, double pan = 0);
    // Echo at ecoSeg with feedback ecoFb; room of the given size (0..1).
    Pista mezcla(double sala, double ecoSeg, double ecoFb, double picoDb = -3.0);

private:
    Pista seco_, reverb_, eco_;
};

// A small deterministic random source: the same pieces on every machine.
class Dado {
public:
    explicit Dado(uint32_t semilla) : s_(semilla * 2654435761u + 12345u) {}
    uint32_t operator()()
    {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return s_;
    }
    int entre(int a, int b) { return a + int((*this)() % uint32_t(b - a + 1)); }  // a..b
    double real() { return double((*this)() >> 8) / 16777216.0; }                   // [0,1)
    template <typename T>
    const T& uno(const std::vector<T>& v) { return v[std::size_t(entre(0, int(v.size()) - 1))]; }

private:
    uint32_t s_;
};

// Chord tones (semitones above the key) placed nearest to a centre pitch.
std::vector<double> Voces(double tonica, const std::vector<int>& acorde, double centro, int cuantas);
