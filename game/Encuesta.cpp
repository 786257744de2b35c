#include "Encuesta.h"

#include <cmath>

namespace Encuesta {

namespace {
int redondeaPar(double x) { return int(std::nearbyint(x)); }   // default mode: halves to even
}

Grafico Inicial()
{
    Grafico g;
    g.leyenda = {QStringLiteral("50%"), QStringLiteral("35%"), QStringLiteral("5%"), QStringLiteral("10%")};
    g.alto = {1800, 1260, 180, 360};
    return g;
}

Pesos Sortea(qint16 nivel, qint16 correcta, Azar& azar)
{
    // The level is 1..5 on the board; anything else is held to that range
    // rather than dividing by zero or boosting the answer without bound.
    const int n = qBound(1, int(nivel), 5);
    Pesos w{};
    for (int& peso : w)
        peso = redondeaPar(azar.r() * 100);
    if (correcta >= 0 && correcta <= 3)
        w[size_t(correcta)] = redondeaPar(azar.r() * 1500 / n);
    return w;
}

int DivideRedondeando(long long a, long long b)
{
    long long q = a / b;
    const long long resto = a % b;
    if (2 * resto > b || (2 * resto == b && (q % 2) != 0))
        ++q;
    return int(q);
}

std::optional<Grafico> Calcula(const Pesos& w)
{
    long long total = 0;
    for (int peso : w)
        total += qMax(0, peso);
    if (total == 0)
        return std::nullopt;
    Grafico g;
    for (size_t i = 0; i < w.size(); ++i) {
        const long long peso = qMax(0, w[i]);
        g.leyenda[i] = QString::number(100 * peso / total) + QLatin1Char('%');   // rounded down
        g.alto[i] = DivideRedondeando(AltoMaximo * peso, total);
    }
    return g;
}

Pesos DeLaSala(const std::array<int, 4>& votos, qint16 nivel, qint16 correcta, Azar& azar)
{
    if (!HayVotos(votos))
        return Sortea(nivel, correcta, azar);
    Pesos w{};
    for (size_t i = 0; i < w.size(); ++i)
        w[i] = qMax(0, votos[i]);
    return w;
}

bool HayVotos(const std::array<int, 4>& votos)
{
    for (int v : votos)
        if (v > 0)
            return true;
    return false;
}

QString TextoVotos(int votaron, int conectados)
{
    return (votaron == 1 ? QStringLiteral("Ha votado %1 de %2") : QStringLiteral("Han votado %1 de %2"))
        .arg(votaron)
        .arg(conectados);
}

}
