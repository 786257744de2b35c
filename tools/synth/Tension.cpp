// The question music: 32 pieces that tighten as the clock runs, each from
// its own metre, mode, key, chord cycle and patterns, made in a circular
// track so the end flows straight back into the start.
#include "Estudio.h"
#include "Piezas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {
using T = Timbre;

struct Metrica {
    int tiempos;      // beats a bar
    int porTiempo;    // steps a beat: 2 simple, 3 compound
    int compases30;   // bars in thirty seconds
};
// 4/4 at 96 and 128, 3/4 at 96, 120 and 144, 6/8 at 64, 80 and 96 a beat.
const std::array<Metrica, 8> kMetricas{{{4, 2, 12}, {4, 2, 16}, {3, 2, 16}, {3, 2, 20},
                                        {3, 2, 24}, {2, 3, 16}, {2, 3, 20}, {2, 3, 24}}};

const std::array<std::array<int, 7>, 4> kModos{{{0, 2, 3, 5, 7, 8, 10},    // natural minor
                                                 {0, 2, 3, 5, 7, 8, 11},    // harmonic minor
                                                 {0, 2, 3, 5, 7, 9, 10},    // dorian
                                                 {0, 1, 3, 5, 7, 8, 10}}};  // phrygian

const std::array<std::array<int, 4>, 8> kCiclos{{{0, 5, 3, 4}, {0, 6, 5, 4}, {0, 3, 0, 4}, {0, 5, 6, 4},
                                                  {0, 0, 5, 4}, {0, 3, 5, 4}, {0, 1, 0, 4}, {0, 2, 3, 4}}};

// Semitones above the key of the triad (or seventh) on a scale degree.
std::vector<int> triada(const std::array<int, 7>& modo, int grado, bool septima)
{
    std::vector<int> r;
    for (int k = 0; k < (septima ? 4 : 3); ++k) {
        const int g = grado + 2 * k;
        r.push_back(modo[std::size_t(g % 7)] + 12 * (g / 7));
    }
    return r;
}

// The scale note nearest to a pitch.
double enEscala(double midi, double tonica, const std::array<int, 7>& modo)
{
    double mejor = midi, dist = 1e9;
    for (int o = -4; o <= 4; ++o)
        for (int s : modo) {
            const double c = tonica + s + 12 * o;
            if (std::abs(c - midi) < dist) {
                dist = std::abs(c - midi);
                mejor = c;
            }
        }
    return mejor;
}
}

