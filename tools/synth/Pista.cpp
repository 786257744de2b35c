#include "Pista.h"

#include <algorithm>

Pista::Pista(double segundos, bool circ)
    : l(std::size_t(std::max(1.0, segundos * kTasa + 0.5)), 0.0f), r(l.size(), 0.0f), circular(circ)
{
}

void Pista::sumaPista(const Pista& otra, float ganancia)
{
    const std::size_t n = std::min(muestras(), otra.muestras());
    for (std::size_t i = 0; i < n; ++i) {
        l[i] += ganancia * otra.l[i];
        r[i] += ganancia * otra.r[i];
    }
}
