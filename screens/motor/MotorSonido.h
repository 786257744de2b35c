#pragma once
#include "Motor.h"

#include <QMediaPlayer>
#include <QObject>
#include <functional>
#include <vector>

class QAudioOutput;
class QTimer;

// One QMediaPlayer, living in the media thread and driven through Motor.
class MotorSonido : public QObject, public Motor {
    Q_OBJECT
public:
    MotorSonido(const std::atomic<quint64>& vigente, AvisosMotor& avisos);
    ~MotorSonido() override;

    void Fuente(quint64 pieza, const QUrl& url) override;
    void Tocar(quint64 pieza, quint64 jugada) override;
    void Parar(quint64 pieza) override;
    void Posicion(quint64 pieza, qint64 ms) override;
    void Volumen(float lineal) override;

private:
    void estado();
    void alCambiarEstado(QMediaPlayer::PlaybackState);
    void alCambiarMedio(QMediaPlayer::MediaStatus status);
    void avisaInicio();
    void alFallar();
    bool vieja(quint64 pieza) const { return pieza < vigente_.load(); }

    // Qt 6.4's GStreamer back-end can deadlock when the source is changed,
    // stopped or sought while it is still loading a file (its streaming
    // thread links the decoder's pads under a lock this thread then waits
    // for). Commands given while a file loads are therefore held and run, in
    // order, once it has loaded or failed; a newer file drops the held
    // commands of the older one.
    void orden(std::function<void()> f);
    bool cargando() const;
    void sueltaOrdenes(bool forzar);

    const std::atomic<quint64>& vigente_;
    AvisosMotor& avisos_;
    std::vector<std::function<void()>> ordenes_;
    QTimer* esperaCarga_;  // a load that never ends must not hold the player forever
    QMediaPlayer* player_;
    QAudioOutput* salida_;
    bool valido_ = false;        // the current source is a file that has not failed
    quint64 pieza_ = 0;
    quint64 jugada_ = 0;         // the play asked for last
    quint64 jugadaAvisada_ = 0;  // the play whose start was reported
    bool sonando_ = false;
};
