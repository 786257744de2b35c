#pragma once
#include <QObject>
#include <QString>

// What the game needs of a media player, and nothing more. The board holds
// two: MP1 for the numbered pieces, MP2 for the background tune. Tests fake it.
class Reproductor : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Reproductor() override = default;

    // A full path of an MP3 file. A player with autoInicio set starts the
    // file by itself; otherwise it waits for reproducir().
    virtual void setArchivo(const QString& ruta) = 0;
    virtual void setAutoInicio(bool si) = 0;
    // Hundredths of a decibel: -10000 silent, 0 full. Applies at once.
    virtual void setVolumen(int centesimasDb) = 0;
    virtual void reproducir() = 0;
    virtual void detener() = 0;
    virtual void setPosicion(double segundos) = 0;

signals:
    void empiezaPieza();   // the player begins to play a file
    void terminaPieza();   // the player reached the end of a file, once
};
