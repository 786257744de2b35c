#pragma once
#include "Limites.h"
#include "Reloj.h"
#include <QHash>
#include <QString>

// Who may come in: connections per address and in all, and the addresses
// that guessed the room code too often. Addresses are plain text here.
class Porteria {
public:
    Porteria(const Limites& l, const Reloj& reloj) : l_(l), reloj_(reloj) {}

    // A new connection from `direccion`: true and counted, or false (full,
    // or the address is locked out) and not counted.
    bool entrar(const QString& direccion);
    void salir(const QString& direccion);
    int dentro() const { return total_; }
    int dentroDe(const QString& direccion) const { return porDireccion_.value(direccion); }

    // The room code: a wrong one counts against the address.
    void codigoErrado(const QString& direccion);
    bool bloqueada(const QString& direccion) const;

private:
    struct Fallos {
        qint64 desde = 0;       // start of the current window
        int cuantos = 0;
        qint64 hasta = -1;      // locked out until then
    };
    Limites l_;
    const Reloj& reloj_;
    QHash<QString, int> porDireccion_;
    QHash<QString, Fallos> fallos_;
    int total_ = 0;
};

// A phone's allowance of messages: a bucket that fills at a steady rate up to
// a burst; each message takes one.
class Cupo {
public:
    Cupo() : Cupo(1, 1, 0) {}
    Cupo(double porSegundo, double rafaga, qint64 ahora)
        : porMs_(porSegundo / 1000.0), rafaga_(rafaga), fichas_(rafaga), antes_(ahora) {}
    bool tomar(qint64 ahora);
private:
    double porMs_, rafaga_, fichas_;
    qint64 antes_;
};
