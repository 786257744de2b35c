#include "Piezas.h"

#include "Estudio.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {
using T = Timbre;
const std::vector<int> kMayor{0, 4, 7};

Nota nn(T t, double ini, double dur, double midi, double f, double pan = 0, double desliz = 0, double brillo = 1)
{
    Nota n;
    n.timbre = t;
    n.inicio = ini;
    n.duracion = dur;
    n.midi = midi;
    n.fuerza = f;
    n.pan = pan;
    n.desliz = desliz;
    n.brillo = brillo;
    return n;
}

void acorde(Estudio& e, T t, double ini, double dur, const std::vector<double>& notas, double f, double brillo = 1)
{
    double pan = -0.3;
    for (double m : notas) {
        e.nota(nn(t, ini, dur, m, f, pan, 0, brillo));
        pan += 0.6 / double(std::max<std::size_t>(1, notas.size() - 1));
    }
}

// Opening flourish: a rising sweep of bells into a bright D major chord.
Pista pieza0()
{
    Estudio e(5.2, false);
    const double d = 62;  // D4
    e.nota(T::Timbal, 0, 0.5, 38, 0.7);
    e.nota(nn(T::Soplo, 0.05, 0.85, 60, 0.8));
    const int subida[] = {0, 4, 7, 12, 16, 19, 24};
    for (int i = 0; i < 7; ++i) {
        const double t = 0.08 + 0.11 * i;
        e.nota(nn(T::Campana, t, 0.2, d + subida[i], 0.45 + 0.06 * i, -0.6 + 0.2 * i));
        e.nota(nn(T::Pulsado, t, 0.12, d + subida[i] - 12, 0.4 + 0.05 * i, 0.6 - 0.2 * i));
    }
    const double golpe = 0.9;
    e.nota(T::Bombo, golpe, 0.3, 36, 0.9);
    e.nota(T::Platillo, golpe, 0.3, 60, 0.8);
    e.nota(T::Timbal, golpe, 0.5, 38, 0.9);
    acorde(e, T::Metal, golpe, 2.3, {d - 12, d - 8, d - 5, d, d + 4}, 0.75);
    acorde(e, T::Colchon, golpe, 2.6, Voces(d, kMayor, d - 5, 4), 0.8);
    e.nota(T::Bajo, golpe, 2.3, d - 24, 0.9);
    e.nota(T::Campana, golpe, 1.5, d + 24, 0.45, 0.4);
    e.nota(T::Campana, golpe + 0.16, 1.5, d + 31, 0.35, -0.4);
    return e.mezcla(0.75, 0.27, 0.3);
}

