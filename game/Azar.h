#pragma once
#include <QtGlobal>
#include <functional>
#include <random>

// The program-wide uniform random source in [0, 1). Seeded from the clock at
// start-up; tests seed it or script the exact draws they need.
class Azar {
public:
    static Azar& global();

    double r();                    // next draw in [0, 1)
    void sembrarReloj();           // seed from the clock
    void sembrar(quint32 semilla); // repeatable runs
    // Scripted draws (tests): each call of r() takes the next value; when the
    // list runs out the generator takes over again.
    void guion(std::initializer_list<double> valores);
    void guion(std::function<double()> fuente);
    void sinGuion();

private:
    std::mt19937 motor_{5489u};
    std::function<double()> fuente_;
};

// Whole part of r() * n: 0..n-1.
int AzarEntero(Azar& azar, int n);
