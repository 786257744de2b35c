#include "Sonido.h"

#include "Modulo.h"
#include "Reproductor.h"

// Placeholder until the real sound module lands.
Sonido::Sonido(Modulo& m, Reproductor& mp1, Reproductor& mp2, QObject* parent)
    : QObject(parent), m_(m), mp1_(mp1), mp2_(mp2)
{
}
void Sonido::Toca(qint32) {}
void Sonido::IniciaMusica() {}
QString Sonido::SiguientePista() { return QString::number(m_.Actual); }
void Sonido::AplicaVolumen()
{
    mp1_.setVolumen(m_.Volume);
    mp2_.setVolumen(m_.Volume);
}