// Background tune: F major, unhurried, a bell melody over a soft pad.
Pista pieza1()
{
    const double pulso = 60.0 / 76, compas = 4 * pulso;
    const int compases = 24;
    Estudio e(compases * compas + 3.5, false);
    const double f = 53;  // F3
    // I vi IV V, then I iii IV V, ... ending on the tonic.
    const std::vector<std::vector<int>> grados{{0, 4, 7}, {9, 12, 16}, {5, 9, 12}, {7, 11, 14},
                                               {0, 4, 7}, {4, 7, 11}, {5, 9, 12}, {7, 11, 14}};
    Dado dado(1);
    double previa = f + 19;  // C5
    for (int c = 0; c < compases; ++c) {
        const double t0 = c * compas;
        const bool ultimo = c == compases - 1;
        const auto& ac = ultimo ? grados[0] : grados[std::size_t((c % 8))];
        const double raiz = f + ac[0] - (ac[0] >= 7 ? 12 : 0);
        acorde(e, T::Colchon, t0, ultimo ? 3 * compas / 4 : compas * 0.98, Voces(f, ac, f + 10, 4), 0.55, 0.5);
        e.nota(nn(T::Bajo, t0, 2 * pulso * 0.95, raiz - 12, 0.6, 0, 0, 0.5));
        if (!ultimo)
            e.nota(nn(T::Bajo, t0 + 2 * pulso, 2 * pulso * 0.95, raiz - 12 + 7, 0.5, 0, 0, 0.5));
        // Broken chord in eighths, gentle.
        const auto arpegio = Voces(f, ac, f + 14, 4);
        const int orden[] = {0, 1, 2, 3, 2, 1, 2, 1};
        for (int k = 0; k < (ultimo ? 1 : 8); ++k)
            e.nota(nn(T::Pulsado, t0 + k * pulso / 2, pulso / 2, arpegio[std::size_t(orden[k])], 0.28,
                      k % 2 ? 0.35 : -0.35, 0, 0.35));
        // The melody rests in the first and the last phrase.
        if (c >= 4 && c < compases - 4) {
            static const std::vector<std::vector<double>> ritmos{
                {0, 1, 2, 3}, {0, 1.5, 2, 3}, {0, 2, 3}, {0, 1, 1.5, 2}, {0, 3}};
            const auto& ritmo = (c % 4 == 3) ? ritmos[4] : dado.uno(ritmos);
            for (std::size_t k = 0; k < ritmo.size(); ++k) {
                const double ini = ritmo[k];
                const double fin = k + 1 < ritmo.size() ? ritmo[k + 1] : 4.0;
                double alt;
                if (k == 0) {
                    const auto cerca = Voces(f, ac, previa + dado.entre(-2, 2), 1);
                    alt = cerca[0];
                } else {
                    static const int escala[] = {0, 2, 4, 5, 7, 9, 11};
                    int paso = dado.entre(-2, 2);
                    if (previa > f + 26)
                        paso = -std::abs(paso) - 1;
                    if (previa < f + 14)
                        paso = std::abs(paso) + 1;
                    // Move along the scale from the previous note.
                    int grado = 0;
                    int oct = int((previa - f) / 12);
                    const int dentro = int(previa - f) - 12 * oct;
                    for (int g = 0; g < 7; ++g)
                        if (escala[g] <= dentro)
                            grado = g;
                    grado += paso;
                    while (grado < 0) {
                        grado += 7;
                        --oct;
                    }
                    while (grado > 6) {
                        grado -= 7;
                        ++oct;
                    }
                    alt = f + 12 * oct + escala[grado];
                }
                previa = alt;
                e.nota(nn(T::Campana, t0 + ini * pulso, (fin - ini) * pulso * 0.9, alt, 0.42, 0.15));
            }
        }
    }
    return e.mezcla(0.7, pulso * 0.75, 0.3);
}

// Right answer: a quick rising run into a bright chord.
Pista pieza2()
{
    Estudio e(2.9, false);
    const double c = 72;  // C5
    const int run[] = {0, 4, 7};
    for (int i = 0; i < 3; ++i) {
        e.nota(nn(T::Campana, 0.07 * i, 0.15, c + run[i], 0.6, -0.3 + 0.3 * i));
        e.nota(nn(T::Pulsado, 0.07 * i, 0.12, c + run[i] - 12, 0.5));
    }
    const double g = 0.21;
    e.nota(T::Bombo, g, 0.3, 36, 0.7);
    e.nota(T::Plato, g, 0.1, 60, 0.8);
    acorde(e, T::Metal, g, 0.95, {c - 12, c - 8, c - 5, c}, 0.7);
    acorde(e, T::Colchon, g, 1.0, {c - 24, c - 17, c - 12, c - 8}, 0.6);
    e.nota(T::Bajo, g, 0.9, c - 36, 0.8);
    e.nota(T::Campana, g, 0.8, c + 12, 0.5, 0.4);
    e.nota(T::Campana, g + 0.1, 0.8, c + 19, 0.35, -0.4);
    return e.mezcla(0.6, 0.18, 0.25);
}

// Wrong answer: a heavy chromatic fall that sinks at the end.
Pista pieza3()
{
    Estudio e(3.1, false);
    const double notas[] = {67, 66, 65};
    for (int i = 0; i < 3; ++i) {
        e.nota(nn(T::Metal, 0.3 * i, 0.26, notas[i], 0.6, -0.2, 0, 0.7));
        e.nota(nn(T::Metal, 0.3 * i, 0.26, notas[i] - 3, 0.5, 0.2, 0, 0.7));
    }
    const double caida = 0.9;
    e.nota(nn(T::Metal, caida, 1.1, 64, 0.65, -0.2, -5, 0.6));
    e.nota(nn(T::Metal, caida, 1.1, 61, 0.55, 0.2, -5, 0.6));
    e.nota(nn(T::Bajo, caida, 1.1, 40, 0.9, 0, -5, 0.6));
    e.nota(T::Timbal, caida, 0.5, 40, 0.8);
    acorde(e, T::Colchon, caida, 1.2, {52, 55, 58, 61}, 0.55, 0.3);
    return e.mezcla(0.65, 0.3, 0.2);
}

