#pragma once
#include "Reproductor.h"

class EnlaceMotor;

// A media player over QMediaPlayer. Never shows a dialog and never waits:
// the back-end runs in the media thread (HiloSonido, a Motor of the library
// OrvaliaSonido), so no command blocks the game, not even the first ones
// while GStreamer starts. A missing or broken file ends the piece at once,
// right after the call returns (terminaPieza still comes, so the background
// tune is never left waiting for an end that cannot arrive; empiezaPieza
// does not); so does every piece when the back-end cannot be loaded. On a
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

    // The back-end's play state as last reported (it follows the commands
    // a moment later).
    bool reproduciendo() const { return sonando_; }
    QString archivo() const { return archivo_; }
    // The volume given to the back-end, on its linear scale.
    float volumenLineal() const { return volumen_; }

    // Hundredths of a decibel to the back-end's linear scale: -10000 (or
    // less) is exactly 0, 0 (or more) is 1, 10^(v/2000) between.
    static float aLineal(int centesimasDb);

private:
    void alEmpezar(quint64 jugada);
    void alTerminar(quint64 pieza);
    void alFallar(quint64 pieza);
    void terminaLuego();  // the end of an unplayable piece, after the caller returns
    void avisaFin();

    EnlaceMotor* enlace_;  // lives in the media thread, with the motor
    QString archivo_;
    float volumen_ = 1.0f;
    bool autoInicio_ = false;
    bool valido_ = false;       // the current file exists and has not failed
    bool pedido_ = false;       // a play was asked for the current piece
    bool inicioAvisado_ = false;  // empiezaPieza already came for the current play
    bool finAvisado_ = true;    // terminaPieza already came for the current play
    bool sonando_ = false;
    quint64 pieza_ = 0;         // changes with every file, so late news of old pieces is ignored
    quint64 jugada_ = 0;        // changes with every play
};
