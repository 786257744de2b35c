#pragma once
#include "Reproductor.h"

// Interim silent player until the real one lands.
class ReproductorQt : public Reproductor {
    Q_OBJECT
public:
    using Reproductor::Reproductor;
    void setArchivo(const QString&) override {}
    void setAutoInicio(bool) override {}
    void setVolumen(int) override {}
    void reproducir() override {}
    void detener() override {}
    void setPosicion(double) override {}
};