// Top prize: a brass fanfare in B-flat with timpani and bells.
Pista pieza4()
{
    const double p = 0.5;  // 120 beats a minute
    Estudio e(9.6, false);
    const double bb = 58;  // B-flat 3
    struct N { double b, d, m; };
    const std::vector<N> melodia{
        {0, 1. / 3, 65}, {1. / 3, 1. / 3, 65}, {2. / 3, 1. / 3, 65}, {1, 1, 70},  {2, 0.5, 74},  {2.5, 1.5, 77},
        {4, 1. / 3, 74}, {13. / 3, 1. / 3, 74}, {14. / 3, 1. / 3, 74}, {5, 1, 75}, {6, 0.5, 79}, {6.5, 1.5, 77},
        {8, 1. / 3, 70}, {25. / 3, 1. / 3, 74}, {26. / 3, 1. / 3, 77}, {9, 5, 82}};
    for (const auto& n : melodia) {
        e.nota(nn(T::Metal, n.b * p, n.d * p * 0.92, n.m, 0.8, -0.15));
        e.nota(nn(T::Metal, n.b * p, n.d * p * 0.92, n.m - 12, 0.55, 0.25));
    }
    struct A { double b, d; std::vector<int> ac; double raiz; };
    const std::vector<A> armonia{{0, 4, {0, 4, 7}, 0}, {4, 2, {3, 7, 10}, 3}, {6, 2, {5, 9, 12}, 5}, {8, 6, {0, 4, 7}, 0}};
    for (const auto& a : armonia) {
        acorde(e, T::Colchon, a.b * p, a.d * p, Voces(bb, a.ac, bb + 2, 4), 0.75);
        e.nota(T::Bajo, a.b * p, a.d * p * 0.95, bb - 24 + a.raiz, 0.85);
        if (a.b >= 1)
            acorde(e, T::Metal, (a.b + (a.b == 8 ? 1 : 0)) * p, (a.d - (a.b == 8 ? 1 : 0)) * p * 0.9,
                   Voces(bb, a.ac, bb - 2, 3), 0.45, 0.7);
    }
    for (double b : {1.0, 5.0, 9.0}) {
        e.nota(T::Timbal, b * p, 0.5, b == 5 ? 41 : 34, 0.9);
        e.nota(T::Bombo, b * p, 0.3, 36, 0.7);
    }
    for (int k = 0; k < 8; ++k)  // roll into the last chord
        e.nota(T::Timbal, (8 + k / 8.0) * p, 0.2, 34, 0.35 + 0.07 * k);
    e.nota(T::Platillo, 9 * p, 0.3, 60, 1.0);
    e.nota(nn(T::Soplo, 7 * p, 2 * p, 60, 0.7));
    const int brillo[] = {0, 4, 7, 12, 16, 19, 24};
    for (int k = 0; k < 7; ++k)
        e.nota(nn(T::Campana, (9 + k * 0.25) * p, 1.2, bb + 24 + brillo[k], 0.45, -0.6 + 0.2 * k));
    return e.mezcla(0.8, p * 0.75, 0.25);
}

// Walking away: a soft IV - V - I in G major.
Pista pieza5()
{
    Estudio e(6.0, false);
    const double g = 55;  // G3
    struct A { double t, d; std::vector<int> ac; double bajo, alto; };
    const std::vector<A> cadencia{{0, 1.3, {5, 9, 12}, 48, 76}, {1.3, 1.3, {7, 11, 14, 17}, 50, 78},
                                  {2.6, 2.0, {0, 4, 7, 12}, 43, 79}};
    for (const auto& a : cadencia) {
        acorde(e, T::Colchon, a.t, a.d, Voces(g, a.ac, g + 7, 4), 0.6, 0.45);
        e.nota(nn(T::Bajo, a.t, a.d * 0.95, a.bajo, 0.6, 0, 0, 0.4));
        const auto arp = Voces(g, a.ac, g + 12, 4);
        for (std::size_t k = 0; k < arp.size(); ++k)
            e.nota(nn(T::Pulsado, a.t + 0.12 * double(k), a.d - 0.12 * double(k), arp[k], 0.3, -0.4 + 0.25 * double(k), 0, 0.3));
        e.nota(nn(T::Campana, a.t + 0.05, a.d, a.alto, 0.32, 0.2));
    }
    return e.mezcla(0.75, 0.33, 0.3);
}

