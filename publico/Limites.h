#pragma once
#include <QtGlobal>

// What one phone, one address and all of them together may do. The defaults
// are the game's; tests and the benchmark make some shorter or wider.
//
// Per address: on the laptop's Wi-Fi, or on a phone's hotspot the laptop has
// joined, every phone has an address of its own; a NAT that put a whole room
// behind one address would also stand between the phones and the laptop, so
// they could not reach it anyway. A phone's browser holds one WebSocket and
// opens a few short page connections (at most six at once), so twelve leaves
// a reloading phone room and keeps any one device to a small share of the
// whole. In all: 600, twice the 300 phones that must fit.
struct Limites {
    int conexionesPorDireccion = 12;
    int conexionesEnTotal = 600;

    // A wrong room code: this many within the window, then the address is
    // refused for a while (the code has only 10 000 values).
    int fallosDeCodigo = 5;
    qint64 ventanaDeFallosMs = 60'000;
    qint64 bloqueoMs = 5 * 60'000;

    // Before a connection becomes a WebSocket: what it may send in all (a few
    // page requests' headers; no request here has a body) and how long it may
    // stay without sending anything.
    qint64 bytesAntesDelSocket = 16 * 1024;
    qint64 esperaSinSocketMs = 10'000;

    // A phone's WebSocket: message size, messages per second with a burst,
    // and how long it may stay silent (the server pings it; the browser's
    // pong counts).
    int mensajeMaximo = 512;
    double mensajesPorSegundo = 5;
    double rafagaDeMensajes = 20;
    qint64 silencioMaximoMs = 45'000;
    qint64 pingCadaMs = 15'000;

    // The poll closes by itself after this long.
    qint64 duracionEncuestaMs = 15'000;
};
