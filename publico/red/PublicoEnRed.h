#pragma once
#include "OpcionesSala.h"
#include "Publico.h"
#include <memory>

class QThread;
class Servidor;

// The room on the network. The server and the room's rules live on a thread
// of their own (Servidor); this side, on the board's thread, hands the
// board's calls over as queued calls and answers estado() from its own copy,
// so nothing the phones do can make the board wait.
class PublicoEnRed : public Publico {
    Q_OBJECT
public:
    explicit PublicoEnRed(QObject* parent = nullptr);
    explicit PublicoEnRed(const OpcionesSala& opciones, QObject* parent = nullptr);
    ~PublicoEnRed() override;

    void setEncendido(bool si) override;
    void setJuegaElPublico(bool si) override;
    EstadoSala estado() const override { return estado_; }

    void preguntaAbierta(const PreguntaEnSala& p) override;
    void respuestasQuitadas(const std::array<bool, 4>& quitadas) override;
    void preguntaJuzgada(int correcta, int elegida, Juicio j) override;
    void juegoTerminado() override;
    void partidaTerminada(const QList<PuestoEnSala>& posiciones) override;

    bool abrirEncuesta() override;
    void cerrarEncuesta() override;

private:
    template <typename F> void enElHilo(F&& f);
    void detener();

    OpcionesSala op_;
    std::unique_ptr<QThread> hilo_;
    Servidor* servidor_ = nullptr; // lives on hilo_
    bool encendido_ = false;
    bool juega_ = false;
    EstadoSala estado_;
};