// Standings: a bright march in A major with a brass tune.
Pista pieza6()
{
    const double p = 60.0 / 112, compas = 4 * p;
    const int compases = 10;
    Estudio e(compases * compas + 3.0, false);
    const double a = 57;  // A3
    const std::vector<std::vector<int>> prog{{0, 4, 7}, {5, 9, 12}, {7, 11, 14}, {0, 4, 7}, {9, 12, 16},
                                             {5, 9, 12}, {7, 11, 14}, {0, 4, 7}, {5, 9, 12}, {7, 11, 14, 17}};
    // The tune, in beats within each bar: pitch offsets over the key.
    struct N { double b, d; int m; };
    const std::vector<std::vector<N>> tema{
        {{0, 1.5, 12}, {1.5, 0.5, 14}, {2, 1, 16}, {3, 1, 19}},
        {{0, 1, 21}, {1, 1, 17}, {2, 2, 14}},
        {{0, 1.5, 19}, {1.5, 0.5, 17}, {2, 1, 14}, {3, 1, 11}},
        {{0, 3, 12}, {3, 0.5, 11}, {3.5, 0.5, 12}},
        {{0, 1.5, 16}, {1.5, 0.5, 14}, {2, 1, 12}, {3, 1, 16}},
        {{0, 1, 21}, {1, 1, 19}, {2, 2, 17}},
        {{0, 1, 19}, {1, 0.5, 17}, {1.5, 0.5, 16}, {2, 1, 14}, {3, 1, 11}},
        {{0, 3, 12}, {3, 1, 7}},
        {{0, 1, 9}, {1, 1, 12}, {2, 1, 17}, {3, 1, 21}},
        {{0, 1, 19}, {1, 1, 17}, {2, 1, 14}, {3, 1, 11}}};
    for (int c = 0; c < compases; ++c) {
        const double t0 = c * compas;
        const auto& ac = prog[std::size_t(c)];
        acorde(e, T::Colchon, t0, compas * 0.97, Voces(a, ac, a + 5, 4), 0.5, 0.6);
        const double raiz = a + ac[0] - (ac[0] >= 7 ? 12 : 0) - 12;
        for (int b = 0; b < 4; ++b)
            e.nota(T::Bajo, t0 + b * p, p * 0.8, raiz + (b % 2 ? 7 : 0), 0.7);
        for (const auto& n : tema[std::size_t(c)])
            e.nota(nn(T::Metal, t0 + n.b * p, n.d * p * 0.9, a + n.m, 0.7, -0.1));
        const auto arp = Voces(a, ac, a + 12, 3);
        for (int k = 0; k < 8; ++k)
            e.nota(nn(T::Pulsado, t0 + k * p / 2, p / 2, arp[std::size_t(k % 3)], 0.22, k % 2 ? 0.5 : -0.5, 0, 0.5));
        // Snare march: eighths with accents, kick on one and three.
        for (int k = 0; k < 8; ++k)
            e.nota(T::Caja, t0 + k * p / 2, 0.1, 60, (k % 2 == 0) ? 0.45 : 0.22, 0.15);
        e.nota(T::Bombo, t0, 0.3, 36, 0.7);
        e.nota(T::Bombo, t0 + 2 * p, 0.3, 36, 0.6);
    }
    const double fin = compases * compas;
    acorde(e, T::Metal, fin, 1.6, {a, a + 4, a + 7, a + 12}, 0.75);
    acorde(e, T::Colchon, fin, 1.8, Voces(a, kMayor, a + 5, 4), 0.6);
    e.nota(T::Bajo, fin, 1.6, a - 24, 0.8);
    e.nota(T::Bombo, fin, 0.3, 36, 0.8);
    e.nota(T::Platillo, fin, 0.3, 60, 0.7);
    e.nota(T::Campana, fin, 1.5, a + 24, 0.4);
    return e.mezcla(0.65, p * 0.75, 0.25);
}
}

Pista PiezaFija(int numero)
{
    switch (numero) {
    case 0: return pieza0();
    case 1: return pieza1();
    case 2: return pieza2();
    case 3: return pieza3();
    case 4: return pieza4();
    case 5: return pieza5();
    default: return pieza6();
    }
}
