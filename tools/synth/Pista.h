#pragma once
#include <cstddef>
#include <vector>

constexpr int kTasa = 44100;

// A stereo buffer of float samples. A circular one wraps whatever spills past
// its end back to its start, so a piece made in it loops without a seam.
struct Pista {
    Pista(double segundos, bool circular);

    std::vector<float> l, r;
    bool circular;

    std::size_t muestras() const { return l.size(); }
    double segundos() const { return double(l.size()) / kTasa; }
    // Adds one stereo sample at index i (any i; wraps or drops past the end).
    void suma(long long i, float vl, float vr)
    {
        const long long n = (long long)l.size();
        if (circular)
            i = ((i % n) + n) % n;
        else if (i < 0 || i >= n)
            return;
        l[std::size_t(i)] += vl;
        r[std::size_t(i)] += vr;
    }
    void sumaPista(const Pista& otra, float ganancia);
};
