#include "Azar.h"

#include <QDateTime>
#include <memory>
#include <vector>

Azar& Azar::global()
{
    static Azar a;
    return a;
}

double Azar::r()
{
    if (fuente_) {
        const double v = fuente_();
        if (v >= 0.0 && v < 1.0)
            return v;
        fuente_ = nullptr;  // a script returns a value outside [0, 1) when it is done
    }
    return std::uniform_real_distribution<double>(0.0, 1.0)(motor_);
}

void Azar::sembrarReloj() { motor_.seed(quint32(QDateTime::currentMSecsSinceEpoch())); }

void Azar::sembrar(quint32 semilla) { motor_.seed(semilla); }

void Azar::guion(std::initializer_list<double> valores)
{
    auto lista = std::make_shared<std::vector<double>>(valores);
    auto pos = std::make_shared<size_t>(0);
    fuente_ = [lista, pos]() { return *pos < lista->size() ? (*lista)[(*pos)++] : -1.0; };
}

void Azar::guion(std::function<double()> fuente) { fuente_ = std::move(fuente); }

void Azar::sinGuion() { fuente_ = nullptr; }

int AzarEntero(Azar& azar, int n)
{
    const int k = int(azar.r() * n);
    return k < n ? k : n - 1;
}
