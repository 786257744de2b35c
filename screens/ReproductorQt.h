#pragma once
#include "Reproductor.h"

#include <QMediaPlayer>
#include <QTimer>
#include <functional>
#include <vector>

class QAudioOutput;

// A media player over QMediaPlayer. Never shows a dialog and never waits:
// a missing or broken file ends the piece at once, right after the call
// returns (terminaPieza still comes, so the background tune is never left
// waiting for an end that cannot arrive; empiezaPieza does not). On a
// machine without a sound device GStreamer plays into a clocked null sink,
// so pieces take their real length and end as usual.
class ReproductorQt : public Reproductor {
    Q_OBJECT
public:
    explicit ReproductorQt(QObject* parent = nullptr);
    ~ReproductorQt() override;

    void setArchivo(const QString& ruta) override;
    void setAutoInicio(bool si) override;
    void setVolumen(int centesimasDb) override;
    void reproducir() override;
    void detener() override;
    void setPosicion(double segundos) override;

    bool reproduciendo() const;
    QString archivo() const { return archivo_; }
    float volumenLineal() const;

    // Hundredths of a decibel to the back-end's linear scale: -10000 (or
    // less) is exactly 0, 0 (or more) is 1, 10^(v/2000) between.
    static float aLineal(int centesimasDb);

private:
    void alCambiarEstado(QMediaPlayer::PlaybackState estado);
    void alCambiarMedio(QMediaPlayer::MediaStatus status);
    void avisaInicio();
    void alFallar();
    void terminaLuego();  // the end of an unplayable piece, after the caller returns
    void avisaFin();

    // Qt 6.4's GStreamer back-end can deadlock when the source is changed,
    // stopped or sought while it is still loading a file (its streaming
    // thread links the decoder's pads under a lock the main thread then
    // waits for). Commands given while a file loads are therefore held and
    // run, in order, once it has loaded or failed; a newer file drops the
    // held commands of the older one.
    void orden(std::function<void()> f);
    bool cargando() const;
    void sueltaOrdenes(bool forzar);

    std::vector<std::function<void()>> ordenes_;
    QTimer esperaCarga_;  // a load that never ends must not hold the player forever

    QMediaPlayer* player_;
    QAudioOutput* salida_;
    QString archivo_;
    bool autoInicio_ = false;
    bool valido_ = false;       // the current file exists and has not failed
    bool pedido_ = false;       // a play was asked for the current piece
    bool inicioAvisado_ = false;  // empiezaPieza already came for the current play
    bool finAvisado_ = true;    // terminaPieza already came for the current play
    quint64 pieza_ = 0;         // changes with every file, so late ends of old pieces are ignored
};
