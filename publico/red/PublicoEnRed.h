#pragma once
#include "Publico.h"

// The room on the network: the server and the room's rules on a thread of
// their own; this side, on the board's thread, forwards the board's calls and
// brings the phones' doings back as signals.
class PublicoEnRed : public Publico {
    Q_OBJECT
public:
    explicit PublicoEnRed(QObject* parent = nullptr);
    ~PublicoEnRed() override;

    void setEncendido(bool si) override;
    void setJuegaElPublico(bool si) override;
    EstadoSala estado() const override;

    void preguntaAbierta(const PreguntaEnSala& p) override;
    void respuestasQuitadas(const std::array<bool, 4>& quitadas) override;
    void preguntaJuzgada(int correcta, int elegida, Juicio j) override;
    void juegoTerminado() override;
    void partidaTerminada(const QList<PuestoEnSala>& posiciones) override;

    bool abrirEncuesta() override;
    void cerrarEncuesta() override;

private:
    EstadoSala estado_;
};
