#pragma once
#include "Limites.h"
#include <QHostAddress>
#include <QList>

// Where and how the room listens. By default on the laptop's own address on
// its network, on a fixed port if it is free; tests give 127.0.0.1.
struct OpcionesSala {
    QHostAddress direccion;                      // null: the laptop's first network address
    QList<quint16> puertos{8765, 8766, 8767, 8768, 8769}; // then any free one
    Limites limites;
    QString codigo;                              // empty: four random digits

    // ORVALIA_PUBLICO_DIRECCION=127.0.0.1 makes a test's game listen there.
    static OpcionesSala delEntorno();
};
