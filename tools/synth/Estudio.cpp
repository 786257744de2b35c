#include "Estudio.h"

#include "Efectos.h"

#include <algorithm>
#include <cmath>

Estudio::Estudio(double segundos, bool circular)
    : seco_(segundos, circular), reverb_(segundos, circular), eco_(segundos, circular)
{
}

void Estudio::nota(const Nota& n) { TocaNota(n, seco_, reverb_, eco_); }

void Estudio::nota(Timbre t, double inicio, double dur, double midi, double fuerza, double pan)
{
    Nota n;
    n.timbre = t;
    n.inicio = inicio;
    n.duracion = dur;
    n.midi = midi;
    n.fuerza = fuerza;
    n.pan = pan;
    nota(n);
}

Pista Estudio::mezcla(double sala, double ecoSeg, double ecoFb, double picoDb)
{
    Pista salida = seco_;
    Pista ecos(seco_.segundos(), seco_.circular);
    AplicaEco(eco_, ecos, ecoSeg, ecoFb, 1.0);
    salida.sumaPista(ecos, 0.55f);
    Pista sala2 = reverb_;
    sala2.sumaPista(ecos, 0.3f);
    AplicaReverb(sala2, salida, sala, 1.0);
    Termina(salida, picoDb);
    return salida;
}

std::vector<double> Voces(double tonica, const std::vector<int>& acorde, double centro, int cuantas)
{
    // Every octave of every chord tone, then the ones nearest the centre.
    std::vector<double> todas;
    for (int o = -3; o <= 3; ++o)
        for (int s : acorde)
            todas.push_back(tonica + s + 12 * o);
    std::sort(todas.begin(), todas.end(),
              [centro](double a, double b) { return std::abs(a - centro) < std::abs(b - centro); });
    todas.resize(std::size_t(std::min<int>(cuantas, int(todas.size()))));
    std::sort(todas.begin(), todas.end());
    return todas;
}
