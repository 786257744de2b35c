#pragma once
#include "Azar.h"

#include <QString>
#include <array>
#include <optional>

// The poll lifeline's chart: four shares drawn at random, biased towards the
// right answer the more, the easier the question. Lengths in twips.
namespace Encuesta {
inline constexpr int Base = 4200;        // bars stand on this line
inline constexpr int AltoMaximo = 3600;  // a bar holding every vote
inline constexpr int AltoLeyenda = 315;  // the caption sits right on its bar

struct Grafico {
    std::array<QString, 4> leyenda;  // "42%"
    std::array<int, 4> alto{};
    int tope(int i) const { return Base - alto[size_t(i)]; }
    int topeLeyenda(int i) const { return tope(i) - AltoLeyenda; }
};

using Pesos = std::array<int, 4>;

// The chart before any filling: 50 %, 35 %, 5 %, 10 %.
Grafico Inicial();

// Four draws of r x 100, then a fresh one of r x 1500 / nivel for the right
// answer, each rounded half to even.
Pesos Sortea(qint16 nivel, qint16 correcta, Azar& azar);

// The chart of given weights; nothing when they add up to 0.
std::optional<Grafico> Calcula(const Pesos& w);

// The weights of a poll the room voted in: the votes themselves, each a
// weight, so the chart is drawn exactly as a drawn one. With no vote cast
// (or none that counts) the poll is the drawn one, as without the room.
Pesos DeLaSala(const std::array<int, 4>& votos, qint16 nivel, qint16 correcta, Azar& azar);
bool HayVotos(const std::array<int, 4>& votos);

// "Han votado 12 de 30" while the room votes.
QString TextoVotos(int votaron, int conectados);

// Rounds a / b (b > 0, a >= 0) to the nearest whole number, halves to even.
int DivideRedondeando(long long a, long long b);
}
