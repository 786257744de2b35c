#include "Porteria.h"
#include <algorithm>

bool Porteria::entrar(const QString& direccion) {
    if (bloqueada(direccion) || total_ >= l_.conexionesEnTotal
        || porDireccion_.value(direccion) >= l_.conexionesPorDireccion)
        return false;
    ++porDireccion_[direccion];
    ++total_;
    return true;
}

void Porteria::salir(const QString& direccion) {
    auto it = porDireccion_.find(direccion);
    if (it == porDireccion_.end())
        return;
    if (--*it <= 0)
        porDireccion_.erase(it);
    --total_;
}

void Porteria::codigoErrado(const QString& direccion) {
    const qint64 ahora = reloj_.ms();
    Fallos& f = fallos_[direccion];
    if (ahora - f.desde > l_.ventanaDeFallosMs) {
        f.desde = ahora;
        f.cuantos = 0;
    }
    if (++f.cuantos >= l_.fallosDeCodigo) {
        f.hasta = ahora + l_.bloqueoMs;
        f.cuantos = 0;
        f.desde = ahora;
    }
    // The table forgets addresses whose lock and window have both passed, so
    // a stream of made-up addresses cannot grow it without end.
    if (fallos_.size() > 4096) {
        for (auto it = fallos_.begin(); it != fallos_.end();) {
            if (it->hasta < ahora && ahora - it->desde > l_.ventanaDeFallosMs)
                it = fallos_.erase(it);
            else
                ++it;
        }
    }
}

bool Porteria::bloqueada(const QString& direccion) const {
    auto it = fallos_.constFind(direccion);
    return it != fallos_.cend() && it->hasta >= 0 && reloj_.ms() < it->hasta;
}

bool Cupo::tomar(qint64 ahora) {
    fichas_ = std::min(rafaga_, fichas_ + double(ahora - antes_) * porMs_);
    antes_ = ahora;
    if (fichas_ < 1.0)
        return false;
    fichas_ -= 1.0;
    return true;
}
