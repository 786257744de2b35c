#include "Instrumento.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {
constexpr double kPi = 3.14159265358979323846;

// Topology-preserving state-variable filter: stable under fast cutoff changes.
struct Svf {
    double ic1 = 0, ic2 = 0, a1 = 0, a2 = 0, a3 = 0, k = 1;
    void ajusta(double hz, double q)
    {
        hz = std::clamp(hz, 20.0, kTasa * 0.45);
        const double g = std::tan(kPi * hz / kTasa);
        k = 1.0 / q;
        a1 = 1.0 / (1.0 + g * (g + k));
        a2 = g * a1;
        a3 = g * a2;
    }
    // Returns the low-pass; band and high-pass through the out parameters.
    double paso(double x, double* banda = nullptr, double* alto = nullptr)
    {
        const double v3 = x - ic2;
        const double v1 = a1 * ic1 + a2 * v3;
        const double v2 = ic2 + a2 * ic1 + a3 * v3;
        ic1 = 2 * v1 - ic1;
        ic2 = 2 * v2 - ic2;
        if (banda)
            *banda = v1;
        if (alto)
            *alto = x - k * v1 - v2;
        return v2;
    }
};

// Band-limited step correction for the saw and square oscillators.
double blep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

struct Osc {
    double fase = 0;
    double sierra(double hz)
    {
        const double dt = hz / kTasa;
        const double v = 2.0 * fase - 1.0 - blep(fase, dt);
        avanza(dt);
        return v;
    }
    double cuadrada(double hz)
    {
        const double dt = hz / kTasa;
        double v = fase < 0.5 ? 1.0 : -1.0;
        v += blep(fase, dt);
        v -= blep(std::fmod(fase + 0.5, 1.0), dt);
        avanza(dt);
        return v;
    }
    double seno(double hz)
    {
        const double v = std::sin(2 * kPi * fase);
        avanza(hz / kTasa);
        return v;
    }
    double triangulo(double hz)
    {
        const double v = fase < 0.5 ? 4 * fase - 1 : 3 - 4 * fase;
        avanza(hz / kTasa);
        return v;
    }
    void avanza(double dt)
    {
        fase += dt;
        fase -= std::floor(fase);
    }
};

struct Ruido {
    uint32_t s;
    explicit Ruido(uint32_t semilla) : s(semilla ? semilla : 0x9E3779B9u) {}
    double operator()()
    {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return double(s) / 2147483648.0 - 1.0;
    }
};

struct Perfil {
    double ataque, caida, sostén, suelta;  // seconds, seconds, level, seconds
    double ganancia, envioReverb, envioEco;
    bool percusivo;  // decays on its own; the held time does not matter
    double cola;     // seconds a percussive voice lasts
};

Perfil perfilDe(Timbre t)
{
    switch (t) {
    case Timbre::Colchon:  return {0.35, 0.6, 0.8, 1.0, 0.16, 0.55, 0.10, false, 0};
    case Timbre::Pulsado:  return {0.003, 0, 0, 0.12, 0.24, 0.30, 0.35, false, 0};
    case Timbre::Bajo:     return {0.006, 0.25, 0.7, 0.08, 0.34, 0.06, 0.0, false, 0};
    case Timbre::Campana:  return {0.002, 0, 0, 0.6, 0.20, 0.50, 0.30, false, 0};
    case Timbre::Metal:    return {0.035, 0.25, 0.85, 0.18, 0.17, 0.35, 0.10, false, 0};
    case Timbre::Solista:  return {0.02, 0.15, 0.8, 0.2, 0.20, 0.35, 0.30, false, 0};
    case Timbre::Bombo:    return {0, 0, 0, 0, 0.75, 0.05, 0.0, true, 0.45};
    case Timbre::Caja:     return {0, 0, 0, 0, 0.32, 0.30, 0.05, true, 0.35};
    case Timbre::Plato:    return {0, 0, 0, 0, 0.12, 0.15, 0.05, true, 0.12};
    case Timbre::Tic:      return {0, 0, 0, 0, 0.10, 0.20, 0.20, true, 0.06};
    case Timbre::Timbal:   return {0, 0, 0, 0, 0.50, 0.30, 0.0, true, 1.6};
    case Timbre::Soplo:    return {0, 0, 1, 0.02, 0.10, 0.40, 0.10, false, 0};
    case Timbre::Platillo: return {0, 0, 0, 0, 0.13, 0.45, 0.0, true, 2.4};
    }
    return {0.01, 0.1, 0.7, 0.1, 0.2, 0.2, 0.1, false, 0};
}

