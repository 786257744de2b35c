#pragma once
#include <QObject>
#include <QString>

class Reproductor;
struct Modulo;

// Toca and the music rotation. Reads the mirrors of Modulo (CarpetaMP3,
// Volume, noSoundAnswer, noSoundAsk, Actual, Music) each time it plays.
//
// MP1 plays the numbered pieces on demand; MP2 plays the background tune.
// While MP1 plays, MP2 is stopped; when MP1's piece ends, MP2 starts again
// from its beginning.
class Sonido : public QObject {
    Q_OBJECT
public:
    // Files are looked for below CarpetaPrograma(), read at each call.
    Sonido(Modulo& m, Reproductor& mp1, Reproductor& mp2, QObject* parent = nullptr);
    // Files are looked for below carpetaPrograma.
    Sonido(Modulo& m, Reproductor& mp1, Reproductor& mp2, const QString& carpetaPrograma,
           QObject* parent = nullptr);

    void Toca(qint32 snd);      // plays a numbered piece on MP1
    void IniciaMusica();        // gives MP2 the background tune
    QString SiguientePista();   // next question-music number, advancing the rotation
    void AplicaVolumen();       // Volume onto both players at once

    // The full path of piece n in the folder CarpetaMP3 holds now.
    QString RutaPieza(const QString& numero) const;

    static constexpr qint32 Silencio = -10000;
    static constexpr qint32 PrimeraPista = 7;

private:
    void conecta();
    QString carpeta() const;

    Modulo& m_;
    Reproductor& mp1_;
    Reproductor& mp2_;
    QString carpetaPrograma_;  // empty: ask CarpetaPrograma()
};
