#include "Sonido.h"

#include "Archivos.h"
#include "Modulo.h"
#include "Reproductor.h"

Sonido::Sonido(Modulo& m, Reproductor& mp1, Reproductor& mp2, QObject* parent)
    : QObject(parent), m_(m), mp1_(mp1), mp2_(mp2)
{
    conecta();
}

Sonido::Sonido(Modulo& m, Reproductor& mp1, Reproductor& mp2, const QString& carpetaPrograma,
               QObject* parent)
    : QObject(parent), m_(m), mp1_(mp1), mp2_(mp2), carpetaPrograma_(carpetaPrograma)
{
    conecta();
}

void Sonido::conecta()
{
    // MP1 waits for reproducir(); MP2 starts the tune as soon as it gets it.
    mp1_.setAutoInicio(false);
    mp2_.setAutoInicio(true);
    connect(&mp1_, &Reproductor::empiezaPieza, this, [this] { mp2_.detener(); });
    connect(&mp1_, &Reproductor::terminaPieza, this, [this] {
        mp2_.setPosicion(0);
        mp2_.reproducir();
    });
    // MP2's own end is left alone: the tune stays silent until MP1's next piece ends.
}

QString Sonido::carpeta() const
{
    return carpetaPrograma_.isEmpty() ? CarpetaPrograma() : carpetaPrograma_;
}

QString Sonido::RutaPieza(const QString& numero) const
{
    return RutaDesde(carpeta(), m_.CarpetaMP3 + QStringLiteral("sonido") + numero + QStringLiteral(".mp3"));
}

void Sonido::Toca(qint32 snd)
{
    const QString numero = snd == PrimeraPista ? SiguientePista() : QString::number(snd);
    mp1_.setArchivo(RutaPieza(numero));  // drops whatever MP1 still plays

    const bool callado = (snd == 2 && m_.noSoundAnswer) || (snd == PrimeraPista && m_.noSoundAsk != 0);
    mp1_.setVolumen(callado ? Silencio : m_.Volume);
    // A silenced piece still plays, so it holds the tune back for its whole length.
    mp1_.reproducir();
}

QString Sonido::SiguientePista()
{
    const QString r = QString::number(m_.Actual);
    // Wraps to the first question piece, not to where the rotation began.
    if (m_.Actual >= m_.Music)
        m_.Actual = PrimeraPista;
    else
        ++m_.Actual;
    return r;
}

void Sonido::IniciaMusica()
{
    mp2_.setVolumen(m_.Volume);
    // The folder is fixed here; MP2 keeps this file for the whole run.
    mp2_.setArchivo(RutaPieza(QStringLiteral("1")));
}

void Sonido::AplicaVolumen()
{
    mp1_.setVolumen(m_.Volume);
    mp2_.setVolumen(m_.Volume);
}
