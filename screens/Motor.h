#pragma once
#include <QUrl>
#include <QtGlobal>
#include <atomic>

// The media back-end as ReproductorQt sees it: a motor in the media thread
// (HiloSonido), built by the library OrvaliaSonido, which alone links Qt
// Multimedia. The program loads that library in the media thread, so
// neither GStreamer nor Qt Multimedia is loaded before the first window.
// Only virtual calls cross: nothing here needs the library's symbols.

// What the motor tells its player; called in the media thread.
class AvisosMotor {
public:
    virtual void sonando(bool si) = 0;         // the back-end's play state changed
    virtual void empieza(quint64 jugada) = 0;  // that play proved playable and runs
    virtual void termina(quint64 pieza) = 0;   // the piece reached its end
    virtual void falla(quint64 pieza) = 0;     // the piece could not be played

protected:
    ~AvisosMotor() = default;
};

// Every call is made in the media thread, in the order the player gave them.
// Each piece carries the number the player gave it: commands for a piece
// that has since been replaced are skipped.
class Motor {
public:
    virtual ~Motor() = default;
    virtual void Fuente(quint64 pieza, const QUrl& url) = 0;  // drops the old piece (no end reported for it)
    virtual void Tocar(quint64 pieza, quint64 jugada) = 0;
    virtual void Parar(quint64 pieza) = 0;
    virtual void Posicion(quint64 pieza, qint64 ms) = 0;
    virtual void Volumen(float lineal) = 0;
};

// The library's entry point, called in the media thread: a motor living in
// that thread. vigente is the newest piece the player has given; avisos
// outlives the motor.
using FabricaMotor = Motor* (*)(const std::atomic<quint64>* vigente, AvisosMotor* avisos);
inline constexpr const char* NombreFabricaMotor = "orvalia_crear_motor";