Pista PiezaDePregunta(int numero, double segundos)
{
    const int k = std::clamp(numero - 7, 0, 31);
    Dado dado(uint32_t(numero) * 7919u + 17u);
    const Metrica met = kMetricas[std::size_t(k % 8)];
    const auto& modo = kModos[std::size_t((k / 8) % 4)];
    const auto& ciclo = kCiclos[std::size_t((k * 3 + k / 8) % 8)];
    const double tonica = 45 + (k * 5) % 12 - ((k * 5) % 12 > 6 ? 12 : 0);  // A2 give or take a fifth
    const int compases = int(std::lround(met.compases30 * segundos / 30.0));
    const double compas = segundos / compases;
    const int pasos = met.tiempos * met.porTiempo;
    const double paso = compas / pasos;
    const double tiempo = compas / met.tiempos;
    const int patronBajo = (k * 7 + 3) % 4;
    const int patronArpegio = (k * 5 + 1) % 5;
    const T solista = std::array<T, 3>{T::Solista, T::Campana, T::Metal}[std::size_t(k % 3)];
    const bool timbales = k % 3 == 1;

    Estudio e(segundos, true);

    // The arpeggio's order of chord tones, one per step.
    std::vector<int> orden(static_cast<std::size_t>(pasos));
    for (int i = 0; i < pasos; ++i) {
        switch (patronArpegio) {
        case 0: orden[std::size_t(i)] = i % 4; break;                              // up
        case 1: orden[std::size_t(i)] = 3 - i % 4; break;                          // down
        case 2: orden[std::size_t(i)] = std::array<int, 6>{0, 1, 2, 3, 2, 1}[std::size_t(i % 6)]; break;
        case 3: orden[std::size_t(i)] = std::array<int, 4>{0, 2, 1, 2}[std::size_t(i % 4)]; break;  // broken
        default: orden[std::size_t(i)] = dado.entre(0, 3); break;                 // a fixed figure of its own
        }
    }
    // A two-bar motif for the lead: steps and scale moves, fixed for the piece.
    struct Golpe { int paso, largo, mueve; };
    std::vector<Golpe> motivo;
    for (int p = 0; p < 2 * pasos;) {
        const int largo = dado.uno(std::vector<int>{met.porTiempo, met.porTiempo, 2 * met.porTiempo, 1, 3});
        motivo.push_back({p, std::min(largo, 2 * pasos - p), dado.entre(-2, 2)});
        p += largo;
    }

    double previa = tonica + 24 + 7;
    for (int c = 0; c < compases; ++c) {
        const int seccion = std::min(3, 4 * c / compases);  // the tension rises by quarters
        const bool ultimo = c == compases - 1;
        // A cycle of four bars; a leftover pair of bars turns round on iv - V.
        const int resto = compases - c;
        const int grado = (compases % 4 == 2 && resto <= 2) ? (resto == 2 ? 3 : 4) : ciclo[std::size_t(c % 4)];
        const bool septima = grado == 4 && seccion >= 2;
        const auto ac = triada(modo, grado, septima);
        const double t0 = c * compas;
        const double raiz = tonica + ac[0] - (ac[0] >= 7 ? 12 : 0);

        // Pad: the chord for the whole bar, brighter as time runs.
        for (double m : Voces(tonica, ac, tonica + 15 + (seccion >= 2 ? 4 : 0), 4)) {
            Nota n;
            n.timbre = T::Colchon;
            n.inicio = t0;
            n.duracion = compas * 0.98;
            n.midi = m;
            n.fuerza = 0.32 + 0.07 * seccion;
            n.brillo = 0.25 + 0.2 * seccion;
            n.pan = (m - tonica - 15) / 15.0;
            e.nota(n);
        }

        // Bass.
        auto bajo = [&](int p, int largo, double midi, double f) {
            Nota n;
            n.timbre = T::Bajo;
            n.inicio = t0 + p * paso;
            n.duracion = largo * paso * 0.85;
            n.midi = midi;
            n.fuerza = f;
            n.brillo = 0.5 + 0.15 * seccion;
            e.nota(n);
        };
        const double sig = tonica + triada(modo, ciclo[std::size_t((c + 1) % 4)], false)[0];
        switch (patronBajo) {
        case 0:  // driving steps, an octave on the last
            for (int p = 0; p < pasos; ++p)
                bajo(p, 1, raiz - 12 + (p == pasos - 1 ? 12 : 0), p == 0 ? 0.85 : 0.6);
            break;
        case 1:  // root and fifth on the beats, stepping into the next chord
            for (int b = 0; b < met.tiempos; ++b) {
                double m = raiz - 12 + (b % 2 ? 7 : 0);
                if (b == met.tiempos - 1 && met.tiempos > 2)
                    m = enEscala(sig - 12 - 1, tonica, modo);
                bajo(b * met.porTiempo, met.porTiempo, m, b == 0 ? 0.85 : 0.65);
            }
            break;
        case 2: {  // off-centre figure
            const std::vector<int> donde = pasos == 8 ? std::vector<int>{0, 3, 6, 7} : std::vector<int>{0, 3, 4};
            for (std::size_t i = 0; i < donde.size(); ++i) {
                const int fin = i + 1 < donde.size() ? donde[i + 1] : pasos;
                bajo(donde[i], fin - donde[i], raiz - 12 + (i == donde.size() - 1 ? 12 : 0), i == 0 ? 0.85 : 0.6);
            }
            break;
        }
        default:  // long root, then two pickups
            bajo(0, pasos - 2, raiz - 12, 0.85);
            bajo(pasos - 2, 1, raiz - 12 + 7, 0.55);
            bajo(pasos - 1, 1, raiz, 0.55);
            break;
        }

        // The clock: a tick on every step, accented on the beats.
        for (int p = 0; p < pasos; ++p) {
            const bool enTiempo = p % met.porTiempo == 0;
            e.nota(T::Tic, t0 + p * paso, 0.05, 60, (enTiempo ? 0.6 : 0.3) + 0.1 * seccion, p % 2 ? 0.4 : -0.4);
        }
        if (c == 0 || (timbales && seccion >= 1 && c % 2 == 0))
            e.nota(T::Timbal, t0, 0.5, raiz - 12 < 36 ? raiz : raiz - 12, 0.7);

        // Arpeggio from the second quarter.
        if (seccion >= 1) {
            const auto arp = Voces(tonica, ac, tonica + 24 + 3 * seccion, 4);
            for (int p = 0; p < pasos; ++p) {
                Nota n;
                n.timbre = T::Pulsado;
                n.inicio = t0 + p * paso;
                n.duracion = paso * 0.9;
                n.midi = arp[std::size_t(orden[std::size_t(p)])];
                n.fuerza = (p % met.porTiempo == 0 ? 0.42 : 0.32) + 0.04 * seccion;
                n.brillo = 0.3 + 0.2 * seccion;
                n.pan = p % 2 ? 0.45 : -0.45;
                e.nota(n);
            }
        }
        // Drums from the half-way point.
        if (seccion >= 2) {
            for (int b = 0; b < met.tiempos; ++b) {
                const double tb = t0 + b * tiempo;
                if (b == 0 || (met.tiempos == 4 && b == 2))
                    e.nota(T::Bombo, tb, 0.3, 36, 0.75);
                if (seccion == 3 && (met.tiempos == 3 ? b == 2 : b % 2 == 1))
                    e.nota(T::Caja, tb, 0.1, 60, 0.45, 0.1);
            }
            for (int p = 0; p < pasos; ++p)
                e.nota(T::Plato, t0 + p * paso, 0.05, 60, p % met.porTiempo ? 0.55 : 0.35, 0.3);
        }
        // The lead motif in the last quarter, fitted to each chord.
        if (seccion == 3 && !ultimo) {
            const int mitad = (c % 2) * pasos;
            for (const auto& g : motivo) {
                if (g.paso < mitad || g.paso >= mitad + pasos)
                    continue;
                const int p = g.paso - mitad;
                double m = p % met.porTiempo == 0 ? Voces(tonica, ac, previa + 2 * g.mueve, 1)[0]
                                                  : enEscala(previa + 2 * g.mueve, tonica, modo);
                if (m > tonica + 38)
                    m -= 12;
                if (m < tonica + 22)
                    m += 12;
                previa = m;
                Nota n;
                n.timbre = solista;
                n.inicio = t0 + p * paso;
                n.duracion = g.largo * paso * 0.9;
                n.midi = m;
                n.fuerza = 0.5;
                n.brillo = 0.8;
                n.pan = 0.1;
                e.nota(n);
            }
        }
        // The last bar rushes back into the first.
        if (ultimo) {
            Nota s;
            s.timbre = T::Soplo;
            s.inicio = t0;
            s.duracion = compas;
            s.fuerza = 0.6;
            e.nota(s);
            const int redoble = 2 * pasos;
            for (int r = redoble / 2; r < redoble; ++r)
                e.nota(T::Caja, t0 + r * paso / 2, 0.05, 60, 0.15 + 0.35 * double(r) / redoble, -0.1);
        }
    }
    return e.mezcla(0.55 + 0.03 * (k % 5), tiempo * 0.75, 0.3);
}