// The sustained voices' envelope: attack, decay to the sustain level, held,
// then an exponential release that ends in a short linear ramp to zero.
double envolvente(const Perfil& p, double t, double held)
{
    const double a = std::min(p.ataque, std::max(0.001, held * 0.5));
    auto nivel = [&](double u) {
        if (u < a)
            return u / a;
        if (p.caida <= 0)
            return p.sostén > 0 ? p.sostén : std::exp(-(u - a) / 0.25);
        if (u < a + p.caida)
            return 1.0 - (1.0 - p.sostén) * (u - a) / p.caida;
        return p.sostén;
    };
    if (t < held)
        return nivel(t);
    const double r = t - held;
    if (r >= p.suelta)
        return 0.0;
    const double ramp = std::min(1.0, (p.suelta - r) / 0.005);
    return nivel(held) * std::exp(-4.6 * r / p.suelta) * ramp;
}

// Release only: 1 while held, then the exponential fall to zero.
double soltar(const Perfil& p, double t, double held)
{
    if (t < held)
        return 1.0;
    const double r = t - held;
    if (r >= p.suelta)
        return 0.0;
    return std::exp(-4.6 * r / p.suelta) * std::min(1.0, (p.suelta - r) / 0.005);
}

uint32_t semillaDe(const Nota& n)
{
    return uint32_t(n.inicio * 1000003.0) * 2654435761u ^ uint32_t(n.midi * 977.0) ^ uint32_t(n.timbre) * 40503u;
}
}

