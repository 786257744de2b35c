#pragma once
#include <QObject>
#include <QString>

class Reproductor;
struct Modulo;

// Toca and the music rotation. Reads the mirrors of Modulo (CarpetaMP3,
// Volume, noSoundAnswer, noSoundAsk, Actual, Music) each time it plays.
class Sonido : public QObject {
    Q_OBJECT
public:
    Sonido(Modulo& m, Reproductor& mp1, Reproductor& mp2, QObject* parent = nullptr);

    void Toca(qint32 snd);      // plays a numbered piece on MP1
    void IniciaMusica();        // gives MP2 the background tune
    QString SiguientePista();   // next question-music number, advancing the rotation
    void AplicaVolumen();       // Volume onto both players at once

private:
    Modulo& m_;
    Reproductor& mp1_;
    Reproductor& mp2_;
};
