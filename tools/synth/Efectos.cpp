#include "Efectos.h"

#include <algorithm>
#include <cmath>

namespace {
struct Peine {
    std::vector<float> b;
    std::size_t i = 0;
    float filtro = 0, realim, amort;
    Peine(std::size_t n, float fb, float damp) : b(n, 0.0f), realim(fb), amort(damp) {}
    float paso(float x)
    {
        const float y = b[i];
        filtro = y * (1 - amort) + filtro * amort;
        b[i] = x + filtro * realim;
        i = (i + 1) % b.size();
        return y;
    }
};
struct Pasatodo {
    std::vector<float> b;
    std::size_t i = 0;
    explicit Pasatodo(std::size_t n) : b(n, 0.0f) {}
    float paso(float x)
    {
        const float y = b[i];
        b[i] = x + y * 0.5f;
        i = (i + 1) % b.size();
        return y - x;
    }
};

// Runs f over every sample of the track; twice round for a loop.
template <typename F>
void recorre(const Pista& envio, Pista& destino, F&& f)
{
    const std::size_t n = envio.muestras();
    const int vueltas = envio.circular ? 2 : 1;
    for (int v = 0; v < vueltas; ++v) {
        const bool escribe = v == vueltas - 1;
        for (std::size_t i = 0; i < n; ++i) {
            float l = 0, r = 0;
            f(envio.l[i], envio.r[i], l, r);
            if (escribe) {
                destino.l[i] += l;
                destino.r[i] += r;
            }
        }
    }
}
}

void AplicaReverb(const Pista& envio, Pista& destino, double tamaño, double mezcla)
{
    // Comb and all-pass lengths in the classic proportions, spread for stereo.
    static const int kPeines[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static const int kPasa[4] = {556, 441, 341, 225};
    const float fb = float(0.70 + 0.28 * std::clamp(tamaño, 0.0, 1.0));
    std::vector<Peine> pl, pr;
    std::vector<Pasatodo> al, ar;
    for (int c : kPeines) {
        pl.emplace_back(std::size_t(c), fb, 0.3f);
        pr.emplace_back(std::size_t(c + 23), fb, 0.3f);
    }
    for (int a : kPasa) {
        al.emplace_back(std::size_t(a));
        ar.emplace_back(std::size_t(a + 23));
    }
    const float g = float(mezcla) * 0.12f;
    recorre(envio, destino, [&](float xl, float xr, float& yl, float& yr) {
        const float x = (xl + xr) * 0.5f;
        float sl = 0, sr = 0;
        for (auto& c : pl)
            sl += c.paso(x);
        for (auto& c : pr)
            sr += c.paso(x);
        for (auto& a : al)
            sl = a.paso(sl);
        for (auto& a : ar)
            sr = a.paso(sr);
        yl = g * (sl * 0.8f + sr * 0.2f);
        yr = g * (sr * 0.8f + sl * 0.2f);
    });
}

void AplicaEco(const Pista& envio, Pista& destino, double segundos, double realimentacion, double mezcla)
{
    const std::size_t d = std::max<std::size_t>(1, std::size_t(segundos * kTasa));
    std::vector<float> bl(d, 0.0f), br(d, 0.0f);
    std::size_t i = 0;
    float tonoL = 0, tonoR = 0;
    const float fb = float(realimentacion), g = float(mezcla);
    // Ping-pong: each repeat crosses sides and loses a little treble.
    recorre(envio, destino, [&](float xl, float xr, float& yl, float& yr) {
        const float dl = bl[i], dr = br[i];
        tonoL = 0.6f * dl + 0.4f * tonoL;
        tonoR = 0.6f * dr + 0.4f * tonoR;
        bl[i] = xl + fb * tonoR;
        br[i] = xr + fb * tonoL;
        i = (i + 1) % d;
        yl = g * dl;
        yr = g * dr;
    });
}

void Termina(Pista& p, double picoDb)
{
    const std::size_t n = p.muestras();
    double ml = 0, mr = 0;
    for (std::size_t i = 0; i < n; ++i) {
        ml += p.l[i];
        mr += p.r[i];
    }
    ml /= double(n);
    mr /= double(n);
    float pico = 1e-9f;
    for (std::size_t i = 0; i < n; ++i) {
        p.l[i] -= float(ml);
        p.r[i] -= float(mr);
        pico = std::max({pico, std::abs(p.l[i]), std::abs(p.r[i])});
    }
    const float g = float(std::pow(10.0, picoDb / 20.0)) / pico;
    const std::size_t entrada = std::min<std::size_t>(n / 4, kTasa / 200);  // 5 ms
    const std::size_t salida = std::min<std::size_t>(n / 4, kTasa / 10);    // 100 ms
    for (std::size_t i = 0; i < n; ++i) {
        float e = g;
        if (!p.circular) {
            if (i < entrada)
                e *= float(i) / float(entrada);
            if (n - 1 - i < salida)
                e *= float(n - 1 - i) / float(salida);
        }
        p.l[i] *= e;
        p.r[i] *= e;
    }
}
