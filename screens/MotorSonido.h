#pragma once
#include <QMediaPlayer>
#include <QObject>
#include <QUrl>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QAudioOutput;
class QTimer;

// One QMediaPlayer in the media thread (HiloSonido), driven by ReproductorQt
// from the user-interface thread. Every call below is made in the media
// thread, in the order the player gave them; the signals go back to it.
// Each piece carries the number ReproductorQt gave it: commands for a piece
// that has since been replaced are skipped, and notifications name their
// piece (or their play), so the other side can tell late ones.
class MotorSonido : public QObject {
    Q_OBJECT
public:
    // vigente: the newest piece ReproductorQt has given, read here to skip
    // commands that a newer file has made pointless.
    explicit MotorSonido(const std::atomic<quint64>& vigente);
    ~MotorSonido() override;

    void Iniciar();  // builds the back-end's player; first command of all
    void Fuente(quint64 pieza, const QUrl& url);  // drops the old piece (no end reported for it)
    void Tocar(quint64 pieza, quint64 jugada);
    void Parar(quint64 pieza);
    void Posicion(quint64 pieza, qint64 ms);
    void Volumen(float lineal);

signals:
    void sonando(bool si);         // the back-end's play state changed
    void empieza(quint64 jugada);  // that play proved playable and runs
    void termina(quint64 pieza);   // the piece reached its end
    void falla(quint64 pieza);     // the piece could not be played

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
    std::vector<std::function<void()>> ordenes_;
    QTimer* esperaCarga_ = nullptr;  // a load that never ends must not hold the player forever
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* salida_ = nullptr;
    float volumen_ = 1.0f;
    bool valido_ = false;      // the current source is a file that has not failed
    quint64 pieza_ = 0;
    quint64 jugada_ = 0;       // the play asked for last
    quint64 jugadaAvisada_ = 0;  // the play whose start was reported
    bool sonando_ = false;
};