double HzDeMidi(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

void TocaNota(const Nota& n, Pista& seco, Pista& reverb, Pista& eco)
{
    const Perfil p = perfilDe(n.timbre);
    const double largo = p.percusivo ? p.cola : n.duracion + p.suelta;
    const long long total = (long long)(largo * kTasa);
    const long long base = (long long)std::llround(n.inicio * kTasa);
    const double angulo = (std::clamp(n.pan, -1.0, 1.0) + 1.0) * kPi / 4.0;
    const double gl = std::cos(angulo), gr = std::sin(angulo);
    const double fuerza = std::clamp(n.fuerza, 0.0, 1.0);

    Ruido ruido(semillaDe(n));
    Osc o1, o2, o3, o4;
    if (!p.percusivo) {  // drums start from zero, the rest from anywhere
        o1.fase = (ruido() + 1) / 2;
        o2.fase = (ruido() + 1) / 2;
        o3.fase = (ruido() + 1) / 2;
    }
    Svf f1, f2;

    for (long long i = 0; i < total; ++i) {
        const double t = double(i) / kTasa;
        const double semis = n.desliz * std::min(1.0, t / std::max(0.001, n.duracion));
        double hz = HzDeMidi(n.midi + semis);
        const bool ajusta = (i & 7) == 0;
        double v = 0;
        switch (n.timbre) {
        case Timbre::Colchon: {
            const double d = 1.0 + 0.0047;  // eight cents either side
            v = 0.45 * (o1.sierra(hz * d) + o2.sierra(hz / d) + o3.sierra(hz)) + 0.35 * o4.seno(hz * 0.5);
            if (ajusta)
                f1.ajusta(std::min(5500.0, hz * (2.0 + 1.5 * n.brillo) + 400 * std::sin(2 * kPi * 0.2 * t)), 0.7);
            v = f1.paso(v) * envolvente(p, t, n.duracion);
            break;
        }
        case Timbre::Pulsado: {
            v = 0.6 * o1.sierra(hz) + 0.4 * o2.cuadrada(hz * 1.002);
            if (ajusta)
                f1.ajusta(hz * 1.5 + 4200 * n.brillo * std::exp(-t / 0.07), 1.3);
            // The pluck decays by itself; letting go only cuts it short.
            v = f1.paso(v) * std::min(1.0, t / p.ataque) * std::exp(-t / 0.35) * soltar(p, t, n.duracion);
            break;
        }
        case Timbre::Bajo: {
            v = 0.45 * o1.sierra(hz) + 0.8 * o2.seno(hz);
            if (ajusta)
                f1.ajusta(260 + 900 * n.brillo * std::exp(-t / 0.09), 1.1);
            v = f1.paso(v) * envolvente(p, t, n.duracion);
            break;
        }
        case Timbre::Campana: {
            const double indice = 3.2 * std::exp(-t / 0.5) + 0.3;
            const double mod = o2.seno(hz * 3.5) * indice;
            o1.avanza(hz / kTasa);
            v = std::sin(2 * kPi * o1.fase + mod) * std::exp(-t / 1.1);
            v *= std::min(1.0, t / p.ataque) * soltar(p, t, n.duracion);
            break;
        }
        case Timbre::Metal: {
            const double vib = t > 0.25 ? 0.12 * std::sin(2 * kPi * 5.2 * t) : 0.0;
            hz = HzDeMidi(n.midi + semis + vib);
            v = o1.sierra(hz) + 0.35 * o2.sierra(hz * 1.003);
            if (ajusta)
                f1.ajusta(hz * (1.0 + 5.5 * n.brillo * std::min(1.0, t / 0.07) * (0.7 + 0.3 * std::exp(-t / 0.4))), 0.9);
            v = f1.paso(v) * envolvente(p, t, n.duracion);
            break;
        }
        case Timbre::Solista: {
            const double vib = t > 0.2 ? 0.1 * std::sin(2 * kPi * 5.5 * t) : 0.0;
            hz = HzDeMidi(n.midi + semis + vib);
            v = 0.8 * o1.triangulo(hz) + 0.15 * o2.cuadrada(hz);
            if (ajusta)
                f1.ajusta(hz * 4.0 * n.brillo + 300, 0.8);
            v = f1.paso(v) * envolvente(p, t, n.duracion);
            break;
        }
        case Timbre::Bombo: {
            const double f = 44 + 100 * std::exp(-t / 0.035);
            v = o1.seno(f) * std::exp(-t / 0.28) + 0.3 * ruido() * std::exp(-t / 0.004);
            break;
        }
        case Timbre::Caja: {
            double banda = 0;
            if (ajusta)
                f1.ajusta(1900, 0.9);
            f1.paso(ruido(), &banda);
            v = 0.9 * banda * std::exp(-t / 0.11) + 0.5 * o1.seno(185) * std::exp(-t / 0.05);
            break;
        }
        case Timbre::Plato: {
            double alto = 0;
            if (ajusta)
                f1.ajusta(7500, 0.7);
            f1.paso(ruido(), nullptr, &alto);
            v = alto * std::exp(-t / 0.03);
            break;
        }
        case Timbre::Tic:
            v = (0.7 * o1.seno(2300) + 0.3 * o2.seno(3450)) * std::exp(-t / 0.01);
            break;
        case Timbre::Timbal: {
            const double f = hz * (1.0 + 0.04 * std::exp(-t / 0.05));
            double banda = 0;
            if (ajusta)
                f1.ajusta(hz * 3, 1.5);
            f1.paso(ruido(), &banda);
            v = (o1.seno(f) + 0.35 * o2.seno(f * 1.5) * std::exp(-t / 0.3)) * std::exp(-t / 0.55) +
                0.4 * banda * std::exp(-t / 0.08);
            break;
        }
        case Timbre::Soplo: {
            const double u = std::min(1.0, t / std::max(0.01, n.duracion));
            double banda = 0;
            if (ajusta)
                f1.ajusta(300 * std::pow(20.0, u), 1.8);
            f1.paso(ruido(), &banda);
            v = banda * u * u * envolvente(p, t, n.duracion);
            break;
        }
        case Timbre::Platillo: {
            double alto = 0;
            if (ajusta)
                f1.ajusta(4200, 0.6);
            f1.paso(ruido(), nullptr, &alto);
            v = alto * std::exp(-t / 0.8) * std::min(1.0, t / 0.003);
            break;
        }
        }
        // A millisecond and a half of fade-in keeps every onset free of clicks.
        const double s = v * p.ganancia * fuerza * std::min(1.0, t / 0.0015);
        const float sl = float(s * gl), sr = float(s * gr);
        seco.suma(base + i, sl, sr);
        if (p.envioReverb > 0)
            reverb.suma(base + i, float(sl * p.envioReverb), float(sr * p.envioReverb));
        if (p.envioEco > 0)
            eco.suma(base + i, float(sl * p.envioEco), float(sr * p.envioEco));
    }
}
